// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include "core/monthly_turn.h"
#include "platform/cdialog.h"

namespace zormade {

class MultiLineEdit;
class PictureControl;

// Closes a run: the title, the ending picture of its outcome and the message.
class CEndDlg : public CDialog {
    Q_OBJECT
public:
    static constexpr int kTemplateId = 139;
    static constexpr ControlId<PictureControl> IDC_PICTURE{1040};
    static constexpr ControlId<MultiLineEdit> IDC_TITLE{1027};
    static constexpr ControlId<MultiLineEdit> IDC_MESSAGE{1028};

    explicit CEndDlg(QWidget* parent = nullptr) : CDialog(kTemplateId, parent) {}

    RunOutcome outcome =
        RunOutcome::Going;  // the caller sets Capture or Clear; others draw no picture
    QString endTitle;
    QString endMessage;

protected:
    void DoDataExchange(DataExchange* pDX) override;
    bool OnInitDialog() override;
    // The picture is drawn again, from a freshly loaded bitmap, whenever the dialog is painted.
    void OnPaint() override;
};

}  // namespace zormade
