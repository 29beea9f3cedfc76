// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>
#include <variant>
#include <vector>

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
// What stopped a script; the caller puts it into words.
enum class ScriptFault {
    UnknownDirective,     // the directive
    StartTakesNoValues,   // the values given
    LevelTakesOneValue,   // the values given
    TurnTakesSixOrSeven,  // the values given
    NotANumber,           // the value's name, what stands there
    OutOfRange,           // the value's name, what stands there, the lowest and the highest
    LineTooLong,          // the longest line read
    NoRunGoing,           // nothing
    Unreadable,           // nothing: the script could not be read
    OutputLost,           // nothing: the output could not be written
};
struct ScriptError {
    ScriptFault fault;
    std::vector<std::string> details;  // what the fault names, typed text as TerminalEcho shows it
    long line = 0;                     // 0 when the fault is not one line's
};

using ScriptLine =
    std::variant<NoDirective, LevelDirective, StartDirective, TurnDirective, ScriptError>;

ScriptLine ParseScriptLine(std::string_view line);

}  // namespace zormade::replay
