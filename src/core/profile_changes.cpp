// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/profile_changes.h"

#include <array>

#include "core/ranking_table.h"

namespace zormade {

void ApplyChanges(ProfileStore& profile, const ProfileChanges& changes) {
    RankingTable table;
    table.Load(profile);
    // Each row of the table stands for one entry at most: the same name and points may be two.
    std::array<bool, RankingTable::kPlaces> held{};
    std::vector<RankingEntry> missing;
    for (const RankingEntry& entry : changes.unsure) {
        int row = 0;
        while (row < RankingTable::kPlaces &&
               (held[row] || table.names[row] != entry.name || table.points[row] != entry.points))
            ++row;
        if (row < RankingTable::kPlaces) {
            held[row] = true;
        } else {
            missing.push_back(entry);
        }
    }
    missing.insert(missing.end(), changes.entries.begin(), changes.entries.end());
    for (const RankingEntry& entry : missing) {
        table.InsertAt(table.FindPlace(entry.points), entry.name, entry.points);
    }
    table.Save(profile);
    GameOptions options;
    options.Load(profile);
    options = changes.options.value_or(options);
    options.Save(profile);
}

}  // namespace zormade
