// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include "platform/cdialog.h"

namespace zormade {

// Closes a run: the title, the ending picture of `endKind` (0 capture, 1 clear) and the message.
class CEndDlg : public CDialog {
    Q_OBJECT
public:
    static constexpr int kTemplateId = 139;
    static constexpr int IDC_PICTURE = 1040;
    static constexpr int IDC_TITLE = 1027;
    static constexpr int IDC_MESSAGE = 1028;

    explicit CEndDlg(QWidget* parent = nullptr) : CDialog(kTemplateId, parent) {}

    int endKind = 2;  // the caller sets 0 or 1; 2 draws no picture
    QString endTitle;
    QString endMessage;

protected:
    void DoDataExchange(DataExchange* pDX) override;
    bool OnInitDialog() override;
    // The picture is drawn again, from a freshly loaded bitmap, whenever the dialog is painted.
    void OnPaint() override;
};

}  // namespace zormade
