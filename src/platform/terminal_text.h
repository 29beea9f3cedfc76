// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

#include "platform/text_ids.h"

namespace zormade {

// A message of the string table for a terminal, UTF-8 in the chosen language, ending in a line
// end: %1 is the program's name, %2 on what the user typed, each shown as TerminalEcho shows it.
std::string TerminalText(TextId id, std::string_view program,
                         std::initializer_list<std::string_view> typed = {});

// A message of the string table with %1, %2 ... filled in one pass from `values`, UTF-8 in the
// chosen language: for values already safe on a terminal.
std::string FilledText(TextId id, const std::vector<std::string>& values);

// The refusal of an argument neither the program nor Qt knows: an option when it starts with '-'.
std::string BadArgumentText(std::string_view program, std::string_view argument);

}  // namespace zormade
