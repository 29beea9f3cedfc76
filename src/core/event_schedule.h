// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>

namespace zormade {

// The event a month holds for the first draw (0 to 2), if the month holds one.
std::optional<int> ScheduledEvent(int year, int month, int firstDraw);

}  // namespace zormade
