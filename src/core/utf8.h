// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace zormade {

// The length of the well-formed UTF-8 character that starts at `i` (no overlong form, no
// surrogate), with its code in `code`; 0 when none starts there.
std::size_t Utf8Character(std::string_view text, std::size_t i, std::uint32_t& code);

bool IsUtf8(std::string_view text);

void AppendUtf8(std::string& out, std::uint32_t code);

}  // namespace zormade
