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
// is logged by its section and key, in order.
class MemoryProfile : public ProfileStore {
public:
    std::map<std::string, std::string> values;
    std::vector<std::string> touched;

    int GetProfileInt(const std::string& s, const std::string& k, int def) override {
        const std::string value = GetProfileString(s, k, "");
        return values.count(s + "/" + k) ? ParseProfileInt(value).value_or(def) : def;
    }
    std::string GetProfileString(const std::string& s, const std::string& k,
                                 const std::string& def) override {
        touched.push_back(s + "/" + k);
        auto it = values.find(s + "/" + k);
        return it == values.end() ? def : it->second;
    }
    void WriteProfileInt(const std::string& s, const std::string& k, long long v) override {
        WriteProfileString(s, k, std::to_string(v));
    }
    void WriteProfileString(const std::string& s, const std::string& k,
                            const std::string& v) override {
        values[s + "/" + k] = v;
        touched.push_back(s + "/" + k);
    }
};

// The keys in the order they are read at start-up and written at exit.
const std::vector<std::string> kKeyOrder{
    "Ranking/Playername0", "Ranking/Playername1", "Ranking/Playername2", "Ranking/Playername3",
    "Ranking/Playername4", "Ranking/Player0",     "Ranking/Player1",     "Ranking/Player2",
    "Ranking/Player3",     "Ranking/Player4",     "Option/Level",        "Option/Speed",
    "Option/Opening",
};

TEST(RankingTable, FindPlaceLetsEqualScoresInAboveAndDoesNotSort) {
    using Points = std::array<std::uint32_t, 5>;
    const Points defaults = RankingTable().points;
    const struct {
        Points points;
        std::uint32_t score;
        int place;
    } cases[] = {
        {defaults, 1570, 0}, {defaults, 1569, 1}, {defaults, 820, 2}, {defaults, 450, 4},
        {defaults, 449, RankingTable::kNoPlace}, {{100, 500, 400, 300, 200}, 150, 0},
        {{5, 4, 3, 2, 0}, 0, 4}, {{4000000000u, 3000000000u, 3, 2, 1}, 3500000000u, 1},
    };
    for (const auto& c : cases) {
        RankingTable table;
        table.points = c.points;
        EXPECT_EQ(table.FindPlace(c.score), c.place) << c.score;
    }
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
    EXPECT_EQ(last.names, (std::array<std::string, 5>{"ZORMASTER", "??????", "??????", "??????", "  "}));
    EXPECT_EQ(last.points[3], 610u);
}

// The values themselves and their way through a real file are the profile tests'; here, that a
// load replaces what was there and that both directions take the thirteen keys in the one order.
TEST(Profile, DefaultsWithoutAProfileAndThirteenKeysReadAndWrittenInOrder) {
    MemoryProfile empty;
    RankingTable table;
    table.names.fill("x");
    GameOptions options{0, 0, 1};
    table.Load(empty);
    options.Load(empty);
    EXPECT_EQ(table.names, RankingTable().names);
    EXPECT_EQ(options, (GameOptions{2, 2, 0}));
    EXPECT_EQ(empty.touched, kKeyOrder);

    empty.touched.clear();
    table.names[1] = "";
    table.points[0] = 4294967295u;
    table.Save(empty);
    options.Save(empty);
    EXPECT_EQ(empty.touched, kKeyOrder);
    EXPECT_EQ(empty.values["Ranking/Player0"], "4294967295");
    RankingTable back;
    back.Load(empty);
    EXPECT_EQ(back.names, table.names);
    EXPECT_EQ(back.points, table.points);
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
