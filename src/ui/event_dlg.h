// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include "core/event_data.h"
#include "platform/cdialog.h"

namespace zormade {

// Puts one scripted event to the player: its picture, its prompt and four answers. The answer
// taken and its changes are read from the fields once the modal run has returned.
class CEventDlg : public CDialog {
    Q_OBJECT
public:
    static constexpr int kTemplateId = 134;
    static constexpr int kAnswerListId = 1026;
    static constexpr int kPromptId = 1027;
    static constexpr int kPictureId = 1040;
    static constexpr int kPictureSize = 330;

    explicit CEventDlg(QWidget* parent = nullptr);

    // index 0 to 41. Nothing an earlier load or run left behind survives it.
    void LoadEvent(int index);

    int selectedChoice = -1;
    int staminaDelta = 0;
    int moneyDelta = 0;
    int patientDelta = 0;
    int trustDelta = 0;
    int rivalDelta = 0;
    int suspicionDelta = 0;
    EventData eventData;
    QString promptText;

protected:
    void DoDataExchange(DataExchange* pDX) override;
    bool OnInitDialog() override;
    void OnPaint() override;
    // Takes the selected answer and shows its result, before the modal run returns to the turn.
    void OnDestroy() override;
};

}  // namespace zormade
