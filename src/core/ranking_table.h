// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cstdint>
#include <string>

namespace zormade {

class ProfileStore;

// The five best clears, best first. Loading takes the stored order as it is.
struct RankingTable {
    static constexpr int kPlaces = 5;
    static constexpr int kNoPlace = 5;

    std::array<std::uint32_t, kPlaces> points{1570, 1300, 820, 610, 450};
    std::array<std::string, kPlaces> names{"ZORMASTER", "??????", "??????", "??????", "??????"};

    void Load(ProfileStore& profile);
    void Save(ProfileStore& profile) const;

    // The first place whose points are not greater than the score, or kNoPlace.
    int FindPlace(std::uint32_t score) const;
    // Moves the places from `place` down by one; an empty name becomes "ZORMADER".
    void InsertAt(int place, const std::string& name, std::uint32_t score);
};

}  // namespace zormade
