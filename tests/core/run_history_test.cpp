#include <gtest/gtest.h>

#include <sstream>
#include <utility>

#include "events/event_data.h"
#include "game/run_history.h"
#include "game/run_settings.h"
#include "replay_runner.h"

namespace zormade {
namespace {

// Level 0, full dose and counter every month; 1991/04 shows event 1 and takes answer 4. Stamina
// falls 225 a month in 1991 and 281.25 in 1992, so it runs out in the turn dated 1992/09.
constexpr int kMonthsToCapture = 21;

std::string CaptureScript() {
    std::string script = "level 0\nstart\n";
    for (int i = 0; i <= kMonthsToCapture; ++i) {
        script += i == 3 ? "turn 25 0 0 25 2 2 4\n" : "turn 25 0 0 25 0 0\n";
    }
    return script;
}

TEST(RunHistory, KeepsEveryMonthAfterTheClampsWithItsEventAndTheCapture) {
    GameState state;
    RunHistory history;
    history.Record(state, {}, -1);
    history.Begin();  // a new start forgets the last run
    ResetState(state);
    state.levelFactor = LevelFactorFor(0);
    for (int i = 0; DueRunEnd(state) == RunEnd::None; ++i) {
        const bool eventMonth = i == 3;
        int draws = 0;
        const MonthResult result = RunMonthlyUpdate(
            state, {25, 0, 0, 25}, [&] { return eventMonth && draws++ < 2 ? 2 : 0; },
            [](int index) { return ChangeOfChoice(LoadEventData(index), 3); });
        history.Record(state, result, eventMonth ? 3 : 0);
        AdvanceDate(state);
    }
    history.End(RunOutcome::Capture);

    const std::vector<MonthRecord>& months = history.Months();
    ASSERT_EQ(months.size(), static_cast<std::size_t>(kMonthsToCapture));
    EXPECT_EQ(history.Outcome(), RunOutcome::Capture);
    EXPECT_EQ(months[0].year * 100 + months[0].month, 199101);
    const MonthRecord& april = months[3];
    EXPECT_EQ(april.year * 100 + april.month, 199104);
    EXPECT_EQ(april.event, 1);
    EXPECT_EQ(april.answer, 3);
    // Four months of 25000 for the counter and the answer's 10000 yen; the rival clamped at 0.
    EXPECT_EQ(april.values.money, 1390000);
    EXPECT_EQ(april.values.trust, 1950);
    EXPECT_EQ(april.values.rivalPower, 0);
    EXPECT_EQ(april.values.stamina, 4100);

    const MonthRecord& last = months.back();
    EXPECT_EQ(last.year * 100 + last.month, 199209);
    EXPECT_EQ(last.values.stamina, 0) << "stored after the clamp";
    EXPECT_TRUE(last.crossed.stamina);
    EXPECT_FALSE(last.crossed.rivalPower || last.crossed.suspicion);
    for (const MonthRecord& m : months) {
        if (&m != &april) {
            EXPECT_EQ(std::make_pair(m.event, m.answer), std::make_pair(-1, -1));
        }
        if (&m != &last) {
            EXPECT_FALSE(m.crossed.stamina);
        }
    }
}

std::string Replay(const std::string& script, bool history) {
    std::istringstream in(script);
    std::ostringstream out, err;
    EXPECT_EQ(replay::RunScript(in, out, err, history), 0) << err.str();
    return out.str();
}

TEST(RunHistory, ReplayPrintsItAsCsvWhenARunEndsOrTheScriptDoes) {
    const std::string header = "year,month,stamina,money,patients,trust,rival,suspicion,event,answer\n";
    const std::string plain = Replay(CaptureScript(), false);
    const std::string csv = Replay(CaptureScript(), true);
    EXPECT_EQ(plain.find("year,"), std::string::npos);
    const std::size_t end = csv.find("1992/10 END GAMEOVER\n" + header);
    ASSERT_NE(end, std::string::npos);
    EXPECT_EQ(csv.substr(0, end), plain.substr(0, end));
    std::istringstream rows(csv.substr(end));
    std::string row;
    std::vector<std::string> lines;
    while (std::getline(rows, row)) lines.push_back(row);
    ASSERT_EQ(lines.size(), static_cast<std::size_t>(kMonthsToCapture + 2));
    EXPECT_EQ(lines[2], "1991,1,4775,1475000,20,1825,127,525,,");
    EXPECT_EQ(lines[5], "1991,4,4100,1390000,68,1950,0,900,1,4");
    EXPECT_EQ(lines.back().substr(0, 9), "1992,9,0,");

    // A run cut off by a new start, and one still going when the script ends.
    const std::string cut = Replay("turn 0 0 0 0 0 0\nturn 0 0 0 0 0 0\nstart\nturn 0 0 0 0 0 0\n", true);
    const std::size_t first = cut.find(header);
    ASSERT_NE(first, std::string::npos);
    const std::string startRow = "1991,1,5000,1500000,0,1800,200,400,,\n";
    EXPECT_EQ(cut.substr(first + header.size(), startRow.size() + 7), startRow + "1991,2,");
    const std::size_t second = cut.find(header, first + 1);
    ASSERT_NE(second, std::string::npos);
    EXPECT_EQ(cut.substr(second + header.size()), startRow);
}

}  // namespace
}  // namespace zormade
