// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/cdialog.h"

class QCheckBox;
class QRadioButton;

namespace zormade {

// Difficulty, speed and the opening switch; the caller copies the values back only after OK.
class COptionDlg : public CDialog {
    Q_OBJECT
public:
    static constexpr int kTemplateId = 150;
    static constexpr ControlId<QCheckBox> IDC_SKIP_OPENING{1033};
    static constexpr ControlId<QRadioButton> IDC_LEVEL_FIRST{1034};
    static constexpr ControlId<QRadioButton> IDC_SPEED_FIRST{1037};

    explicit COptionDlg(QWidget* parent = nullptr) : CDialog(kTemplateId, parent) {}

    int level = -1;  // position of the ticked button, -1 for none
    int speed = -1;
    int skipOpening = 0;

protected:
    void DoDataExchange(DataExchange* pDX) override;
};

}  // namespace zormade
