// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>

#include "core/game_options.h"

namespace zormade {

// What the options select at the start of a game. A level outside 0 to 2 plays at the factor of
// level 1; a speed outside 0 to 2 at the period of speed 2, the slowest.
int TimerPeriodFor(Speed speed);
double LevelFactorFor(Level level);

// A clear's points. A run that ends with fewer than no patients scores 0 rather than wrapping.
std::uint32_t ClearScore(int patients, int money);

}  // namespace zormade
