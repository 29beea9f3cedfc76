// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/event_dlg.h"

#include <QListWidget>
#include <QPushButton>

#include "platform/list_box.h"
#include "platform/main_window.h"
#include "platform/resources.h"
#include "platform/string_ids.h"
#include "ui/draw_picture.h"

namespace zormade {
namespace {
constexpr int kMaxAnswers = 4;
}  // namespace

CEventDlg::CEventDlg(QWidget* parent) : CDialog(kTemplateId, parent) {}

void CEventDlg::LoadEvent(int index) {
    staminaDelta = 0;
    moneyDelta = 0;
    patientDelta = 0;
    trustDelta = 0;
    rivalDelta = 0;
    suspicionDelta = 0;
    // A fresh record: the 24 changes start from 0 and the event's own are filled in.
    eventData = LoadEventData(index);
}

void CEventDlg::DoDataExchange(DataExchange* pDX) {
    CDialog::DoDataExchange(pDX);
    DDX_Text(pDX, kPromptId, promptText);
}

bool CEventDlg::OnInitDialog() {
    // "決定" is no default button; left automatic, Qt would make it one as the dialog shows.
    Item<QPushButton>(IDOK)->setAutoDefault(false);
    CDialog::OnInitDialog();
    UpdateData(true);
    promptText = QString::fromStdString(eventData.prompt);
    auto* answers = Item<ListBox>(kAnswerListId);
    answers->MakeRoomForFocusFrame(kMaxAnswers);
    for (const std::string& text : eventData.choiceTexts) {
        answers->addItem(QString::fromStdString(text));
    }
    answers->setCurrentRow(0);
    UpdateData(false);
    return true;
}

void CEventDlg::OnPaint() {
    DrawPicture(*this, kPictureId, eventData.bitmapId, QSize(kPictureSize, kPictureSize),
                QSize(eventData.pictureWidth, eventData.pictureHeight), PictureMode::Stretch);
}

void CEventDlg::OnDestroy() {
    CDialog::OnDestroy();
    selectedChoice = Item<QListWidget>(kAnswerListId)->currentRow();
    // Without an answer the turn gets the zero changes of the load.
    if (selectedChoice < 0 || selectedChoice >= static_cast<int>(eventData.choiceTexts.size())) {
        return;
    }
    const StatusChange change = ChangeOfChoice(eventData, selectedChoice);
    staminaDelta = change.stamina;
    moneyDelta = change.money;
    patientDelta = change.patients;
    trustDelta = change.trust;
    rivalDelta = change.rivalPower;
    suspicionDelta = change.suspicion;
    MessageBox(MainWindow(), QString::fromStdString(eventData.resultTexts[selectedChoice]),
               LoadResourceString(IDS_RESULT_CAPTION), MB_OK);
}

}  // namespace zormade
