// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/control_ids.h"
#include "platform/template_dialog.h"

namespace zormade {

// Puts one scripted event to the player: its picture, its prompt and four answers, and gives
// back the answer taken.
class EventDialog : public TemplateDialog, public EventDialogIds {
    Q_OBJECT
public:
    static constexpr int kPictureSize = 330;

    // `index` 0 to 41.
    explicit EventDialog(int index, QWidget* parent = nullptr);

    // Runs the dialog: the answer selected as it closed, 0 to 3, or -1 when none was.
    int AskAnswer();

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    int eventIndex_;
};

}  // namespace zormade
