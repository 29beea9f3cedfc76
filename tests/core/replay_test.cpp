#include <gtest/gtest.h>

#include <sstream>

#include "replay_runner.h"

namespace zormade::replay {
namespace {

struct ReplayRun {
    int status;
    std::string out;
    std::string err;
};

ReplayRun Replay(const std::string& script) {
    std::istringstream in(script);
    std::ostringstream out, err;
    const int status = RunScript(in, out, err);
    return {status, out.str(), err.str()};
}

std::string Lines(const std::string& text, int first, int count) {
    std::istringstream in(text);
    std::string line, result;
    for (int i = 0; std::getline(in, line); ++i) {
        if (i >= first && i < first + count) result += line + "\n";
    }
    return result;
}

TEST(Replay, PrintsTheTurnThenItsSixLogLines) {
    const ReplayRun run = Replay("level 2\nturn 10 0 0 0 0 0\n");
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.err, "");
    EXPECT_EQ(run.out,
              "1991/01 4992 1500000 8 1820 200 450 0 -\n"
              "  | 体力   －－＞8減少\n"
              "  | 所持金－－＞0減少\n"
              "  | 患者数－－＞8人増加\n"
              "  | ナガレ信頼－＞20増加\n"
              "  | 鵺田君－－＞0増加\n"
              "  | 厚生省疑惑＞50増加\n");
}

TEST(Replay, CommentsBlankLinesAndCrLfAreIgnoredAndLevelWaitsForTheStart) {
    const ReplayRun plain = Replay("turn 10 0 0 0 0 0\n");
    const ReplayRun run = Replay("# a comment\r\n\r\n   \n  # indented\nstart\nlevel 0\nturn 10 0 0 0 0 0\r\n");
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, plain.out);  // the run started at the default level, before the level line
    EXPECT_NE(Replay("level 0\nstart\nturn 10 0 0 0 0 0\n").out, plain.out);
}

TEST(Replay, AnEventPrintsItsTextsAndAppliesTheAnswer) {
    std::string script = "level 1\n";
    for (int i = 0; i < 3; ++i) script += "turn 0 0 0 0 0 0\n";
    script += "turn 0 0 0 0 2 2 4\n";  // 1991/04, first draw 2: event 1, answer 4
    const ReplayRun run = Replay(script);
    EXPECT_EQ(run.status, 0);
    const std::string fourth = Lines(run.out, 21, 4);
    EXPECT_EQ(fourth.substr(0, 42), "1991/04 5000 1490000 0 1850 200 400 0 1\n  ");
    EXPECT_NE(fourth.find("\n  ? "), std::string::npos);
    EXPECT_NE(fourth.find("\n  > ４．"), std::string::npos);
    EXPECT_NE(fourth.find("\n  = "), std::string::npos);
    EXPECT_EQ(fourth.find('\r'), std::string::npos);
}

TEST(Replay, RunsEndInCaptureOrClearAndNeedANewStart) {
    std::string capture;
    for (int i = 0; i < 40; ++i) capture += "turn 25 0 0 25 0 0\n";
    const ReplayRun caught = Replay("level 0\n" + capture);
    EXPECT_EQ(caught.status, 2);
    EXPECT_NE(caught.out.find(" END GAMEOVER\n"), std::string::npos);
    EXPECT_NE(caught.err.find("no run going"), std::string::npos);

    std::string clear = "start\n";
    for (int i = 0; i < 72; ++i) clear += "turn 1 0 1 0 0 0\n";
    clear += "start\nturn 0 0 0 0 0 0\n";
    const ReplayRun cleared = Replay(clear);
    EXPECT_EQ(cleared.status, 0) << cleared.err;
    EXPECT_NE(cleared.out.find("1996/11 "), std::string::npos);
    const std::size_t end = cleared.out.find("1996/12 END CLEAR ");
    ASSERT_NE(end, std::string::npos);
    EXPECT_NE(cleared.out.find("\n1991/01 ", end), std::string::npos);
}

TEST(Replay, BadLinesNameTheirLineAndStopWithStatusTwo) {
    const struct {
        const char* script;
        const char* error;
    } cases[] = {
        {"jump 1\n", "line 1: unknown directive 'jump'"},
        {"turn 1 2 3\n", "line 1: turn takes 6 or 7 values, got 3"},
        {"turn 1 2 3 4 0 0 1 9\n", "line 1: turn takes 6 or 7 values, got 8"},
        {"\nturn 1 x 3 4 0 0\n", "line 2: donation 'x' is not a number"},
        {"turn 26 0 0 0 0 0\n", "line 1: dose 26 is out of range 0 to 25"},
        {"turn 0 0 0 0 3 0\n", "line 1: first draw 3 is out of range 0 to 2"},
        {"turn 0 0 0 0 0 0 5\n", "line 1: answer 5 is out of range 1 to 4"},
        {"level 99999999999\n", "line 1: level 99999999999 is out of range"},
        {"level\n", "line 1: level takes 1 value, got 0"},
        {"start now\n", "line 1: start takes no values, got 1"},
        {"turn 0 0 0 0 0 0\nturn 1.5 0 0 0 0 0\n", "line 2: dose '1.5' is not a number"},
        {"turn +-5 0 0 0 0 0\n", "line 1: dose '+-5' is not a number"},
        {"turn 0 ++3 0 0 0 0\n", "line 1: donation '++3' is not a number"},
        {"turn 0 0 - 0 0 0\n", "line 1: demand '-' is not a number"},
        {"turn 0 0 0 99999999999999999999 0 0\n", "line 1: counter 99999999999999999999 is out of range"},
        {"level -99999999999999999999\n", "line 1: level -99999999999999999999 is out of range"},
        {"start\rturn 0 0 0 0 0 0\rjump\r", "line 3: unknown directive 'jump'"},
        {"jump\x1b[2J\x7f\n", "line 1: unknown directive 'jump\\x1b[2J\\x7f'\n"},
    };
    for (const auto& c : cases) {
        const ReplayRun run = Replay(c.script);
        EXPECT_EQ(run.status, 2) << c.script;
        EXPECT_EQ(run.err.rfind(c.error, 0), 0u) << c.script << " gave " << run.err;
    }
    const ReplayRun echoed = Replay(std::string(200, 'x') + "\n");
    EXPECT_EQ(echoed.err, "line 1: unknown directive '" + std::string(80, 'x') + "...'\n");
    const ReplayRun endless = Replay("start\n" + std::string(100000, '\0'));
    EXPECT_EQ(endless.err, "line 2: longer than 65536 bytes\n");

    const ReplayRun partial = Replay("turn 0 0 0 0 0 0\nbad\n");
    EXPECT_EQ(Lines(partial.out, 0, 1).substr(0, 8), "1991/01 ");
    EXPECT_EQ(partial.out.size(), Lines(partial.out, 0, 7).size());
}

TEST(Replay, AnOutputThatCannotBeWrittenEndsWithStatusOne) {
    std::istringstream in("turn 0 0 0 0 0 0\nturn 0 0 0 0 0 0\n");
    std::ostream unwritable(nullptr);
    std::ostringstream err;
    EXPECT_EQ(RunScript(in, unwritable, err), 1);
    EXPECT_EQ(err.str(), "the output could not be written\n");
}

}  // namespace
}  // namespace zormade::replay
