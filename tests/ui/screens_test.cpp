// SPDX-License-Identifier: GPL-3.0-or-later
#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <functional>
#include <tuple>

#include "app_fixture.h"
#include "platform/ini_profile.h"
#include "platform/picture_control.h"
#include "platform/resources.h"
#include "ui_helpers.h"

namespace zormade::test {
namespace {

using Answer = ModalSequence::Answer;

struct Shown {
    QStringList texts, buttons;
    Qt::WindowFlags flags;
    QImage picture;
    bool icon = false;
};

// Reads the screen's labels, buttons, flags and picture, then answers with `answer`; that each text
// is whole in its control is the windows test's.
Answer Read(Shown& shown, const char* name, const Answer& answer) {
    return [&shown, name, answer](QWidget* window) {
        shown.flags = window->windowFlags();
        for (QLabel* label : window->findChildren<QLabel*>()) {
            shown.texts << label->text();
            shown.icon = shown.icon || !label->pixmap().isNull();
        }
        for (QPushButton* button : window->findChildren<QPushButton*>())
            shown.buttons << button->text();
        if (auto* picture = window->findChild<PictureControl*>())
            shown.picture = picture->Canvas().copy();
        SaveScreenshot(window, name);
        answer(window);
    };
}

const Answer kCloseWindow = [](QWidget* w) { w->close(); };

using ScreensTest = AppTest;

// Enter and Esc start it too: the keyboard and opening tests close it so.
TEST_F(ScreensTest, TheBriefingShowsItsPictureAndTextsAndItsOkStartsTheGame) {
    Shown shown;
    ModalAnswer briefing(Read(shown, "briefing", ClickButton("OK")));
    Trigger("start");
    EXPECT_TRUE(shown.texts.size() == 3 && shown.texts.contains("ZORMADE Version 0.1"));
    EXPECT_FALSE(shown.flags & (Qt::WindowCloseButtonHint | Qt::WindowSystemMenuHint));
    EXPECT_EQ(shown.picture.convertToFormat(QImage::Format_ARGB32),
              BitmapResource(161).convertToFormat(QImage::Format_ARGB32));
    EXPECT_TRUE(Session().TurnTimer().isActive());
}

// A run goes on behind the box: a month passes while it is first open.
TEST_F(ScreensTest, AboutBoxShowsTheIconNameAndVersionAndClosesEveryWayAsTheRunGoesOn) {
    Session().Options().speed = Speed::Fastest;  // the fastest turns, 3 s
    StartGame();
    for (const auto& way : {ClickButton("OK"), PressKey(Qt::Key_Escape), kCloseWindow}) {
        Shown shown;
        ModalAnswer about(Read(shown, "about", [&](QWidget* window) {
            EXPECT_TRUE(QTest::qWaitFor([&] { return EditText(Board::kMonthEdit) != "1"; }, 10000));
            way(window);
        }));
        Trigger("about");
        EXPECT_EQ(about.Window().title, "ﾊﾞｰｼﾞｮﾝ情報");
        EXPECT_EQ(shown.buttons, QStringList("OK"));
        EXPECT_TRUE(shown.texts.contains("ZORMade Version 0.1") && shown.icon &&
                    (shown.flags & Qt::WindowCloseButtonHint));
        EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    }
    EXPECT_EQ(EditText(Board::kMonthEdit), "2");
    EXPECT_TRUE(Session().TurnTimer().isActive() && !Session().GameRun().Paused());
    const QList<QSize> sizes = Frame().windowIcon().availableSizes();
    for (int size : {16, 32, 48, 64, 128, 256})
        EXPECT_TRUE(sizes.contains(QSize(size, size))) << size;
}

// What the dialog shows: the ticked level and speed (-1 for none), the box and the focused control.
using Choices = std::tuple<int, int, bool, QString>;

int Ticked(QWidget* dialog, int firstId) {
    int ticked = -1;
    for (int i = 0; i < 3; ++i)
        if (DialogItem<QRadioButton>(dialog, firstId + i)->isChecked())
            ticked = ticked == -1 ? i : -3;
    return ticked;
}

// Picks the fastest speed, the hardest level and ticks the box.
void ChangeAll(QWidget* dialog) {
    for (int id : {1037, 1034, 1033})
        QTest::mouseClick(DialogItem<QAbstractButton>(dialog, id), Qt::LeftButton);
}

class OptionDlgTest : public AppTest {
protected:
    // Opens the options from the menu, reads them, lets `change` act, then closes with `close`.
    Choices Open(const Answer& change, const Answer& close) {
        Choices shown;
        ModalAnswer window([&](QWidget* w) {
            shown = {Ticked(w, 1034), Ticked(w, 1037), DialogItem<QCheckBox>(w, 1033)->isChecked(),
                     WindowText(w->focusWidget())};
            EXPECT_TRUE(w->windowFlags().testFlag(Qt::WindowCloseButtonHint));
            SaveScreenshot(w, "options");
            change(w);
            close(w);
        });
        Trigger("options");
        EXPECT_EQ(window.Window().title, "OPTION");
        return shown;
    }
};

// Normal level and speed, the box clear; cancel, Esc and the close box keep them; OK takes the
// choices and the next start leaves the opening out. That a run plays the options is the keyboard
// and announcement tests'.
TEST_F(OptionDlgTest, OnlyOkTakesTheChoices) {
    for (const auto& way : {ClickButton("ｷｬﾝｾﾙ"), PressKey(Qt::Key_Escape), kCloseWindow}) {
        EXPECT_EQ(Open(ChangeAll, way), Choices(2, 2, false, "OK"));
        EXPECT_EQ(Session().Options(), (GameOptions{Level::Normal, Speed::Normal, 0}))
            << "not kept";
    }
    Open(ChangeAll, ClickButton("OK"));
    EXPECT_EQ(Session().Options(), (GameOptions{Level::Hardest, Speed::Fastest, 1}));
    // Saved at once, so that a lost display later cannot lose them.
    EXPECT_EQ(IniProfile(ProfilePath()).GetProfileInt("Option", "Speed", 2), 0);
    Frame().close();
    StartAgain();
    EXPECT_EQ(app->Opening(), nullptr) << "the box left the opening in";
}

TEST_F(OptionDlgTest,
       EachGroupTicksItsStoredValueAndOneOutsideTicksNothingPlayingAtFactorOneAndTheSlowestPace) {
    Session().Options() = {Level{1}, Speed{0}, 1};
    EXPECT_EQ(Open([](QWidget*) {}, PressKey(Qt::Key_Escape)), Choices(1, 0, true, "OK"))
        << "each group ticked from its own value";
    Session().Options() = {Level{7}, Speed{9}, 5};
    // Only 1 ticks the box.
    EXPECT_EQ(Open([](QWidget*) {}, ClickButton("OK")), Choices(-1, -1, false, "OK"));
    // OK with nothing ticked stores -1, which plays like any value outside the group.
    EXPECT_EQ(Session().Options(), (GameOptions{Level{-1}, Speed{-1}, 0}));
    StartGame();
    EXPECT_EQ(
        std::make_pair(Session().TurnTimer().interval(), Session().GameRun().State().levelFactor),
        std::make_pair(7000, 1.0));
}

}  // namespace
}  // namespace zormade::test
