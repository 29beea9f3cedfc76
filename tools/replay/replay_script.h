// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>
#include <variant>

#include "core/monthly_turn.h"

namespace zormade::replay {

struct LevelDirective {
    int level;
};
struct StartDirective {};
struct TurnDirective {
    Sliders sliders;
    int firstDraw;
    int secondDraw;
    int answer;  // 1 to 4
};
struct NoDirective {};  // a blank line or a comment
struct ScriptError {
    std::string message;
};

using ScriptLine =
    std::variant<NoDirective, LevelDirective, StartDirective, TurnDirective, ScriptError>;

ScriptLine ParseScriptLine(std::string_view line);

// Script text as an error message shows it: control characters (C0 and C1), characters that show
// nothing or change the direction (U+200B, U+202E, U+2028, U+FEFF ...) and bytes that are no
// UTF-8 as \xHH for each byte, at most 80 characters (a byte that is no UTF-8 counts as one).
std::string Echo(std::string_view text);

}  // namespace zormade::replay
