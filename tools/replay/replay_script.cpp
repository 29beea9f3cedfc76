// SPDX-License-Identifier: GPL-3.0-or-later
#include "replay_script.h"

#include <charconv>
#include <vector>

#include "core/terminal_echo.h"

namespace zormade::replay {
namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\v' || c == '\f'; }

std::vector<std::string_view> Fields(std::string_view line) {
    std::vector<std::string_view> fields;
    std::size_t i = 0;
    while (i < line.size()) {
        while (i < line.size() && IsBlank(line[i])) ++i;
        const std::size_t start = i;
        while (i < line.size() && !IsBlank(line[i])) ++i;
        if (i > start) fields.push_back(line.substr(start, i - start));
    }
    return fields;
}

enum class NumberRead { Number, NotANumber, TooLarge };

// Decimal digits with at most one sign in front.
NumberRead Number(std::string_view text, long long& value) {
    const char* first = text.data();
    const char* last = first + text.size();
    if (first != last && (*first == '+' || *first == '-')) ++first;
    if (first == last || *first < '0' || *first > '9') return NumberRead::NotANumber;
    // from_chars takes no '+' but a '-' of its own, so the sign was checked above.
    if (text.front() == '-') --first;
    const auto [end, error] = std::from_chars(first, last, value);
    if (end != last) return NumberRead::NotANumber;
    return error == std::errc::result_out_of_range ? NumberRead::TooLarge : NumberRead::Number;
}

struct Field {
    const char* name;
    long long low;
    long long high;
};

// Reads fields[1..] against their names and ranges; the first bad one gives the error.
std::variant<std::vector<int>, ScriptError> Values(const std::vector<std::string_view>& fields,
                                                   const std::vector<Field>& expected) {
    std::vector<int> values;
    for (std::size_t i = 0; i < expected.size() && i + 1 < fields.size(); ++i) {
        const std::string text = TerminalEcho(fields[i + 1]);
        long long value = 0;
        const NumberRead read = Number(fields[i + 1], value);
        if (read == NumberRead::NotANumber) {
            return ScriptError{ScriptFault::NotANumber, {expected[i].name, text}};
        }
        if (read == NumberRead::TooLarge || value < expected[i].low || value > expected[i].high) {
            return ScriptError{ScriptFault::OutOfRange,
                               {expected[i].name, text, std::to_string(expected[i].low),
                                std::to_string(expected[i].high)}};
        }
        values.push_back(static_cast<int>(value));
    }
    return values;
}

ScriptError WrongCount(ScriptFault fault, std::size_t got) {
    return ScriptError{fault, {std::to_string(got)}};
}

const std::vector<Field> kTurnFields = {
    {"dose", 0, 25},      {"donation", 0, 25},   {"demand", 0, 25}, {"counter", 0, 25},
    {"first draw", 0, 2}, {"second draw", 0, 2}, {"answer", 1, 4},
};

}  // namespace

ScriptLine ParseScriptLine(std::string_view line) {
    const std::vector<std::string_view> fields = Fields(line);
    if (fields.empty() || fields[0].front() == '#') return NoDirective{};
    const std::string_view directive = fields[0];
    const std::size_t argumentCount = fields.size() - 1;

    if (directive == "start") {
        if (argumentCount != 0) return WrongCount(ScriptFault::StartTakesNoValues, argumentCount);
        return StartDirective{};
    }
    if (directive == "level") {
        if (argumentCount != 1) return WrongCount(ScriptFault::LevelTakesOneValue, argumentCount);
        auto values = Values(fields, {{"level", -2147483648LL, 2147483647LL}});
        if (auto* error = std::get_if<ScriptError>(&values)) return *error;
        return LevelDirective{std::get<std::vector<int>>(values)[0]};
    }
    if (directive == "turn") {
        if (argumentCount != 6 && argumentCount != 7) {
            return WrongCount(ScriptFault::TurnTakesSixOrSeven, argumentCount);
        }
        auto values = Values(fields, kTurnFields);
        if (auto* error = std::get_if<ScriptError>(&values)) return *error;
        const std::vector<int>& v = std::get<std::vector<int>>(values);
        return TurnDirective{{v[0], v[1], v[2], v[3]}, v[4], v[5], argumentCount == 7 ? v[6] : 1};
    }
    return ScriptError{ScriptFault::UnknownDirective, {TerminalEcho(directive)}};
}

}  // namespace zormade::replay
