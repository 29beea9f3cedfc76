// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <functional>
#include <istream>
#include <ostream>
#include <string>

#include "core/monthly_turn.h"
#include "replay_script.h"

namespace zormade::replay {

// The six log lines of a month in words, UTF-8: the engine gives only what happened.
using MonthLogWriter = std::function<std::array<std::string, 6>(const MonthLog&)>;

// An event's prompt, and the text and result of the answer taken, UTF-8.
struct EventWords {
    std::string prompt;
    std::string answer;
    std::string result;
};
using EventWordsWriter = std::function<EventWords(int event, int answer)>;
// The catalogue's own words.
EventWords CatalogueWords(int event, int answer);

// Told of what stopped the script, to put it into words.
using ScriptErrorReport = std::function<void(const ScriptError&)>;

// Plays a script through the game's core and prints each tick. Returns the exit status:
// 0; 1 when `out` could not be written; 2 after the first bad line or a failed read. Each is
// reported once; output lost after a bad line is reported too. With `history`, each run's months
// follow as CSV when it ends, or when the script ends with it still going.
int RunScript(std::istream& script, std::ostream& out, const ScriptErrorReport& report,
              const MonthLogWriter& logText, bool history = false,
              const EventWordsWriter& eventWords = CatalogueWords);

}  // namespace zormade::replay
