#include <gtest/gtest.h>

#include <sstream>

#include "replay_runner.h"

namespace zormade::replay {
namespace {

std::string Replay(const std::string& script, bool history) {
    std::istringstream in(script);
    std::ostringstream out, err;
    EXPECT_EQ(RunScript(in, out, err, history), 0) << err.str();
    return out.str();
}

// The run's history, as the replay prints it: the values after the clamps, the event and the
// answer of each month, for the last run only.
TEST(RunHistory, EachRunsMonthsFollowItsEndAsCsv) {
    // Level 0, full dose and counter; 1991/04 shows event 1 and takes answer 4. Stamina falls 225
    // a month in 1991 and 281.25 in 1992, so it runs out in the turn dated 1992/09.
    std::string script = "level 0\nstart\n";
    for (int i = 0; i < 22; ++i) script += i == 3 ? "turn 25 0 0 25 2 2 4\n" : "turn 25 0 0 25 0 0\n";
    const std::string header = "year,month,stamina,money,patients,trust,rival,suspicion,event,answer\n";
    const std::string plain = Replay(script, false);
    const std::string csv = Replay(script, true);
    ASSERT_EQ(csv.substr(0, plain.size()), plain) << "nothing else changes";
    std::istringstream rows(csv.substr(plain.size()));
    std::vector<std::string> lines;
    for (std::string row; std::getline(rows, row);) lines.push_back(row);
    ASSERT_EQ(lines.size(), 22u);
    EXPECT_EQ(lines[0] + "\n", header);
    EXPECT_EQ(lines[1], "1991,1,4775,1475000,20,1825,127,525,,");
    // Four months of 25000 yen for the counter and the answer's 10000; the rival held at 0.
    EXPECT_EQ(lines[4], "1991,4,4100,1390000,68,1950,0,900,1,4");
    // The same dose five months running adds no patients; stamina stored at 0, not below.
    EXPECT_EQ(lines[21], "1992,9,0,965000,68,2600,0,4150,,");

    // A run cut off by a new start, then one still going when the script ends; log lines left out.
    std::istringstream cut(Replay("turn 0 0 0 0 0 0\nstart\nturn 0 0 0 0 0 0\n", true));
    std::string shown;
    for (std::string row; std::getline(cut, row);) shown += row.rfind("  | ", 0) == 0 ? "" : row + "\n";
    const std::string run = "1991/01 5000 1500000 0 1800 200 400 0 -\n" + header +
                            "1991,1,5000,1500000,0,1800,200,400,,\n";
    EXPECT_EQ(shown, run + run);
}

}  // namespace
}  // namespace zormade::replay
