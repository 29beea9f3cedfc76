// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/options_dialog.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QRadioButton>

namespace zormade {

OptionsDialog::OptionsDialog(const GameOptions& shown, QWidget* parent)
    : TemplateDialog(kTemplateId, parent) {
    if (!IsBuilt()) return;
    Tick(kFirstLevelId, static_cast<int>(shown.level));
    Tick(kFirstSpeedId, static_cast<int>(shown.speed));
    Control(kSkipOpeningId).setChecked(shown.skipOpening == 1);
}

GameOptions OptionsDialog::Chosen() const {
    return {static_cast<Level>(Ticked(kFirstLevelId)), static_cast<Speed>(Ticked(kFirstSpeedId)),
            Control(kSkipOpeningId).isChecked() ? 1 : 0};
}

int OptionsDialog::Ticked(ControlId<QRadioButton> first) const {
    const std::vector<QWidget*> group = Controls().RadioGroup(first.id);
    for (std::size_t i = 0; i < group.size(); ++i) {
        if (static_cast<QRadioButton*>(group[i])->isChecked()) return static_cast<int>(i);
    }
    return -1;
}

void OptionsDialog::Tick(ControlId<QRadioButton> first, int position) {
    const std::vector<QWidget*> group = Controls().RadioGroup(first.id);
    for (std::size_t i = 0; i < group.size(); ++i) {
        auto* button = static_cast<QRadioButton*>(group[i]);
        // An exclusive group cannot be left with none ticked, which a value outside it needs.
        QButtonGroup* buttons = button->group();
        if (buttons) buttons->setExclusive(false);
        button->setChecked(static_cast<int>(i) == position);
        if (buttons) buttons->setExclusive(true);
    }
}

}  // namespace zormade
