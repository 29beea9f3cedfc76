// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>

namespace zormade {

// What a user typed, as a message on a terminal shows it: control characters (C0 and C1),
// characters that show nothing or change the direction (U+200B, U+202E, U+2028, U+FEFF ...) and
// bytes that are no UTF-8 as \xHH for each byte, at most 80 characters (a byte that is no UTF-8
// counts as one).
std::string TerminalEcho(std::string_view text);

}  // namespace zormade
