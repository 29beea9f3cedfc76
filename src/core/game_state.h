// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>

#include "core/rules.h"
#include "core/status_change.h"

namespace zormade {

// Everything a month changes. The command values are not here: each turn reads them from the
// sliders.
struct GameState {
    int year = rules::kFirstYear;
    int month = 1;
    StatusValues values = rules::kStartValues;
    double levelFactor = rules::kLevelFactorHard;
    bool caught = false;  // the next tick ends the run in a capture
    std::array<int, rules::kDoseHistoryLength> doseHistory{};  // element 0 is the latest turn
};

// The start state of a run; leaves levelFactor alone, since only a start sets it.
void ResetState(GameState& state);

}  // namespace zormade
