// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <functional>

#include "core/game_state.h"
#include "core/status_change.h"

namespace zormade {

struct Sliders {
    int dose = 0;
    int donation = 0;
    int demand = 0;
    int counter = 0;
};

// How a run stands: going, or how it ended.
enum class RunOutcome { Going, Capture, Clear, Stopped };

// Whether the tick about to run ends the run: a capture pending wins over the clear month.
RunOutcome DueRunEnd(const GameState& state);

// The limits a month's values went past; any one of them ends the run at the next tick.
struct LimitsCrossed {
    bool stamina = false;     // below 0
    bool rivalPower = false;  // above 5000
    bool suspicion = false;   // above 5000
};

// What one of the month's six log lines tells, in the panel's order of the six values.
enum class LogNote {
    Change,          // the value moved by `amount`, up or down
    MoneyGone,       // the money ran out
    DemandTooLarge,  // the company's trust was too low for the demand: it paid nothing
    NoNewPatients,   // no patient was added
};

struct LogLine {
    LogNote note = LogNote::Change;
    long long amount = 0;  // how far the value moved, never negative
    // Whether a change reads as a rise. A line whose value did not move reads as the line above
    // it did, the first as a rise.
    bool rise = true;
};

using MonthLog = std::array<LogLine, 6>;

struct MonthResult {
    MonthLog log;
    int eventShown = -1;  // index of the event put to the player, or -1
    LimitsCrossed crossed;
};

using DrawFn = std::function<int()>;               // one three-way draw, 0 to 2
using EventFn = std::function<StatusChange(int)>;  // shows an event, returns the answer's changes

// One month of the run: moves the six values, may show an event, clamps, flags a capture.
MonthResult RunMonthlyUpdate(GameState& state, const Sliders& sliders, const DrawFn& draw,
                             const EventFn& showEvent);

// Adds an answer's changes: a loss of stamina and a gain of rival power or suspicion hurt more
// at the harder levels.
void ApplyAnswer(StatusValues& values, const StatusChange& answer, double levelFactor);

void AdvanceDate(GameState& state);

}  // namespace zormade
