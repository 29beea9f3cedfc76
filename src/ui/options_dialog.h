// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/game_options.h"
#include "platform/control_ids.h"
#include "platform/template_dialog.h"

namespace zormade {

// Difficulty, speed and the opening switch; the caller takes the choice only after OK.
class OptionsDialog : public TemplateDialog, public OptionsDialogIds {
    Q_OBJECT
public:
    explicit OptionsDialog(const GameOptions& shown, QWidget* parent = nullptr);

    // A group with no button ticked gives -1; the box gives 1 ticked, 0 not.
    GameOptions Chosen() const;

private:
    // The ticked button's position in the group starting at `first`, or -1 for none.
    int Ticked(ControlId<QRadioButton> first) const;
    void Tick(ControlId<QRadioButton> first, int position);
};

}  // namespace zormade
