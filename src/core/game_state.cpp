// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/game_state.h"

namespace zormade {

void ResetState(GameState& state) {
    const double levelFactor = state.levelFactor;
    state = GameState{};
    state.levelFactor = levelFactor;
}

}  // namespace zormade
