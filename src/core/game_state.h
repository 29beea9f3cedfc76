// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>

namespace zormade {

// Everything a run changes. The command values are not here: each turn reads them from the sliders.
struct GameState {
    int year = 1991;
    int month = 1;
    int stamina = 5000;
    int money = 1500000;
    int patients = 0;
    int trust = 1800;
    int rivalPower = 200;
    int suspicion = 400;
    int paused = 0;
    int stopEnabled = 0;
    int startEnabled = 1;
    int pauseEnabled = 0;
    int optionsEnabled = 1;
    int rankingEnabled = 1;
    double levelFactor = 1.0;
    int caught = 0;
    std::array<int, 5> doseHistory{};  // element 0 is the latest turn
    int timerPeriod = 7000;
};

// The start state of a run; leaves levelFactor and timerPeriod alone, since only a start sets them.
void ResetState(GameState& state);

// The command flags of a running game.
void MarkRunning(GameState& state);

}  // namespace zormade
