// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <sstream>
#include <tuple>
#include <vector>

#include "replay_runner.h"

namespace zormade::replay {
namespace {

struct ReplayRun {
    int status;
    std::string out;
    std::vector<ScriptError> errors;
};

// What a report says, to compare: its line, its fault and what it names.
using Said = std::tuple<long, ScriptFault, std::vector<std::string>>;
Said SaidOf(const ScriptError& e) { return {e.line, e.fault, e.details}; }

// The words are the game's; here a line is its amount and direction.
std::array<std::string, 6> NumbersOnly(const MonthLog& log) {
    std::array<std::string, 6> lines;
    for (std::size_t i = 0; i < log.size(); ++i) {
        lines[i] = std::to_string(log[i].amount) + (log[i].rise ? "+" : "-");
    }
    return lines;
}

ReplayRun Replay(const std::string& script, bool history = false) {
    std::istringstream in(script);
    std::ostringstream out;
    std::vector<ScriptError> errors;
    const auto report = [&errors](const ScriptError& e) { errors.push_back(e); };
    const int status = RunScript(in, out, report, NumbersOnly, history);
    return {status, out.str(), errors};
}

std::vector<std::string> Lines(const std::string& text) {
    std::istringstream in(text);
    std::vector<std::string> lines;
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
}

// The numbers are the golden replay's; here only the shape of what a month prints.
TEST(Replay, AMonthPrintsItsNumbersThenItsEventThenItsSixLogLines) {
    const ReplayRun run = Replay(
        "level 1\nturn 0 0 0 0 0 0\nturn 0 0 0 0 0 0\nturn 0 0 0 0 0 0\n"
        "turn 0 0 0 0 2 2 4\n");
    ASSERT_EQ(run.status, 0);
    ASSERT_TRUE(run.errors.empty());
    std::vector<std::string> shape;
    for (int month = 1; month <= 4; ++month) {
        shape.push_back("1991/0" + std::to_string(month) + " ");
        if (month == 4) shape.insert(shape.end(), {"  ? ", "  > ４．", "  = "});
        shape.insert(shape.end(), 6, "  | ");
    }
    const std::vector<std::string> lines = Lines(run.out);
    ASSERT_EQ(lines.size(), shape.size()) << run.out;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        EXPECT_EQ(lines[i].rfind(shape[i], 0), 0u) << i << ": " << lines[i];
        EXPECT_EQ(lines[i].find('\r'), std::string::npos) << i;
    }
}

TEST(Replay, CommentsBlankLinesAndCrLfAreIgnoredAndLevelWaitsForTheStart) {
    const ReplayRun plain = Replay("turn 10 0 0 0 0 0\n");
    const ReplayRun run =
        Replay("# a comment\r\n\r\n   \n  # indented\nstart\nlevel 0\nturn 10 0 0 0 0 0\r\n");
    // The run started at the default level, before the level line; an error would cut the turn.
    EXPECT_TRUE(run.errors.empty());
    EXPECT_EQ(run.out, plain.out);
    EXPECT_EQ(Replay("turn 10 0 0 0 0 0").out, plain.out) << "no end on the last line";
    EXPECT_NE(Replay("level 0\nstart\nturn 10 0 0 0 0 0\n").out, plain.out);
}

TEST(Replay, BadLinesNameTheirLineAndStopWithStatusTwo) {
    std::string eighty;
    for (int i = 0; i < 80; ++i) eighty += "\\x80";
    // Clears and new starts are the golden replay's; a capture needs a start before the next turn.
    std::string capture = "level 0\n";
    for (int i = 0; i < 40; ++i) capture += "turn 25 0 0 25 0 0\n";
    using F = ScriptFault;
    // clang-format off
    const struct {
        std::string script;
        long line;
        ScriptFault fault;
        std::vector<std::string> named;
    } cases[] = {
        {"jump 1\n", 1, F::UnknownDirective, {"jump"}},
        {"turn 1 2 3\n", 1, F::TurnTakesSixOrSeven, {"3"}},
        {"turn 1 2 3 4 0 0 1 9\n", 1, F::TurnTakesSixOrSeven, {"8"}},
        {"\nturn 1 x 3 4 0 0\n", 2, F::NotANumber, {"donation", "x"}},
        {"turn 26 0 0 0 0 0\n", 1, F::OutOfRange, {"dose", "26", "0", "25"}},
        {"turn 0 0 0 0 3 0\n", 1, F::OutOfRange, {"first draw", "3", "0", "2"}},
        {"turn 0 0 0 0 0 0 5\n", 1, F::OutOfRange, {"answer", "5", "1", "4"}},
        {"level 99999999999\n", 1, F::OutOfRange,
         {"level", "99999999999", "-2147483648", "2147483647"}},
        {"level\n", 1, F::LevelTakesOneValue, {"0"}},
        {"start now\n", 1, F::StartTakesNoValues, {"1"}},
        {"turn 0 0 0 0 0 0\nturn 1.5 0 0 0 0 0\n", 2, F::NotANumber, {"dose", "1.5"}},
        {"turn +-5 0 0 0 0 0\n", 1, F::NotANumber, {"dose", "+-5"}},
        {"turn 0 0 - 0 0 0\n", 1, F::NotANumber, {"demand", "-"}},
        {"turn 0 0 0 99999999999999999999 0 0\n", 1, F::OutOfRange,
         {"counter", "99999999999999999999", "0", "25"}},
        {"start\rturn 0 0 0 0 0 0\rjump\r", 3, F::UnknownDirective, {"jump"}},
        {"jump\x1b[2J\x7f\n", 1, F::UnknownDirective, {"jump\\x1b[2J\\x7f"}},
        // C1 controls, raw or as UTF-8, and bytes that are no UTF-8 never reach a terminal raw.
        {"jump\x9b" "2J\xc2\x9b" "2J\n", 1, F::UnknownDirective, {"jump\\x9b2J\\xc2\\x9b2J"}},
        {"turn \xff\xe3\x81 0 0 0 0 0\n", 1, F::NotANumber, {"dose", "\\xff\\xe3\\x81"}},
        // Characters that show nothing or turn the line's direction are no less hidden.
        {"ju\u202Emp\u2028x\u200B\uFEFF\u00AD\n", 1, F::UnknownDirective,
         {"ju\\xe2\\x80\\xaemp\\xe2\\x80\\xa8x"
          "\\xe2\\x80\\x8b\\xef\\xbb\\xbf\\xc2\\xad"}},
        {"é名\n", 1, F::UnknownDirective, {"é名"}},
        {std::string(200, 'x') + "\n", 1, F::UnknownDirective, {std::string(80, 'x') + "..."}},
        // Each byte that is no UTF-8 counts as a character.
        {std::string(65000, '\x80') + "\n", 1, F::UnknownDirective, {eighty + "..."}},
        {"start\n" + std::string(100000, '\0'), 2, F::LineTooLong, {"65536"}},
        {capture, 24, F::NoRunGoing, {}},
    };
    // clang-format on
    for (const auto& c : cases) {
        const ReplayRun run = Replay(c.script);
        EXPECT_EQ(run.status, 2) << c.script;
        ASSERT_EQ(run.errors.size(), 1u) << c.script;
        EXPECT_EQ(SaidOf(run.errors[0]), Said(c.line, c.fault, c.named)) << c.script;
    }
    EXPECT_EQ(Lines(Replay("turn 0 0 0 0 0 0\nbad\n").out).size(), 7u) << "months before stay";
    EXPECT_NE(Replay(capture).out.find(" END GAMEOVER\n"), std::string::npos);
}

TEST(Replay, AnOutputThatCannotBeWrittenEndsWithStatusOne) {
    std::istringstream in("turn 0 0 0 0 0 0\nturn 0 0 0 0 0 0\n");
    std::ostream unwritable(nullptr);
    std::vector<ScriptFault> faults;
    const auto report = [&faults](const ScriptError& e) { faults.push_back(e.fault); };
    EXPECT_EQ(RunScript(in, unwritable, report, NumbersOnly), 1);
    EXPECT_EQ(faults, std::vector<ScriptFault>{ScriptFault::OutputLost});
}

// The run's history, as the replay prints it: the values after the clamps, the event and the
// answer of each month, for the last run only.
TEST(RunHistory, EachRunsMonthsFollowItsEndAsCsv) {
    // Level 0, full dose and counter; 1991/04 shows event 1 and takes answer 4. Stamina falls 225
    // a month in 1991 and 281.25 in 1992, so it runs out in the turn dated 1992/09.
    std::string script = "level 0\nstart\n";
    for (int i = 0; i < 22; ++i)
        script += i == 3 ? "turn 25 0 0 25 2 2 4\n" : "turn 25 0 0 25 0 0\n";
    const std::string header =
        "year,month,stamina,money,patients,trust,rival,suspicion,event,answer\n";
    const std::string plain = Replay(script).out;
    const std::string csv = Replay(script, true).out;
    ASSERT_EQ(csv.substr(0, plain.size()), plain) << "nothing else changes";
    const std::vector<std::string> lines = Lines(csv.substr(plain.size()));
    ASSERT_EQ(lines.size(), 22u);
    EXPECT_EQ(lines[0] + "\n", header);
    EXPECT_EQ(lines[1], "1991,1,4775,1475000,20,1825,127,525,,");
    // Four months of 25000 yen for the counter and the answer's 10000; the rival held at 0.
    EXPECT_EQ(lines[4], "1991,4,4100,1390000,68,1950,0,900,1,4");
    // The same dose five months running adds no patients; stamina stored at 0, not below.
    EXPECT_EQ(lines[21], "1992,9,0,965000,68,2600,0,4150,,");

    // A run cut off by a new start, then one still going when the script ends; log lines left out.
    const ReplayRun cut = Replay("turn 0 0 0 0 0 0\nstart\nturn 0 0 0 0 0 0\n", true);
    std::string shown;
    for (const std::string& row : Lines(cut.out)) shown += row.rfind("  | ", 0) ? row + "\n" : "";
    const std::string run = "1991/01 5000 1500000 0 1800 200 400 0 -\n" + header +
                            "1991,1,5000,1500000,0,1800,200,400,,\n";
    EXPECT_EQ(shown, run + run);
}

}  // namespace
}  // namespace zormade::replay
