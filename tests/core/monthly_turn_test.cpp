// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/monthly_turn.h"

#include <gtest/gtest.h>

#include <optional>
#include <tuple>
#include <vector>

#include "core/event_schedule.h"
#include "core/game_state.h"
#include "core/run.h"

namespace zormade {
namespace {

// A log line in short: its amount and direction ("8-"), or which note it is.
using Log = std::array<std::string, 6>;

Log Short(const MonthLog& log) {
    Log lines;
    for (std::size_t i = 0; i < log.size(); ++i) {
        switch (log[i].note) {
        case LogNote::MoneyGone: lines[i] = "gone"; break;
        case LogNote::DemandTooLarge: lines[i] = "demand"; break;
        case LogNote::NoNewPatients: lines[i] = "none"; break;
        case LogNote::Change:
            lines[i] = std::to_string(log[i].amount) + (log[i].rise ? "+" : "-");
            break;
        }
    }
    return lines;
}

// stamina, money, patients, trust, rival, suspicion
using Values = std::array<int, 6>;

using Month = std::tuple<int, int, double>;  // year, month, level factor

GameState StateWith(Month when, Values v) {
    GameState s;
    std::tie(s.year, s.month, s.levelFactor) = when;
    StatusValues& m = s.values;
    std::tie(m.stamina, m.money, m.patients, m.trust, m.rivalPower, m.suspicion) =
        std::tuple_cat(v);
    return s;
}

const Values kStart{5000, 1500000, 0, 1800, 200, 400};  // a new run's

Values Of(const GameState& s) {
    const StatusValues& v = s.values;
    return {v.stamina, v.money, v.patients, v.trust, v.rivalPower, v.suspicion};
}

template <typename Answer>
Answer NoEvent(int) {
    ADD_FAILURE() << "no event expected";
    return {};
}

// Draws that never show an event: the first draw picks nothing in an unscheduled month and the
// second is never 2.
int PatientsAfterAQuietMonth(GameState& s, Sliders sliders) {
    RunMonthlyUpdate(
        s, sliders, [] { return 0; }, NoEvent<StatusChange>);
    return s.values.patients;
}

// The golden months hold every value; these months hold what they do not: the log lines, and the
// boundaries those runs never reach. An event month draws 0 and 2, a quiet one 0 twice.
//
// The event month 1992/8 (y = 2), k = 0.5, sliders 3 1 4 5,
// answer St +33 Pa −7 Tr +15 Ri −40 Su +25:
//   stamina   4000 − (6 + 15 + 4 + 1) × 0.5 × 1.5 = 4000 − 19.5 → 3980;
//             answer + 33, unscaled: 4013
//   money     300000 + 1.5 × 80000 × 1.8 = 516000; − 24000 − 5000 = 487000
//   patients  50 + trunc(1.6 × 3 = 4.8) = 54; answer − 7: 47
//   trust     900 + 12 − 2 × 6 = 900; answer + 15: 915
//   rival     300 + 2 × (54 / 9 = 6) = 312; − 1.5 × 60 = 222; answer − 40, unscaled: 182
//   suspicion 700 + 30 = 730; − 1.5 × 4 = 724; answer + 25 × 0.5 → 12: 736
TEST(MonthlyTurn, MonthsGiveTheirValuesAndLog) {
    // clang-format off
    const struct {
        const char* name; Month when; Values before; Sliders sliders;
        std::optional<StatusChange> answer; Values after; int caught; Log log;
    } cases[] = {
        // 14 × 0.5 × 1.5 = 10.5: trunc(−0.5) is 0, which is no capture.
        {"stamina truncated once", {1991, 2, 0.5}, {10, 1500000, 0, 1800, 200, 400},
         {14, 0, 0, 0}, {},
         {0, 1500000, 11, 1828, 201, 470}, 0,
         {"10-", "0-", "11+", "28+", "1+", "70+"}},
        // Trust 1000 is not above 200 × 5: nothing paid, and the line keeps its number.
        {"trust equal to the demand", {1991, 2, 1.0}, {5000, 100000, 0, 1000, 200, 400},
         {0, 0, 5, 0}, {},
         {4992, 100000, 0, 1000, 200, 400}, 0,
         {"8-", "0-", "none", "0-", "0-", "0-"}},
        // An empty purse wins over the demand message, also when it was empty already. Stored
        // money 0: the donation still costs, but calms nobody.
        {"empty purse", {1991, 2, 1.0}, {5000, 0, 0, 999, 200, 400}, {0, 1, 5, 0}, {},
         {4991, 0, 0, 998, 200, 400}, 0,
         {"9-", "gone", "none", "1-", "0-", "0-"}},
        // The donation spends the last of the money: the purse is empty after the month, and the
        // donation still calms, as there was money when it was made.
        {"donation empties the purse", {1991, 2, 1.0}, {5000, 12000, 0, 1800, 200, 400},
         {0, 1, 0, 0}, {},
         {4998, 0, 0, 1799, 200, 398}, 0,
         {"2-", "gone", "none", "1-", "0-", "2-"}},
        // Trust 201 is above 200 × 1 when the demand is made, and falls to 199 by the month's end:
        // the demand was paid, and its line is the money's.
        {"trust falls below the demand", {1991, 2, 1.0}, {5000, 100000, 0, 201, 200, 400},
         {0, 0, 1, 2}, {},
         {4989, 116000, 0, 199, 188, 400}, 0,
         {"11-", "16000+", "none", "2-", "12-", "0-"}},
        // Stamina (caught below 0) and trust stuck at 0: line 1 reads as a rise and the replaced
        // money line, which lost 12000, leaves it be.
        {"replaced lines keep the suffix", {1991, 2, 1.0}, {0, 100000, 0, 0, 200, 400},
         {0, 1, 1, 0}, {},
         {0, 88000, 0, 0, 200, 398}, 1,
         {"0+", "demand", "none", "0+", "0+", "2-"}},
        {"an event at the easy level", {1992, 8, 0.5}, {4000, 300000, 50, 900, 300, 700},
         {3, 1, 4, 5},
         StatusChange{33, 0, -7, 15, -40, 25}, {4013, 487000, 47, 915, 182, 736}, 0,
         {"13+", "187000+", "3-", "15+", "118-", "36+"}},
    };
    // clang-format on
    for (const auto& c : cases) {
        GameState s = StateWith(c.when, c.before);
        const std::vector<int> draws{0, c.answer ? 2 : 0};
        std::size_t next = 0;
        const MonthResult r = RunMonthlyUpdate(
            s, c.sliders, [&] { return draws.at(next++); },
            [&](int) { return c.answer.value_or(StatusChange{}); });
        EXPECT_EQ(std::make_tuple(next, Of(s), Short(r.log), r.eventShown != -1, s.caught),
                  std::make_tuple(std::size_t{2}, c.after, c.log, c.answer.has_value(), c.caught))
            << c.name;
    }
}

// A dose of 0 is never a repeat: with the old dose kept four turns back it would take growth away.
TEST(MonthlyTurn, RepeatedDoseSlowsThenStopsTheGrowth) {
    // clang-format off
    const struct {
        const char* name; std::array<int, 5> historyBefore; int dose, expectedGrowth;
    } cases[] = {
        {"three before, none four back", {10, 10, 10, 0, 0}, 10, 8 - (0 + 10) / 2},
        {"three before, nine four back", {10, 10, 10, 9, 0}, 10, -1},
        {"the smallest dose repeats too", {1, 1, 1, 9, 0}, 1, 0 - (9 + 1) / 2},
        {"five turns running", {10, 10, 10, 10, 3}, 10, 0},
        {"only three running", {10, 10, 0, 10, 10}, 10, 8},
        {"three running after another dose", {10, 10, 7, 7, 7}, 10, 8},
        {"four turns of no dose", {0, 0, 0, 9, 9}, 0, 0},
    };
    // clang-format on
    for (const auto& c : cases) {
        GameState s = StateWith({1991, 2, 1.0}, {5000, 1500000, 100, 1800, 200, 400});
        s.doseHistory = c.historyBefore;
        const auto& h = c.historyBefore;
        EXPECT_EQ(PatientsAfterAQuietMonth(s, {c.dose, 0, 0, 0}), 100 + c.expectedGrowth) << c.name;
        EXPECT_EQ(s.doseHistory, (std::array<int, 5>{c.dose, h[0], h[1], h[2], h[3]})) << c.name;
    }
}

TEST(MonthlyTurn, ClampsAndTheirCaptureFlags) {
    const Values start{2500, 1000, 0, 2500, 2500, 2500};
    // clang-format off
    const struct { const char* name; StatusChange answer; Values expected; int caught; } cases[] = {
        {"rival exactly at the top", {0, 0, 0, 0, 2500, 0}, {2500, 1000, 0, 2500, 5000, 2500}, 0},
        {"rival over the top", {0, 0, 0, 0, 2501, 0}, {2500, 1000, 0, 2500, 5000, 2500}, 1},
        {"suspicion at the top", {0, 0, 0, 0, 0, 2500}, {2500, 1000, 0, 2500, 2500, 5000}, 0},
        {"suspicion over the top", {0, 0, 0, 0, 0, 2501}, {2500, 1000, 0, 2500, 2500, 5000}, 1},
        {"stamina over the top", {2501, 0, 0, 0, 0, 0}, {5000, 1000, 0, 2500, 2500, 2500}, 0},
        {"stamina exactly zero", {-2500, 0, 0, 0, 0, 0}, {0, 1000, 0, 2500, 2500, 2500}, 0},
        {"stamina below zero", {-2501, 0, 0, 0, 0, 0}, {0, 1000, 0, 2500, 2500, 2500}, 1},
        {"trust both ways, no capture", {0, 0, 0, -9000, 0, 0}, {2500, 1000, 0, 0, 2500, 2500}, 0},
        {"trust over the top", {0, 0, 0, 9000, 0, 0}, {2500, 1000, 0, 5000, 2500, 2500}, 0},
        {"floored at 0", {0, -5000, -300, 0, -9000, -9000}, {2500, 0, -300, 2500, 0, 0}, 0},
    };
    // clang-format on
    for (const auto& c : cases) {
        GameState s = StateWith({1991, 4, 1.0}, start);
        // That these draws show event 1 is the run test's.
        RunMonthlyUpdate(
            s, {}, [] { return 2; }, [&](int) { return c.answer; });
        EXPECT_EQ(Of(s), c.expected) << c.name;
        EXPECT_EQ(s.caught, c.caught) << c.name;
    }
}

// Which month holds which event is the golden replay's; here, the second draw that lets it in.
TEST(MonthlyTurn, AScheduledEventWaitsForASecondDrawOfTwo) {
    for (int second : {0, 1}) {
        GameState s = StateWith({1991, 4, 1.0}, kStart);
        int draws = 0;
        const MonthResult r = RunMonthlyUpdate(
            s, {}, [&] { return draws++ == 0 ? 2 : second; }, NoEvent<StatusChange>);
        EXPECT_EQ(std::make_pair(draws, r.eventShown), std::make_pair(2, -1)) << second;
    }
    // A first draw outside 0..2 picks nothing, not a neighbouring month's row.
    EXPECT_FALSE(ScheduledEvent(1991, 4, 3) || ScheduledEvent(1991, 4, -1));
}

// A capture flagged in November 1996 ends the run one tick later, ahead of the clear; the
// clear is scored from the values November left (120 patients × 0.88 + 1500000 / 7578). An
// ended run is back at its start, idle. A paused run's tick plays nothing.
TEST(Run, ACaptureComesOneTickLaterAndWinsOverTheClear) {
    zormade::Run run([] { return 0; });
    for (const bool capture : {true, false}) {
        run.Start(GameOptions{});
        GameState& s = run.State();
        std::tie(s.year, s.month, s.values.stamina) = std::make_tuple(1996, 11, capture ? 1 : 5000);
        run.SetPaused(true);
        EXPECT_TRUE(run.Tick({25, 25, 25, 25}, NoEvent<int>).held);
        run.SetPaused(false);
        EXPECT_EQ(run.Tick({25, 0, 0, 0}, NoEvent<int>).ended, RunOutcome::Going);
        EXPECT_EQ(std::make_tuple(s.caught, s.month, run.Running()),
                  std::make_tuple(capture, 12, true));
        const TickResult end = run.Tick({}, NoEvent<int>);
        EXPECT_EQ(std::make_tuple(end.ended, end.score, run.History().Outcome()),
                  capture ? std::make_tuple(RunOutcome::Capture, 0u, RunOutcome::Capture)
                          : std::make_tuple(RunOutcome::Clear, 302u, RunOutcome::Clear))
            << capture;
        EXPECT_EQ(std::make_tuple(s.year, s.month, s.caught, run.Running(), run.Available().start),
                  std::make_tuple(1991, 1, false, false, true));
    }
}

}  // namespace
}  // namespace zormade
