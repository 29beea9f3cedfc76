// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/control_ids.h"
#include "platform/template_dialog.h"

namespace zormade {

// Shown at every start of a game; OK or Esc both go on to the game.
class BriefingDialog : public TemplateDialog, public BriefingDialogIds {
    Q_OBJECT
public:
    explicit BriefingDialog(QWidget* parent = nullptr) : TemplateDialog(kTemplateId, parent) {}
};

}  // namespace zormade
