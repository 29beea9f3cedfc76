// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "core/random15.h"
#include "core/run_settings.h"

namespace zormade {
namespace {

TEST(ThreeWayDraw, BoundariesFallWhereTheGameAlwaysPutThem) {
    const std::pair<int, int> cases[] = {
        {0, 0},      {1, 0},      {10921, 0}, {10922, 2}, {10923, 1},
        {21843, 1},  {21844, 2},  {32766, 2}, {32767, 0},
    };
    for (const auto& [r, expected] : cases) EXPECT_EQ(ThreeWayOf(r), expected) << "r = " << r;
}

TEST(Random15, GivesTheClassicFifteenBitSequence) {
    Random15 random(1);
    EXPECT_EQ(random.Next(), 41);
    EXPECT_EQ(random.Next(), 18467);
    EXPECT_EQ(random.Next(), 6334);
}

// A value outside 0 to 2 plays at factor 1.0, which is level 1's, but at speed 2's pace.
TEST(RunSettings, EachLevelAndSpeedAndAnyOtherValue) {
    const struct { int value, period; double factor; } cases[] = {
        {0, 3000, 1.5}, {1, 5000, 1.0}, {2, 7000, 0.5}, {-1, 7000, 1.0}, {3, 7000, 1.0}, {7, 7000, 1.0},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(std::make_pair(TimerPeriodFor(Speed{c.value}), LevelFactorFor(Level{c.value})), std::make_pair(c.period, c.factor))
            << c.value;
    }
}

TEST(ClearScore, TakesTheIntegerQuotientFirstAndNeverWrapsBelowZero) {
    EXPECT_EQ(ClearScore(10000, 1500000), 8997u);
    EXPECT_EQ(ClearScore(0, 7577), 0u);
    EXPECT_EQ(ClearScore(0, 7578), 1u);
    EXPECT_EQ(ClearScore(1, 7577), 0u);    // 0.88 + 0
    EXPECT_EQ(ClearScore(2, 15156), 3u);   // 1.76 + 2
    EXPECT_EQ(ClearScore(-150, 0), 0u);
    EXPECT_EQ(ClearScore(-150, 1000000), 0u);  // -132 + 131
    EXPECT_EQ(ClearScore(-100, 1000000), 43u);  // -88 + 131
    EXPECT_EQ(ScoreLine(8997), "POINT:8997\r\n「わはははは！！」");
}

}  // namespace
}  // namespace zormade
