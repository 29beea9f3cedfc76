#include <gtest/gtest.h>

#include <map>
#include <vector>

#include "ranking/game_options.h"
#include "ranking/profile_number.h"
#include "ranking/profile_store.h"
#include "ranking/ranking_table.h"

namespace zormade {
namespace {

// Keeps text exactly as a real store does; integers pass through the same parser. Every access
// is logged with its section and key, in order.
class MemoryProfile : public ProfileStore {
public:
    std::map<std::string, std::string> values;
    std::vector<std::string> reads;
    std::vector<std::string> writes;

    int GetProfileInt(const std::string& s, const std::string& k, int def) override {
        reads.push_back(s + "/" + k);
        auto it = values.find(s + "/" + k);
        if (it == values.end()) return def;
        return ParseProfileInt(it->second).value_or(def);
    }
    std::string GetProfileString(const std::string& s, const std::string& k,
                                 const std::string& def) override {
        reads.push_back(s + "/" + k);
        auto it = values.find(s + "/" + k);
        return it == values.end() ? def : it->second;
    }
    void WriteProfileInt(const std::string& s, const std::string& k, long long v) override {
        values[s + "/" + k] = std::to_string(v);
        writes.push_back(s + "/" + k);
    }
    void WriteProfileString(const std::string& s, const std::string& k,
                            const std::string& v) override {
        values[s + "/" + k] = v;
        writes.push_back(s + "/" + k);
    }
};

// The keys in the order they are read at start-up and written at exit: the names, the points,
// then the three options.
const std::vector<std::string> kKeyOrder{
    "Ranking/Playername0", "Ranking/Playername1", "Ranking/Playername2", "Ranking/Playername3",
    "Ranking/Playername4", "Ranking/Player0",     "Ranking/Player1",     "Ranking/Player2",
    "Ranking/Player3",     "Ranking/Player4",     "Option/Level",        "Option/Speed",
    "Option/Opening",
};

TEST(RankingTable, FindPlaceLetsEqualScoresInAboveAndDoesNotSort) {
    const RankingTable defaults;
    EXPECT_EQ(defaults.FindPlace(1570), 0);
    EXPECT_EQ(defaults.FindPlace(1569), 1);
    EXPECT_EQ(defaults.FindPlace(820), 2);
    EXPECT_EQ(defaults.FindPlace(450), 4);
    EXPECT_EQ(defaults.FindPlace(449), RankingTable::kNoPlace);

    RankingTable outOfOrder;
    outOfOrder.points = {100, 500, 400, 300, 200};
    EXPECT_EQ(outOfOrder.FindPlace(150), 0);

    RankingTable zeros;
    zeros.points = {5, 4, 3, 2, 0};
    EXPECT_EQ(zeros.FindPlace(0), 4);

    RankingTable huge;
    huge.points = {4000000000u, 3000000000u, 3, 2, 1};
    EXPECT_EQ(huge.FindPlace(3500000000u), 1);  // compared unsigned
}

TEST(RankingTable, InsertMovesTheRestDownAndNamesTheNameless) {
    RankingTable t;
    t.InsertAt(0, "NEW", 1570);
    EXPECT_EQ(t.names, (std::array<std::string, 5>{"NEW", "ZORMASTER", "??????", "??????", "??????"}));
    EXPECT_EQ(t.points, (std::array<std::uint32_t, 5>{1570, 1570, 1300, 820, 610}));

    RankingTable third;
    third.InsertAt(2, "", 820);
    EXPECT_EQ(third.names[2], "ZORMADER");
    EXPECT_EQ(third.points, (std::array<std::uint32_t, 5>{1570, 1300, 820, 820, 610}));

    RankingTable last;
    last.InsertAt(4, "  ", 450);
    EXPECT_EQ(last.names[4], "  ");
    EXPECT_EQ(last.points[3], 610u);
    EXPECT_EQ(last.names[3], "??????");
}

TEST(Profile, DefaultsWithoutAProfileAndThirteenKeysWrittenInOrder) {
    MemoryProfile empty;
    RankingTable table;
    table.names.fill("x");
    table.Load(empty);
    EXPECT_EQ(table.names[0], "ZORMASTER");
    EXPECT_EQ(table.points[4], 450u);
    GameOptions options{0, 0, 1};
    options.Load(empty);
    EXPECT_EQ(options.level, 2);
    EXPECT_EQ(options.speed, 2);
    EXPECT_EQ(options.skipOpening, 0);

    EXPECT_EQ(empty.reads, kKeyOrder);

    table.Save(empty);
    options.Save(empty);
    EXPECT_EQ(empty.writes, kKeyOrder);
    EXPECT_EQ(empty.values.size(), 13u);
    EXPECT_EQ(empty.values["Ranking/Player0"], "1570");
    EXPECT_EQ(empty.values["Ranking/Playername4"], "??????");
    EXPECT_EQ(empty.values["Option/Opening"], "0");
}

TEST(Profile, RoundTripKeepsNamesAndUnsignedPointsExactly) {
    RankingTable table;
    table.names = {"", "  ", "a,b;c=d\"e@f\\g", "ﾅｶﾞﾚ", "全角の名前"};
    table.points = {4294967295u, 2147483648u, 7, 0, 1};
    GameOptions options{7, -1, 1};
    MemoryProfile profile;
    table.Save(profile);
    options.Save(profile);
    EXPECT_EQ(profile.values["Ranking/Player0"], "4294967295");

    RankingTable back;
    GameOptions optionsBack;
    back.Load(profile);
    optionsBack.Load(profile);
    EXPECT_EQ(back.names, table.names);
    EXPECT_EQ(back.points, table.points);
    EXPECT_EQ(optionsBack.level, 7);
    EXPECT_EQ(optionsBack.speed, -1);
    EXPECT_EQ(optionsBack.skipOpening, 1);
}

TEST(ProfileNumber, AcceptsSignedAndUnsignedThirtyTwoBitDecimalsOnly) {
    const struct {
        const char* text;
        std::optional<int> expected;
    } cases[] = {
        {"0", 0},           {"-1", -1},          {"+5", 5},
        {"2147483647", 2147483647},               {"-2147483648", -2147483647 - 1},
        {"4294967295", -1}, {"4294967296", std::nullopt},
        {"-2147483649", std::nullopt},            {"", std::nullopt},
        {"-", std::nullopt}, {"1e3", std::nullopt}, {"0x10", std::nullopt},
        {"１２", std::nullopt},
    };
    for (const auto& c : cases) EXPECT_EQ(ParseProfileInt(c.text), c.expected) << c.text;
}

}  // namespace
}  // namespace zormade
