// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <tuple>

#include "core/profile_number.h"
#include "core/ranking_table.h"

namespace zormade {
namespace {

using Points = std::array<std::uint32_t, 5>;

TEST(RankingTable, FindPlaceLetsEqualScoresInAboveAndDoesNotSort) {
    const Points defaults = RankingTable().points;
    // clang-format off
    const struct { Points points; std::uint32_t score; int place; } cases[] = {
        {defaults, 1570, 0}, {defaults, 1569, 1}, {defaults, 820, 2}, {defaults, 450, 4},
        {defaults, 449, RankingTable::kNoPlace}, {{100, 500, 400, 300, 200}, 150, 0},
        {{5, 4, 3, 2, 0}, 0, 4}, {{4000000000u, 3000000000u, 3, 2, 1}, 3500000000u, 1},
    };
    // clang-format on
    for (const auto& c : cases)
        EXPECT_EQ(RankingTable{c.points}.FindPlace(c.score), c.place) << c.score;
}

TEST(ProfileNumber, AcceptsSignedAndUnsignedThirtyTwoBitDecimalsOnly) {
    // clang-format off
    const struct { const char* text; std::optional<int> expected; } cases[] = {
        {"0",
         0}, {"-1", -1}, {"+5", 5}, {"2147483647", 2147483647}, {"-2147483648", -2147483647 - 1},
        {"4294967295",
         -1}, {"4294967296", std::nullopt}, {"-2147483649", std::nullopt}, {"", std::nullopt},
        {"-", std::nullopt}, {"1e3", std::nullopt}, {"0x10", std::nullopt}, {"１２", std::nullopt},
    };
    // clang-format on
    for (const auto& c : cases) EXPECT_EQ(ParseProfileInt(c.text), c.expected) << c.text;
}

}  // namespace
}  // namespace zormade
