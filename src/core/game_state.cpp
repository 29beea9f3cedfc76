// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/game_state.h"

namespace zormade {

void ResetState(GameState& state) {
    state.year = 1991;
    state.month = 1;
    state.stamina = 5000;
    state.money = 1500000;
    state.patients = 0;
    state.trust = 1800;
    state.rivalPower = 200;
    state.suspicion = 400;
    state.paused = 0;
    state.startEnabled = 1;
    state.stopEnabled = 0;
    state.pauseEnabled = 0;
    state.rankingEnabled = 1;
    state.optionsEnabled = 1;
    state.caught = 0;
    state.doseHistory.fill(0);
}

void MarkRunning(GameState& state) {
    state.startEnabled = 0;
    state.stopEnabled = 1;
    state.pauseEnabled = 1;
    state.optionsEnabled = 0;
    state.rankingEnabled = 0;
}

}  // namespace zormade
