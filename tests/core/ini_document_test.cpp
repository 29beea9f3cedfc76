// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/ini_document.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <tuple>

#include "core/game_options.h"
#include "core/profile_changes.h"
#include "core/ranking_table.h"

namespace zormade {
namespace {

using Names = std::array<std::string, 5>;
using Points = std::array<std::uint32_t, 5>;

const Names kDefaultNames{"ZORMASTER", "??????", "??????", "??????", "??????"};
const Points kDefaultPoints{1570, 1300, 820, 610, 450};

// The ranking's names and points and the options, as the program loads them from a text.
using Loaded = std::tuple<Names, Points, GameOptions>;

Loaded Load(std::string_view text) {
    IniDocument document = IniDocument::Parse(text);
    RankingTable ranking;
    GameOptions options;
    ranking.Load(document);
    options.Load(document);
    return {ranking.names, ranking.points, options};
}

// The files were written by the earlier, settings-based profile code from these values.
TEST(IniDocument, ReadsEarlierProfilesAndWritesThemAgainByteForByte) {
    // clang-format off
    const struct { const char* file; Names names; Points points; GameOptions options; } cases[] = {
        {"new_player.ini", kDefaultNames, kDefaultPoints, {Level{2}, Speed{2}, 0}},
        {"odd_names.ini",
         {"a,b;c=d\"e", "@home \\ back\\slash", "  blanks  ", "ﾅｶﾞﾚ 全角　名前", ""},
         {4294967295u, 2147483648u, 1570, 1, 0}, {Level{7}, Speed{-1}, 1}},
        {"escapes.ini", {"tab\there\r\n", std::string("ctl\x01" "1 nul\0" "7", 11), "@Variant(0)",
                         "#;not a comment\x7f", "=\"quoted\"="},
         {9000, 8000, 7000, 6000, 5000}, {Level{0}, Speed{0}, 0}},
        {"other_keys.ini", {"ZORMASTER", "Bob", "??????", "??????", "??????"},
         {5, 1300, 820, 610, 450}, {Level{2}, Speed{1}, 0}},
    };
    // clang-format on
    for (const auto& c : cases) {
        SCOPED_TRACE(c.file);
        std::ifstream file(std::string(PROFILES_DIR) + "/" + c.file, std::ios::binary);
        const std::string text{std::istreambuf_iterator<char>(file), {}};
        ASSERT_FALSE(text.empty());
        IniDocument document = IniDocument::Parse(text);
        EXPECT_EQ(Load(text), Loaded(c.names, c.points, c.options));
        ApplyChanges(document, {});
        EXPECT_EQ(document.Text(), text);
    }
}

// Each damaged file must load as the intact one with only that line's key changed (or gone); a
// value that cannot be read is shown as it stands, with U+FFFD for what makes no character. Line
// ends, a byte order mark, blanks, comments and a stray first line change nothing.
TEST(IniDocument, ADamagedLineCostsOnlyItself) {
    const std::string good =
        "[Option]\nLevel=0\nOpening=1\nSpeed=1\n\n[Ranking]\nPlayer0=9\nPlayer1=8\nPlayer2=7\n"
        "Player3=6\nPlayer4=5\nPlayername0=A\nPlayername1=B\nPlayername2=C\nPlayername3=D\n"
        "Playername4=E\n";
    // clang-format off
    // An empty `meant`: the key is lost.
    const struct { const char* what; std::string from, damaged, meant; } cases[] = {
        {"an unmatched quote", "Playername0=A", "Playername0=\"Bob", "Playername0=\\\"Bob"},
        {"a trailing backslash", "Playername1=B", "Playername1=Bob\\", "Playername1=Bob\\\\"},
        {"a raw control character",
         "Playername2=C", "Playername2=C\x01" "D", "Playername2=C\uFFFD" "D"},
        {"a NUL before the first section", "[Option]", std::string("\0[Option]", 9), "[Option]"},
        {"a semicolon and a comma in a bare name",
         "Playername2=C", "Playername2=a;b,c", "Playername2=\"a;b,c\""},
        {"garbage on a line of its own",
         "Player2=7", "Player2=7\n\x01\xff garbage \"\\", "Player2=7"},
        {"bytes that are not UTF-8",
         "Playername3=D", "Playername3=x\x82\xa0", "Playername3=x\uFFFD\uFFFD"},
        {"an unknown escape", "Playername4=E", "Playername4=E\\q", "Playername4=E\\\\q"},
        {"a number that is none", "Player3=6", "Player3=6x", ""},
        {"a stored -1 as points", "Player4=5", "Player4=-1", "Player4=4294967295"},
        {"a serialised object", "Level=0", "Level=@Variant(\\0\\0\\0\\v@dInx=alid()", ""},
        {"a header with a key in it", "Player2=7", "[Player2=7000", ""},
        {"a header with more after it", "Player1=8", "[Player1]=8", ""},
        {"a byte order mark and CR LF",
         "[Option]\nLevel=0\n", "\xEF\xBB\xBF[Option]\r\nLevel=0\r\n", "[Option]\nLevel=0\n"},
        {"CR alone", "Opening=1\nSpeed=1\n", "Opening=1\rSpeed=1\r", "Opening=1\nSpeed=1\n"},
        {"blanks", "[Option]\nLevel=0", "  [Option]  \n\t Level = 0 \t", "[Option]\nLevel=0"},
        {"comments", "[Option]", "; note\n# note\n[Option]", "[Option]"},
        {"no last line end", "Playername4=E\n", "Playername4=E", "Playername4=E\n"},
        // A line of zero bytes beside each character before plain text is no UTF-16 file.
        {"a first line like big-endian UTF-16", "[Option]",
         std::string("\0a\0b\0\n", 6) + "[Option]", "[Option]"},
        {"a first line like little-endian UTF-16", "[Option]",
         std::string("a\0b\0\n\0", 6) + "[Option]", "[Option]"},
        {"a first line of a comma between zeros", "[Option]",
         std::string("\0,\0", 3) + "\n[Option]", "[Option]"},
    };
    // clang-format on
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        std::string damaged = good, meant = good;
        damaged.replace(damaged.find(c.from), c.from.size(), c.damaged);
        meant.replace(meant.find(c.from), c.from.size(), c.meant);
        const Loaded loaded = Load(damaged);
        EXPECT_EQ(loaded, Load(meant));
        EXPECT_EQ(std::get<GameOptions>(loaded).speed, Speed::Fast);
    }
}

// Nothing this run changed goes back as it stood, and a hand-edited file keeps its own lines.
TEST(IniDocument, WhatTheGameDidNotChangeStaysWhereAndAsItWas) {
    const std::string unread[] = {"ctl\x01x", "bad\377byte", "E\\q", "\"open"};
    const std::string text =
        "; first\n[ranking]\n# the table\nPLAYERNAME0=Mine\nplayer0=9000\n[Player2=7000\nodd line\n"
        "Playername1=" +
        unread[0] + "\nPlayername2=" + unread[1] + "\nPlayername3=" + unread[2] +
        "\nPlayername4=" + unread[3] + "\nPlayer4=6x\n\n[Notes]\nkept=yes\n";
    IniDocument document = IniDocument::Parse(text);
    const Loaded before = Load(text);
    EXPECT_EQ(std::get<Names>(before),
              (Names{"Mine", "ctl\uFFFDx", "bad\uFFFDbyte", "E\\q", "\"open"}));
    EXPECT_EQ(std::get<Points>(before)[4], 450u);
    ApplyChanges(document, {});
    const std::string saved = document.Text();
    EXPECT_EQ(saved.rfind("; first\n[Option]\n", 0), 0u) << saved;
    for (const char* kept : {"\n\n[ranking]\n# the table\n",
                             "\nPLAYERNAME0=Mine\nplayer0=9000\n[Player2=7000\nodd line\n",
                             "\nPlayer4=6x\n\n[Notes]\nkept=yes\n"}) {
        EXPECT_NE(saved.find(kept), std::string::npos) << kept << saved;
    }
    EXPECT_EQ(Load(saved), before);
    // A new first place moves every name down a key; the unread ones keep their bytes.
    ApplyChanges(document, {{{"TOP", 99999}}, std::nullopt, {}});
    const std::string moved = document.Text();
    for (int i = 0; i < 3; ++i) {
        const std::string line = "\nPlayername" + std::to_string(i + 2) + "=" + unread[i] + "\n";
        EXPECT_NE(moved.find(line), std::string::npos) << line << moved;
    }
    EXPECT_TRUE(moved.find("PLAYERNAME0=TOP\n") != std::string::npos &&
                moved.find("Playername0=") == std::string::npos);
    // What the game adds after the player's last section stands apart by a blank line.
    IniDocument notes = IniDocument::Parse("[Notes]\nkept=yes");
    ApplyChanges(notes, {});
    EXPECT_EQ(notes.Text().rfind("[Notes]\nkept=yes\n\n[Option]\n", 0), 0u) << notes.Text();
}

TEST(IniDocument, EveryTextComesBackFromItsStoredForm) {
    // clang-format off
    const std::string texts[] = {"",       " ",         "@",          "@@x",       "@String(x)",
                                 "a\\",    "\"",        "x\x01" "f",  std::string("\0" "1", 2),
                                 "\x7f",   "é\té",      "ﾅ,;=ﾅ",      "末尾 ",     "\x1f\x20"};
    // clang-format on
    for (const std::string& text : texts) {
        const std::string stored = EncodeIniValue(text);
        EXPECT_EQ(stored.find_first_of("\r\n"), std::string::npos) << stored;
        EXPECT_EQ(DecodeIniValue(stored), text) << stored;
        IniDocument document;
        document.WriteProfileString("S", "k", text);
        EXPECT_EQ(IniDocument::Parse(document.Text()).GetProfileString("S", "k", "default"), text);
    }
}

// Escapes as a hand or another program wrote them: a number that is no single UTF-16 unit, or is
// half of a pair, is not read, so that the value is kept as it stood.
TEST(IniDocument, AnEscapeIsReadOnlyWhenItNamesOneWholeCharacter) {
    EXPECT_EQ(DecodeIniValue("\\x4A\\x4b\\102\\x3042"), "JKB\u3042");
    for (const char* refused : {"\\x10000", "\\200000", "\\xD800", "\\337777", "\\x"})
        EXPECT_FALSE(DecodeIniValue(refused)) << refused;
}

TEST(ProfileChanges, NewEntriesGoIntoTheStoredTableAndOnlyChangedOptionsAreWritten) {
    IniDocument stored = IniDocument::Parse(
        "[Option]\nSpeed=0\n[Ranking]\nPlayername0=OTHER\nPlayer0=5000\n[Notes]\nkept=yes\n");
    // A name of blanks is a name; none at all is the game's.
    ApplyChanges(stored, {{{"  ", 1570}, {"", 9000}}, std::nullopt, {}});
    EXPECT_EQ(Load(stored.Text()), Loaded({"ZORMADER", "OTHER", "  ", "??????", "??????"},
                                          {9000, 5000, 1570, 1300, 820}, {Level{2}, Speed{0}, 0}));
    EXPECT_EQ(stored.GetProfileString("Notes", "kept", ""), "yes");

    ApplyChanges(stored, {{{"LOW", 1}}, GameOptions{Level::Hard, Speed::Fast, 1}, {}});
    const auto [names, points, options] = Load(stored.Text());
    EXPECT_EQ(points[4], 820u) << "a score below the table enters nothing";
    EXPECT_EQ(options, (GameOptions{Level::Hard, Speed::Fast, 1}));

    // Entries saved earlier without the lock go back only where the table lost them, each row of
    // the table standing for one entry, before the new ones.
    IniDocument written = IniDocument::Parse("[Ranking]\nPlayername0=A\nPlayer0=9000\n");
    ApplyChanges(written, {{{"NEW", 9000}}, std::nullopt, {{"A", 9000}, {"A", 9000}, {"B", 5000}}});
    EXPECT_EQ(std::get<Names>(Load(written.Text())), (Names{"NEW", "A", "A", "B", "??????"}));
}

}  // namespace
}  // namespace zormade
