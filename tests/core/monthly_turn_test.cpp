#include <gtest/gtest.h>

#include <vector>

#include "game/game_state.h"
#include "game/monthly_turn.h"
#include "game/random_of3.h"

namespace zormade {
namespace {

struct Values {
    int stamina, money, patients, trust, rivalPower, suspicion;
};

GameState StateWith(int year, int month, double k, Values v) {
    GameState s;
    ResetState(s);
    s.year = year;
    s.month = month;
    s.levelFactor = k;
    s.stamina = v.stamina;
    s.money = v.money;
    s.patients = v.patients;
    s.trust = v.trust;
    s.rivalPower = v.rivalPower;
    s.suspicion = v.suspicion;
    return s;
}

// Draws that never show an event: the first draw picks nothing in an unscheduled month and the
// second is never 2.
MonthResult PlayQuietMonth(GameState& s, Sliders sliders) {
    return RunMonthlyUpdate(s, sliders, [] { return 0; },
                            [](int) -> StatusChange { ADD_FAILURE() << "no event expected"; return {}; });
}

void ExpectValues(const GameState& s, Values v) {
    EXPECT_EQ(s.stamina, v.stamina);
    EXPECT_EQ(s.money, v.money);
    EXPECT_EQ(s.patients, v.patients);
    EXPECT_EQ(s.trust, v.trust);
    EXPECT_EQ(s.rivalPower, v.rivalPower);
    EXPECT_EQ(s.suspicion, v.suspicion);
}

TEST(MonthlyTurn, WorkedExamplesGiveTheirValuesAndLog) {
    GameState a = StateWith(1991, 1, 0.5, {5000, 1500000, 0, 1800, 200, 400});
    const MonthResult ra = PlayQuietMonth(a, {10, 0, 0, 0});
    ExpectValues(a, {4992, 1500000, 8, 1820, 200, 450});
    const std::array<std::string, 6> logA = {"体力   －－＞8減少",      "所持金－－＞0減少",
                                            "患者数－－＞8人増加",     "ナガレ信頼－＞20増加",
                                            "鵺田君－－＞0増加",       "厚生省疑惑＞50増加"};
    EXPECT_EQ(ra.log, logA);
    EXPECT_EQ(ra.eventShown, -1);

    GameState b = StateWith(1992, 3, 1.0, {4000, 1000000, 300, 1800, 500, 900});
    const MonthResult rb = PlayQuietMonth(b, {12, 2, 5, 3});
    ExpectValues(b, {3940, 1129000, 319, 1838, 534, 1012});
    const std::array<std::string, 6> logB = {"体力   －－＞60減少",      "所持金－－＞129000増加",
                                            "患者数－－＞19人増加",     "ナガレ信頼－＞38増加",
                                            "鵺田君－－＞34増加",       "厚生省疑惑＞112増加"};
    EXPECT_EQ(rb.log, logB);
}

TEST(MonthlyTurn, StaminaIsTruncatedOnceAndOnlyBelowZeroCatches) {
    // 14 × 0.5 × 1.5 = 10.5: trunc(-0.5) is 0, which is no capture.
    GameState s = StateWith(1991, 2, 0.5, {10, 1500000, 0, 1800, 200, 400});
    PlayQuietMonth(s, {14, 0, 0, 0});
    EXPECT_EQ(s.stamina, 0);
    EXPECT_EQ(s.caught, 0);
    EXPECT_EQ(DueRunEnd(s), RunEnd::None);

    // 15 × 0.5 × 1.5 = 11.25: trunc(-1.25) is -1, shown as 0 and caught.
    GameState t = StateWith(1991, 2, 0.5, {10, 1500000, 0, 1800, 200, 400});
    const MonthResult r = PlayQuietMonth(t, {15, 0, 0, 0});
    EXPECT_EQ(t.stamina, 0);
    EXPECT_EQ(t.caught, 1);
    EXPECT_EQ(r.log[0], "体力   －－＞10減少");
}

TEST(MonthlyTurn, RepeatedDoseSlowsThenStopsTheGrowth) {
    struct Case {
        const char* name;
        std::array<int, 5> historyBefore;
        int expectedGrowth;
    };
    const Case cases[] = {
        {"three before, none four back", {10, 10, 10, 0, 0}, 8 - (0 + 10) / 2},
        {"three before, nine four back", {10, 10, 10, 9, 0}, -1},
        {"five turns running", {10, 10, 10, 10, 3}, 0},
        {"only three running", {10, 10, 0, 10, 10}, 8},
    };
    for (const Case& c : cases) {
        GameState s = StateWith(1991, 2, 1.0, {5000, 1500000, 100, 1800, 200, 400});
        s.doseHistory = c.historyBefore;
        PlayQuietMonth(s, {10, 0, 0, 0});
        EXPECT_EQ(s.patients, 100 + c.expectedGrowth) << c.name;
        EXPECT_EQ(s.doseHistory[0], 10) << c.name;
        EXPECT_EQ(s.doseHistory[1], c.historyBefore[0]) << c.name;
        EXPECT_EQ(s.doseHistory[4], c.historyBefore[3]) << c.name;
    }

    GameState zero = StateWith(1991, 2, 1.0, {5000, 1500000, 100, 1800, 200, 400});
    zero.doseHistory = {0, 0, 0, 0, 0};
    const MonthResult r = PlayQuietMonth(zero, {0, 0, 0, 0});
    EXPECT_EQ(zero.patients, 100);
    EXPECT_EQ(r.log[2], "患者数－－＞増えていません。投与しましょう。");
}

TEST(MonthlyTurn, TheCompanyPaysOnlyWhileTrustExceedsTheDemand) {
    // Trust exactly 200 × demand: no payment, and the line still shows its number.
    GameState equal = StateWith(1991, 2, 1.0, {5000, 100000, 0, 1000, 200, 400});
    MonthResult r = PlayQuietMonth(equal, {0, 0, 5, 0});
    EXPECT_EQ(equal.money, 100000);
    EXPECT_EQ(r.log[1], "所持金－－＞0減少");

    GameState above = StateWith(1991, 2, 1.0, {5000, 100000, 0, 1001, 200, 400});
    r = PlayQuietMonth(above, {0, 0, 5, 0});
    EXPECT_EQ(above.money, 100000 + 90000);
    EXPECT_EQ(r.log[1], "所持金－－＞90000増加");

    GameState below = StateWith(1991, 2, 1.0, {5000, 100000, 0, 999, 200, 400});
    r = PlayQuietMonth(below, {0, 0, 5, 0});
    EXPECT_EQ(below.money, 100000);
    EXPECT_EQ(r.log[1], "所持金－－＞要求額が大きすぎます。");

    // Empty purse wins over the demand message, also when it was empty already.
    GameState broke = StateWith(1991, 2, 1.0, {5000, 0, 0, 999, 200, 400});
    r = PlayQuietMonth(broke, {0, 0, 5, 0});
    EXPECT_EQ(r.log[1], "所持金－－＞そこをつきました。");
}

TEST(MonthlyTurn, DonationsNeedMoneyAtTheStartToCalmTheMinistry) {
    GameState rich = StateWith(1991, 2, 1.0, {5000, 12000, 0, 1800, 200, 400});
    PlayQuietMonth(rich, {0, 1, 0, 0});
    EXPECT_EQ(rich.money, 0);
    EXPECT_EQ(rich.suspicion, 398);

    GameState broke = StateWith(1991, 2, 1.0, {5000, 0, 0, 1800, 200, 400});
    const MonthResult r = PlayQuietMonth(broke, {0, 1, 0, 0});
    EXPECT_EQ(broke.money, 0);
    EXPECT_EQ(broke.suspicion, 400);
    EXPECT_EQ(broke.stamina, 4998);  // trunc(5000 - 1.5)
    EXPECT_EQ(r.log[5], "厚生省疑惑＞0減少");  // zero changes inherit the trust line's suffix
    EXPECT_EQ(r.log[3], "ナガレ信頼－＞1減少");
    EXPECT_EQ(r.log[4], "鵺田君－－＞0減少");
}

TEST(MonthlyTurn, ClampsAndTheirCaptureFlags) {
    struct Case {
        const char* name;
        StatusChange answer;
        Values expected;
        int caught;
    };
    const Values start{2500, 1000, 0, 2500, 2500, 2500};
    const Case cases[] = {
        {"rival exactly at the top", {0, 0, 0, 0, 2500, 0}, {2500, 1000, 0, 2500, 5000, 2500}, 0},
        {"rival over the top", {0, 0, 0, 0, 2501, 0}, {2500, 1000, 0, 2500, 5000, 2500}, 1},
        {"suspicion exactly at the top", {0, 0, 0, 0, 0, 2500}, {2500, 1000, 0, 2500, 2500, 5000}, 0},
        {"suspicion over the top", {0, 0, 0, 0, 0, 2501}, {2500, 1000, 0, 2500, 2500, 5000}, 1},
        {"stamina over the top", {2501, 0, 0, 0, 0, 0}, {5000, 1000, 0, 2500, 2500, 2500}, 0},
        {"stamina exactly zero", {-2500, 0, 0, 0, 0, 0}, {0, 1000, 0, 2500, 2500, 2500}, 0},
        {"trust both ways, no capture", {0, 0, 0, -9000, 0, 0}, {2500, 1000, 0, 0, 2500, 2500}, 0},
        {"trust over the top", {0, 0, 0, 9000, 0, 0}, {2500, 1000, 0, 5000, 2500, 2500}, 0},
        {"money and others never below 0",
         {0, -5000, -300, 0, -9000, -9000}, {2500, 0, -300, 2500, 0, 0}, 0},
    };
    for (const Case& c : cases) {
        GameState s = StateWith(1991, 4, 1.0, start);
        int draws = 0;
        const MonthResult r = RunMonthlyUpdate(
            s, {}, [&] { ++draws; return 2; }, [&](int) { return c.answer; });
        EXPECT_EQ(r.eventShown, 1) << c.name;
        EXPECT_EQ(draws, 2) << c.name;
        ExpectValues(s, c.expected);
        EXPECT_EQ(s.caught, c.caught) << c.name;
    }
}

TEST(MonthlyTurn, AnswersHurtMoreAtHarderLevels) {
    struct Case {
        const char* name;
        double k;
        StatusChange answer;
        StatusChange expectedChange;
    };
    const Case cases[] = {
        {"stamina loss at level 0", 1.5, {-100, 0, 0, 0, 0, 0}, {-150, 0, 0, 0, 0, 0}},
        {"stamina gain unscaled", 1.5, {100, 0, 0, 0, 0, 0}, {100, 0, 0, 0, 0, 0}},
        {"rival gain at level 2", 0.5, {0, 0, 0, 0, 100, 0}, {0, 0, 0, 0, 50, 0}},
        {"rival loss unscaled", 0.5, {0, 0, 0, 0, -100, 0}, {0, 0, 0, 0, -100, 0}},
        {"suspicion gain truncated", 1.5, {0, 0, 0, 0, 0, 15}, {0, 0, 0, 0, 0, 22}},
        {"money, patients, trust unscaled", 0.5, {0, -700, 3, -40, 0, 0}, {0, -700, 3, -40, 0, 0}},
        {"stamina loss truncated", 0.5, {-15, 0, 0, 0, 0, 0}, {-7, 0, 0, 0, 0, 0}},
    };
    for (const Case& c : cases) {
        StatusChange v{1000, 1000, 1000, 1000, 1000, 1000};
        ApplyAnswer(v, c.answer, c.k);
        EXPECT_EQ(v.stamina - 1000, c.expectedChange.stamina) << c.name;
        EXPECT_EQ(v.money - 1000, c.expectedChange.money) << c.name;
        EXPECT_EQ(v.patients - 1000, c.expectedChange.patients) << c.name;
        EXPECT_EQ(v.trust - 1000, c.expectedChange.trust) << c.name;
        EXPECT_EQ(v.rivalPower - 1000, c.expectedChange.rivalPower) << c.name;
        EXPECT_EQ(v.suspicion - 1000, c.expectedChange.suspicion) << c.name;
    }
}

TEST(MonthlyTurn, EventsComeOnlyInTheirMonthWithSecondDrawTwo) {
    struct Case {
        const char* name;
        int year, month, d1, d2;
        int expected;
    };
    const Case cases[] = {
        {"1991/4 first draw 2", 1991, 4, 2, 2, 1},
        {"1991/4 second draw 1", 1991, 4, 2, 1, -1},
        {"1991/4 second draw 0", 1991, 4, 0, 0, -1},
        {"1993/8 holds 13", 1993, 8, 1, 2, 13},
        {"1993/9 holds 11", 1993, 9, 0, 2, 11},
        {"1991/5 holds none", 1991, 5, 2, 2, -1},
    };
    for (const Case& c : cases) {
        GameState s = StateWith(c.year, c.month, 1.0, {5000, 1500000, 0, 1800, 200, 400});
        std::vector<int> draws{c.d1, c.d2};
        std::size_t next = 0;
        int shown = -1;
        const MonthResult r = RunMonthlyUpdate(
            s, {}, [&] { return draws.at(next++); },
            [&](int index) { shown = index; return StatusChange{}; });
        EXPECT_EQ(next, 2u) << c.name;
        EXPECT_EQ(shown, c.expected) << c.name;
        EXPECT_EQ(r.eventShown, c.expected) << c.name;
    }
}

TEST(RunEnd, CaptureComesOneTickLaterAndWinsOverTheClear) {
    GameState s = StateWith(1996, 11, 1.0, {1, 1500000, 0, 1800, 200, 400});
    EXPECT_EQ(DueRunEnd(s), RunEnd::None);
    const MonthResult r = PlayQuietMonth(s, {25, 0, 0, 0});
    EXPECT_EQ(s.caught, 1);
    EXPECT_EQ(r.log.size(), 6u);
    EXPECT_EQ(s.stamina, 0);
    AdvanceDate(s);
    EXPECT_EQ(s.month, 12);
    EXPECT_EQ(DueRunEnd(s), RunEnd::Capture);

    s.caught = 0;
    EXPECT_EQ(DueRunEnd(s), RunEnd::Clear);
    s.year = 1995;
    EXPECT_EQ(DueRunEnd(s), RunEnd::None);
    AdvanceDate(s);
    EXPECT_EQ(s.year, 1996);
    EXPECT_EQ(s.month, 1);
}

// Many random runs: after every month the values stay in their ranges and the log has six lines.
TEST(MonthlyTurn, RandomRunsKeepTheirInvariants) {
    for (std::uint32_t seed = 1; seed <= 40; ++seed) {
        Random15 random(seed);
        GameState s;
        ResetState(s);
        s.levelFactor = (seed % 3 == 0) ? 1.5 : (seed % 3 == 1 ? 1.0 : 0.5);
        int months = 0;
        while (DueRunEnd(s) == RunEnd::None) {
            const Sliders sliders{random.Next() % 26, random.Next() % 26, random.Next() % 26,
                                  random.Next() % 26};
            const int caughtBefore = s.caught;
            const MonthResult r = RunMonthlyUpdate(
                s, sliders, [&] { return ThreeWayOf(random.Next()); },
                [&](int) {
                    return StatusChange{random.Next() % 2001 - 1000, random.Next() % 2001 - 1000,
                                        random.Next() % 301 - 150, random.Next() % 2001 - 1000,
                                        random.Next() % 2001 - 1000, random.Next() % 2001 - 1000};
                });
            ASSERT_EQ(r.log.size(), 6u);
            for (const std::string& line : r.log) ASSERT_FALSE(line.empty());
            ASSERT_GE(s.stamina, 0);
            ASSERT_LE(s.stamina, 5000);
            ASSERT_GE(s.money, 0);
            ASSERT_GE(s.trust, 0);
            ASSERT_LE(s.trust, 5000);
            ASSERT_GE(s.rivalPower, 0);
            ASSERT_LE(s.rivalPower, 5000);
            ASSERT_GE(s.suspicion, 0);
            ASSERT_LE(s.suspicion, 5000);
            ASSERT_GE(s.caught, caughtBefore);
            AdvanceDate(s);
            ++months;
        }
        ASSERT_LE(months, 71) << "seed " << seed;
    }
}

}  // namespace
}  // namespace zormade
