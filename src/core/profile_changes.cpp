// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/profile_changes.h"

#include "core/ranking_table.h"

namespace zormade {

void ApplyChanges(ProfileStore& profile, const ProfileChanges& changes) {
    RankingTable table;
    table.Load(profile);
    for (const RankingEntry& entry : changes.entries) {
        table.InsertAt(table.FindPlace(entry.points), entry.name, entry.points);
    }
    table.Save(profile);
    GameOptions options;
    options.Load(profile);
    options = changes.options.value_or(options);
    options.Save(profile);
}

}  // namespace zormade
