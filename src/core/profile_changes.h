// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "core/game_options.h"

namespace zormade {

class ProfileStore;

struct RankingEntry {
    std::string name;
    std::uint32_t points = 0;
};

// What one run of the program adds to the profile: its new ranking entries, in the order they
// were made, and its options when the player changed them. `unsure` are entries an earlier save
// wrote without the lock, which another copy may have written over since.
struct ProfileChanges {
    std::vector<RankingEntry> entries;
    std::optional<GameOptions> options;
    std::vector<RankingEntry> unsure;
};

// Puts the changes into the profile as it is now, which another copy of the game may have
// changed meanwhile: each entry goes into the stored table by the usual place rule (an unsure
// one only when the table no longer holds it, before the new ones), and the
// stored options stay unless this run changed its own. All thirteen keys are written.
void ApplyChanges(ProfileStore& profile, const ProfileChanges& changes);

}  // namespace zormade
