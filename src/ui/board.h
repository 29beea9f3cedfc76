// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QSize>
#include <QWidget>

#include "core/game_state.h"
#include "core/monthly_turn.h"
#include "platform/control_ids.h"
// The log is reached as the list it is.
#include "platform/list_box.h"
#include "platform/template_controls.h"

namespace zormade {

// The game board: the status panel, the four sliders and the log. It shows what the session
// tells it and gives the sliders as they stand.
class Board : public QWidget, public TemplateControls, public BoardIds {
    Q_OBJECT
public:
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
