// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace zormade {

class ProfileStore;

// level and speed: 0 hardest/fastest to 2; skipOpening: nonzero leaves the title picture out.
struct GameOptions {
    int level = 2;
    int speed = 2;
    int skipOpening = 0;

    void Load(ProfileStore& profile);
    void Save(ProfileStore& profile) const;

    bool operator==(const GameOptions& other) const {
        return level == other.level && speed == other.speed && skipOpening == other.skipOpening;
    }
    bool operator!=(const GameOptions& other) const { return !(*this == other); }
};

}  // namespace zormade
