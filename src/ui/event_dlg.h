// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include "platform/cdialog.h"

class QListWidget;
class QPushButton;

namespace zormade {

class ListBox;
class MultiLineEdit;
class PictureControl;

// Puts one scripted event to the player: its picture, its prompt and four answers, and gives
// back the answer taken.
class CEventDlg : public CDialog {
    Q_OBJECT
public:
    static constexpr int kTemplateId = 134;
    static constexpr ControlId<ListBox> kAnswerListId{1026};
    static constexpr ControlId<MultiLineEdit> kPromptId{1027};
    static constexpr ControlId<PictureControl> kPictureId{1040};
    static constexpr ControlId<QPushButton> kConfirmId{IDOK};
    static constexpr int kPictureSize = 330;

    explicit CEventDlg(QWidget* parent = nullptr);

    // index 0 to 41, before the dialog is shown.
    void LoadEvent(int index) { eventIndex_ = index; }
    // Runs the dialog: the answer selected as it closed, 0 to 3, or -1 when none was.
    int AskAnswer();

protected:
    void DoDataExchange(DataExchange* pDX) override;
    bool OnInitDialog() override;
    void OnPaint() override;
    // Takes the selected answer while the list is still there.
    void OnDestroy() override;

private:
    int eventIndex_ = 0;
    int answer_ = -1;
    QString promptText_;
};

}  // namespace zormade
