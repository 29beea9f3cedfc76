// SPDX-License-Identifier: GPL-3.0-or-later
// Feeds arbitrary bytes to the replay tool's script reader: first as one line, then as a script.
#include <cstdint>
#include <cstdlib>
#include <sstream>
#include <string>
#include <string_view>

#include "replay_runner.h"
#include "replay_script.h"

namespace {

using namespace zormade::replay;

bool InRange(int value, int low, int high) { return value >= low && value <= high; }

// A turn the reader accepts must be one the game can play.
void CheckLine(std::string_view line) {
    const ScriptLine parsed = ParseScriptLine(line);
    if (const auto* turn = std::get_if<TurnDirective>(&parsed)) {
        const bool valid =
            InRange(turn->sliders.dose, 0, 25) && InRange(turn->sliders.donation, 0, 25) &&
            InRange(turn->sliders.demand, 0, 25) && InRange(turn->sliders.counter, 0, 25) &&
            InRange(turn->firstDraw, 0, 2) && InRange(turn->secondDraw, 0, 2) &&
            InRange(turn->answer, 1, 4);
        if (!valid) std::abort();
    }
    if (const auto* error = std::get_if<ScriptError>(&parsed)) {
        if (error->line != 0) std::abort();
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    CheckLine(text);

    std::istringstream script(text);
    std::ostringstream out;
    std::vector<zormade::replay::ScriptError> errors;
    const auto report = [&errors](const zormade::replay::ScriptError& e) { errors.push_back(e); };
    const int status = RunScript(
        script, out, report, [](const zormade::MonthLog&) { return std::array<std::string, 6>{}; });
    // The exit status and the report agree: 0 says nothing, 2 names a line.
    if (status == 0 && !errors.empty()) std::abort();
    if (status == 2 && (errors.size() != 1 || errors[0].line < 1)) std::abort();
    if (status != 0 && status != 2) std::abort();
    return 0;
}
