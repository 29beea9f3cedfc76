// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/cdialog.h"

namespace zormade {

// Shown at every start of a game; OK or Esc both go on to the game.
class CBriefingDlg : public CDialog {
    Q_OBJECT
public:
    explicit CBriefingDlg(QWidget* parent = nullptr) : CDialog(kTemplateId, parent) {}
    static constexpr int kTemplateId = 160;
};

}  // namespace zormade
