// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string_view>

namespace zormade {

// Reads a stored integer: optional blanks and sign, then decimal digits and nothing else.
// Values from INT_MIN up to 4294967295 are taken, the unsigned ones wrapping into int as the
// points of the ranking do; anything else is no number.
std::optional<int> ParseProfileInt(std::string_view text);

}  // namespace zormade
