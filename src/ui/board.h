// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QSize>
#include <QWidget>

#include "core/game_state.h"
#include "core/monthly_turn.h"
#include "platform/template_controls.h"

class QListWidget;
class QProgressBar;
class QSlider;

namespace zormade {

class MultiLineEdit;

// The game board: the status panel, the four sliders and the log. It shows what the session
// tells it and gives the sliders as they stand.
class Board : public QWidget, public TemplateControls {
    Q_OBJECT
public:
    static constexpr int kTemplateId = 101;
    static constexpr ControlId<QProgressBar> kStaminaBar{1001};
    static constexpr ControlId<QProgressBar> kTrustBar{1002};
    static constexpr ControlId<QProgressBar> kRivalBar{1005};
    static constexpr ControlId<QProgressBar> kSuspicionBar{1006};
    static constexpr ControlId<MultiLineEdit> kMoneyEdit{1015};
    static constexpr ControlId<MultiLineEdit> kPatientsEdit{1016};
    static constexpr ControlId<MultiLineEdit> kMonthEdit{1017};
    static constexpr ControlId<MultiLineEdit> kYearEdit{1018};
    static constexpr ControlId<QSlider> kDoseSlider{1020};
    static constexpr ControlId<QSlider> kDonationSlider{1021};
    static constexpr ControlId<QSlider> kDemandSlider{1022};
    static constexpr ControlId<QSlider> kCounterSlider{1023};
    static constexpr ControlId<QListWidget> kLog{1026};
    // What the main window adds round the board: at the board's own face it is 555 x 544 in all.
    static constexpr QSize kFrameAround{555 - 538, 544 - 482};

    explicit Board(QWidget* parent = nullptr);

    // Builds the board, smaller where the window with `around` pixels round it would not fit
    // the screen; false when its template cannot be read.
    bool Build(QSize around);

    // Sliders at 0, bars over their range, an empty log: the controls of a run's start.
    void ResetControls();
    void ShowState(const GameState& state);
    // Puts the month's lines in the log and has a screen reader tell them.
    void ShowMonth(const MonthLog& log);
    void ClearLog();
    Sliders ChosenSliders() const;
};

}  // namespace zormade
