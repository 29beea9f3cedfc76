// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/template_dialog.h"

class QPushButton;

namespace zormade {

class ListBox;
class MultiLineEdit;
class PictureControl;

// Puts one scripted event to the player: its picture, its prompt and four answers, and gives
// back the answer taken.
class EventDialog : public TemplateDialog {
    Q_OBJECT
public:
    static constexpr int kTemplateId = 134;
    static constexpr ControlId<ListBox> kAnswerListId{1026};
    static constexpr ControlId<MultiLineEdit> kPromptId{1027};
    static constexpr ControlId<PictureControl> kPictureId{1040};
    static constexpr ControlId<QPushButton> kConfirmId = kAcceptButton;
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
