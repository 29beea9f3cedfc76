// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace zormade {

class ProfileStore;

// How hard costs and harms hit. A profile may hold any other number, which is kept as it is.
enum class Level : int { Hardest = 0, Hard = 1, Normal = 2 };
// How fast the months pass; any other number is kept too.
enum class Speed : int { Fastest = 0, Fast = 1, Normal = 2 };

// skipOpening: nonzero leaves the title picture out; only 1 ticks the option's box.
struct GameOptions {
    Level level = Level::Normal;
    Speed speed = Speed::Normal;
    int skipOpening = 0;

    void Load(ProfileStore& profile);
    void Save(ProfileStore& profile) const;

    bool operator==(const GameOptions& other) const {
        return level == other.level && speed == other.speed && skipOpening == other.skipOpening;
    }
    bool operator!=(const GameOptions& other) const { return !(*this == other); }
};

}  // namespace zormade
