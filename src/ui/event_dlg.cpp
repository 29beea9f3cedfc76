// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/event_dlg.h"

#include <QListWidget>
#include <QPushButton>

#include "core/event_catalogue.h"
#include "platform/list_box.h"
#include "ui/draw_picture.h"
#include "ui/event_text.h"

namespace zormade {
namespace {
constexpr int kMaxAnswers = 4;
}  // namespace

CEventDlg::CEventDlg(QWidget* parent) : CDialog(kTemplateId, parent) {}

int CEventDlg::AskAnswer() {
    answer_ = -1;
    DoModal();
    return answer_;
}

void CEventDlg::DoDataExchange(DataExchange* pDX) {
    CDialog::DoDataExchange(pDX);
    DDX_Text(pDX, kPromptId, promptText_);
}

bool CEventDlg::OnInitDialog() {
    // "決定" is no default button; left automatic, Qt would make it one as the dialog shows.
    Control(kConfirmId).setAutoDefault(false);
    CDialog::OnInitDialog();
    promptText_ = EventPrompt(eventIndex_);
    ListBox& answers = Control(kAnswerListId);
    answers.MakeRoomForFocusFrame(kMaxAnswers);
    for (int answer = 0; answer < kMaxAnswers; ++answer) {
        answers.addItem(EventAnswerText(eventIndex_, answer));
    }
    answers.setCurrentRow(0);
    UpdateData(false);
    return true;
}

void CEventDlg::OnPaint() {
    const PictureRow picture =
        EventPictureRow(EventRecordAt(eventIndex_).pictureRow).value_or(PictureRow{0, 0, 0});
    DrawPicture(*this, kPictureId, picture.bitmapId, QSize(kPictureSize, kPictureSize),
                QSize(picture.width, picture.height), PictureMode::Stretch);
}

void CEventDlg::OnDestroy() {
    CDialog::OnDestroy();
    const int row = Control(kAnswerListId).currentRow();
    answer_ =
        row >= 0 && row < static_cast<int>(EventRecordAt(eventIndex_).answers.size()) ? row : -1;
}

}  // namespace zormade
