// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/game_options.h"

#include "core/profile_store.h"

namespace zormade {
namespace {
constexpr const char* kSection = "Option";
}

void GameOptions::Load(ProfileStore& profile) {
    const GameOptions defaults;
    level = profile.GetProfileInt(kSection, "Level", defaults.level);
    speed = profile.GetProfileInt(kSection, "Speed", defaults.speed);
    skipOpening = profile.GetProfileInt(kSection, "Opening", defaults.skipOpening);
}

void GameOptions::Save(ProfileStore& profile) const {
    profile.WriteProfileInt(kSection, "Level", level);
    profile.WriteProfileInt(kSection, "Speed", speed);
    profile.WriteProfileInt(kSection, "Opening", skipOpening);
}

}  // namespace zormade
