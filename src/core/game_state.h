// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>

namespace zormade {

// Everything a month changes. The command values are not here: each turn reads them from the
// sliders.
struct GameState {
    int year = 1991;
    int month = 1;
    int stamina = 5000;
    int money = 1500000;
    int patients = 0;
    int trust = 1800;
    int rivalPower = 200;
    int suspicion = 400;
    double levelFactor = 1.0;
    bool caught = false;               // the next tick ends the run in a capture
    std::array<int, 5> doseHistory{};  // element 0 is the latest turn
};

// The start state of a run; leaves levelFactor alone, since only a start sets it.
void ResetState(GameState& state);

}  // namespace zormade
