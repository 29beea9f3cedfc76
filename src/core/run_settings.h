// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <string>

namespace zormade {

// What the options select at the start of a game. A value outside 0 to 2 (a hand-edited profile,
// or OK with no choice ticked) plays at factor 1.0 and at the slowest pace, 7000 ms.
int TimerPeriodFor(int speed);
double LevelFactorFor(int level);

// A clear's points. A run that ends with fewer than no patients scores 0 rather than wrapping.
std::uint32_t ClearScore(int patients, int money);

// "POINT:<score>", CR LF, then the laugh.
std::string ScoreLine(std::uint32_t score);

}  // namespace zormade
