// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/ranking_table.h"

#include "core/profile_store.h"

namespace zormade {
namespace {

constexpr const char* kSection = "Ranking";

std::string NameKey(int place) { return "Playername" + std::to_string(place); }
std::string PointsKey(int place) { return "Player" + std::to_string(place); }

}  // namespace

void RankingTable::Load(ProfileStore& profile) {
    const RankingTable defaults;
    for (int i = 0; i < kPlaces; ++i) {
        names[i] = profile.GetProfileString(kSection, NameKey(i), defaults.names[i]);
    }
    for (int i = 0; i < kPlaces; ++i) {
        points[i] = static_cast<std::uint32_t>(
            profile.GetProfileInt(kSection, PointsKey(i), static_cast<int>(defaults.points[i])));
    }
}

void RankingTable::Save(ProfileStore& profile) const {
    for (int i = 0; i < kPlaces; ++i) profile.WriteProfileString(kSection, NameKey(i), names[i]);
    for (int i = 0; i < kPlaces; ++i) profile.WriteProfileInt(kSection, PointsKey(i), points[i]);
}

int RankingTable::FindPlace(std::uint32_t score) const {
    for (int i = 0; i < kPlaces; ++i) {
        if (points[i] <= score) return i;
    }
    return kNoPlace;
}

void RankingTable::InsertAt(int place, const std::string& name, std::uint32_t score) {
    if (place < 0 || place >= kPlaces) return;
    for (int j = kPlaces - 2; j >= place; --j) {
        names[j + 1] = names[j];
        points[j + 1] = points[j];
    }
    names[place] = name.empty() ? "ZORMADER" : name;
    points[place] = score;
}

}  // namespace zormade
