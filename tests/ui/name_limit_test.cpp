// SPDX-License-Identifier: GPL-3.0-or-later
#include <QLineEdit>
#include <QTest>

#include "app_fixture.h"
#include "platform/cp932_text.h"
#include "ui/rank_in_dialog.h"
#include "ui_helpers.h"

namespace zormade::test {
namespace {

TEST(Cp932Length, CountsHalfWidthOnceAndFullWidthTwiceAndKnowsWhatItCannotHold) {
    // clang-format off
    const struct { const char* text; std::optional<int> bytes; } cases[] = {
        {"", 0},           {"ZORMADER", 8},        {"ﾅｶﾞﾚ", 4},          {"鵺田君", 6},
        {"～①髙", 6},      {"\\", 1},              {"〜", std::nullopt}, {"😀", std::nullopt},
        {"¥", std::nullopt}, {"ok€", std::nullopt},
    };
    // clang-format on
    for (const auto& c : cases)
        EXPECT_EQ(Cp932Length(QString::fromUtf8(c.text)), c.bytes) << c.text;
}

TEST(FitEditToCp932Limit, KeepsWhatFitsOfTheInsertedTextAndLetsDeletionsStand) {
    const struct {
        const char* what;
        const char* before;
        const char* after;
        int cursor;
        const char* text;
        int at;
    } cases[] = {
        {"typing below the limit", "abc", "abcd", 4, "abcd", 4},
        {"typing when full", "0123456789", "01234567890", 11, "0123456789", 10},
        {"a full-width character with one byte left cuts the paste there", "012345678",
         "012345678あ!", 11, "012345678", 9},
        {"typing in the middle", "aaaa", "aaxaa", 3, "aaxaa", 3},
        {"typing the same letter again", "aa", "aaa", 1, "aaa", 1},
        {"a paste cut to the limit", "ab", "ab全角カタカナ", 8, "ab全角カタ", 6},
        {"a paste cut in the middle", "abcdefgh", "abcXYZWdefgh", 7, "abcXYdefgh", 5},
        {"characters the code page lacks are left out", "", "a😀b〜c", 6, "abc", 3},
        {"a paste over a selection", "abcdefghij", "ab全角efghij", 4, "ab全efghij", 3},
        {"a deletion", "abc", "ac", 1, "ac", 1},
        {"a deletion from a text already too long", "0123456789AB", "0123456789A", 11,
         "0123456789A", 11},
    };
    for (const auto& c : cases) {
        const FittedEdit got = FitEditToCp932Limit(c.before, c.after, c.cursor, 10);
        EXPECT_EQ(std::pair(got.text, got.cursor), std::pair(QString(c.text), c.at)) << c.what;
    }
}

using NameLimitTest = AppTest;

// The cuts themselves are the table above's; here, that typing into the dialog goes through them,
// that OK gives back what the field kept, and that a name as long as one may be is seen whole
// while it is typed: from its end, Home moves the cursor back by the name's whole width, the
// field not scrolling, and both ends lie inside it.
TEST_F(NameLimitTest, TypingStopsAtTenBytesOfCodePage932AndTheNameIsSeenWhole) {
    // clang-format off
    const struct { const char* typed; const char* kept; } cases[] = {
        {"WWWWWWWWWW", "WWWWWWWWWW"}, {"MMMMMMMMMM", "MMMMMMMMMM"}, {"@@@@@@@@@@", "@@@@@@@@@@"},
        {"ｱｲｳｴｵｶｷｸｹｺ", "ｱｲｳｴｵｶｷｸｹｺ"}, {"鵺田君ＺＯ", "鵺田君ＺＯ"}, {"ABCDEFGHIJKL", "ABCDEFGHIJ"},
        {"ZORMADE12あ!", "ZORMADE12!"}, {"鵺😀田〜君", "鵺田君"}};
    // clang-format on
    for (const auto& c : cases) {
        SCOPED_TRACE(c.typed);
        RankInDialog dialog(0, 0);
        QString field;
        int travelled = -1, width = 0;
        bool inside = false;
        ModalAnswer typing([&](QWidget* w) {
            auto* edit = DialogItem<QLineEdit>(w, RankInDialog::kNameId);
            edit->setFocus();
            TypeText(edit, QString::fromUtf8(c.typed));
            field = edit->text();
            SaveScreenshot(w, "rank-in-name");
            const QRect end = edit->inputMethodQuery(Qt::ImCursorRectangle).toRect();
            QTest::keyClick(edit, Qt::Key_Home);
            const QRect start = edit->inputMethodQuery(Qt::ImCursorRectangle).toRect();
            travelled = end.center().x() - start.center().x();
            width = edit->fontMetrics().horizontalAdvance(edit->text());
            inside = edit->rect().contains(start) && edit->rect().contains(end) &&
                     w->rect().contains(edit->geometry());
            ClickButton("OK")(w);
        });
        EXPECT_EQ(dialog.exec(), QDialog::Accepted);
        EXPECT_EQ(QStringList({field, dialog.Name()}), QStringList({c.kept, c.kept}));
        EXPECT_EQ(travelled, width);
        EXPECT_TRUE(inside);
    }
}

}  // namespace
}  // namespace zormade::test
