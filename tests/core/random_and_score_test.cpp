// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <tuple>

#include "core/random15.h"
#include "core/run_settings.h"

namespace zormade {
namespace {

TEST(ThreeWayDraw, BoundariesFallWhereTheGameAlwaysPutThem) {
    // clang-format off
    const std::pair<int, int> cases[] = {
        {0, 0}, {1, 0}, {10921, 0}, {10922, 2}, {10923, 1}, {21843, 1}, {21844, 2}, {32766, 2},
        {32767, 0},
    };
    // clang-format on
    for (const auto& [r, expected] : cases) EXPECT_EQ(ThreeWayOf(r), expected) << "r = " << r;
}

TEST(Random15, GivesTheClassicFifteenBitSequence) {
    Random15 random(1);
    const int first = random.Next(), second = random.Next(), third = random.Next();
    EXPECT_EQ(std::make_tuple(first, second, third), std::make_tuple(41, 18467, 6334));
}

TEST(ClearScore, TakesTheIntegerQuotientFirstAndNeverWrapsBelowZero) {
    // 1 patient is 0.88, 2 are 1.76; -150 are -132 and -100 are -88 beside 1000000 yen's 131.
    // clang-format off
    const std::tuple<int, int, unsigned> cases[] = {{10000, 1500000, 8997}, {0, 7577, 0},
        {0, 7578, 1}, {1, 7577, 0}, {2, 15156, 3}, {-150, 0, 0}, {-150, 1000000, 0},
        {-100, 1000000, 43}};
    // clang-format on
    for (const auto& [patients, money, score] : cases)
        EXPECT_EQ(ClearScore(patients, money), score) << patients;
}

}  // namespace
}  // namespace zormade
