// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <functional>
#include <string>

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

struct MonthResult {
    std::array<std::string, 6> log;
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
