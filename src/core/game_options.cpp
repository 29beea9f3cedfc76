// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/game_options.h"

#include "core/profile_store.h"

namespace zormade {
namespace {
constexpr const char* kSection = "Option";
}

void GameOptions::Load(ProfileStore& profile) {
    const GameOptions defaults;
    level = static_cast<Level>(
        profile.GetProfileInt(kSection, "Level", static_cast<int>(defaults.level)));
    speed = static_cast<Speed>(
        profile.GetProfileInt(kSection, "Speed", static_cast<int>(defaults.speed)));
    skipOpening = profile.GetProfileInt(kSection, "Opening", defaults.skipOpening);
}

void GameOptions::Save(ProfileStore& profile) const {
    profile.WriteProfileInt(kSection, "Level", static_cast<int>(level));
    profile.WriteProfileInt(kSection, "Speed", static_cast<int>(speed));
    profile.WriteProfileInt(kSection, "Opening", skipOpening);
}

}  // namespace zormade
