// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/event_dialog.h"

#include <QPushButton>

#include "core/event_catalogue.h"
#include "platform/list_box.h"
#include "platform/multi_line_edit.h"
#include "ui/draw_picture.h"
#include "ui/event_text.h"

namespace zormade {
namespace {
constexpr int kMaxAnswers = 4;
}  // namespace

EventDialog::EventDialog(int index, QWidget* parent)
    : TemplateDialog(kTemplateId, parent), eventIndex_(index) {
    if (!IsBuilt()) return;
    // "決定" is no default button; left automatic, Qt would make it one as the dialog shows.
    Control(kConfirmId).setAutoDefault(false);
    ListBox& answers = Control(kAnswerListId);
    answers.MakeRoomForFocusFrame(kMaxAnswers);
    for (int answer = 0; answer < kMaxAnswers; ++answer) {
        answers.addItem(EventAnswerText(eventIndex_, answer));
    }
    answers.setCurrentRow(0);
    Control(kPromptId).SetText(EventPrompt(eventIndex_));
}

int EventDialog::AskAnswer() {
    exec();
    if (!IsBuilt()) return -1;
    const int row = Control(kAnswerListId).currentRow();
    return row >= 0 && row < static_cast<int>(EventRecordAt(eventIndex_).answers.size()) ? row : -1;
}

void EventDialog::paintEvent(QPaintEvent* event) {
    TemplateDialog::paintEvent(event);
    const PictureRow picture =
        EventPictureRow(EventRecordAt(eventIndex_).pictureRow).value_or(PictureRow{0, 0, 0});
    DrawPicture(*this, kPictureId.id, picture.bitmapId, QSize(kPictureSize, kPictureSize),
                QSize(picture.width, picture.height), PictureMode::Stretch);
}

}  // namespace zormade
