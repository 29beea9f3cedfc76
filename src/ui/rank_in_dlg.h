// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <cstdint>

#include "platform/cdialog.h"

class QLineEdit;

namespace zormade {

class MultiLineEdit;

// Asks a player whose clear entered the table for a name of at most 10 bytes.
class CRankInDlg : public CDialog {
    Q_OBJECT
public:
    static constexpr int kTemplateId = 138;
    static constexpr ControlId<MultiLineEdit> IDC_POINTS{1027};
    static constexpr ControlId<QLineEdit> IDC_RANK{1028};
    static constexpr ControlId<QLineEdit> IDC_NAME{1029};
    static constexpr int kNameBytes = 10;

    explicit CRankInDlg(QWidget* parent = nullptr) : CDialog(kTemplateId, parent) {}

    std::uint32_t points = 0;
    QString name;  // only OK copies the typed name here
    std::uint32_t rank = 0;

protected:
    void DoDataExchange(DataExchange* pDX) override;
    bool OnInitDialog() override;
};

}  // namespace zormade
