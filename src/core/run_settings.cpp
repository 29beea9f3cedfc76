// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/run_settings.h"

namespace zormade {

int TimerPeriodFor(Speed speed) {
    switch (speed) {
    case Speed::Fastest: return 3000;
    case Speed::Fast: return 5000;
    default: return 7000;
    }
}

double LevelFactorFor(Level level) {
    switch (level) {
    case Level::Hardest: return 1.5;
    case Level::Normal: return 0.5;
    default: return 1.0;
    }
}

std::uint32_t ClearScore(int patients, int money) {
    const double score = patients * 0.88 + money / 7578;
    if (score < 0.0) return 0;
    return static_cast<std::uint32_t>(score);
}

std::string ScoreLine(std::uint32_t score) {
    return "POINT:" + std::to_string(score) + "\r\n「わはははは！！」";
}

}  // namespace zormade
