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

}  // namespace zormade::replay
