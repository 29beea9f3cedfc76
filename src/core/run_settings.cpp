// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/run_settings.h"

#include "core/rules.h"

namespace zormade {

int TimerPeriodFor(Speed speed) {
    switch (speed) {
    case Speed::Fastest: return rules::kTurnPeriodFastest;
    case Speed::Fast: return rules::kTurnPeriodFast;
    default: return rules::kTurnPeriodNormal;
    }
}

double LevelFactorFor(Level level) {
    switch (level) {
    case Level::Hardest: return rules::kLevelFactorHardest;
    case Level::Normal: return rules::kLevelFactorNormal;
    default: return rules::kLevelFactorHard;
    }
}

std::uint32_t ClearScore(int patients, int money) {
    const double score = patients * rules::kPointsPerPatient + money / rules::kYenPerPoint;
    if (score < 0.0) return 0;
    return static_cast<std::uint32_t>(score);
}

}  // namespace zormade
