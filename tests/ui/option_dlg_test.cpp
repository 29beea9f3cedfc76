#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRadioButton>
#include <QTest>

#include "app_fixture.h"
#include "ui_helpers.h"

namespace zormade::test {
namespace {

constexpr int kLevelButtons[] = {1034, 1035, 1036};
constexpr int kSpeedButtons[] = {1037, 1038, 1039};
constexpr int kSkipOpening = 1033;

// What the dialog shows: the ticked position in each group (-1 for none) and the box.
struct Shown {
    int level = -2, speed = -2;
    bool skipOpening = false;
    QString focus;
    bool closeBox = false;
};

int Ticked(QWidget* dialog, const int (&ids)[3]) {
    int ticked = -1;
    for (int i = 0; i < 3; ++i) {
        if (DialogItem<QRadioButton>(dialog, ids[i])->isChecked()) ticked = ticked == -1 ? i : -3;
    }
    return ticked;
}

class OptionDlgTest : public AppTest {
protected:
    // Opens the options from the menu, reads them, lets `change` act on the dialog, then closes
    // it with `close`.
    Shown Open(const std::function<void(QWidget*)>& change, const std::function<void(QWidget*)>& close,
               const char* screenshot = nullptr) {
        Shown shown;
        ModalAnswer window([&](QWidget* w) {
            shown.level = Ticked(w, kLevelButtons);
            shown.speed = Ticked(w, kSpeedButtons);
            shown.skipOpening = DialogItem<QCheckBox>(w, kSkipOpening)->isChecked();
            shown.focus = WindowText(w->focusWidget());
            shown.closeBox = w->windowFlags().testFlag(Qt::WindowCloseButtonHint);
            if (screenshot) SaveScreenshot(w, screenshot);
            change(w);
            close(w);
        });
        Trigger(ID_OPTION);
        EXPECT_TRUE(window.Answered());
        EXPECT_EQ(window.Window().title, "OPTION");
        return shown;
    }

    static void Click(QWidget* dialog, int id) {
        QTest::mouseClick(DialogItem<QAbstractButton>(dialog, id), Qt::LeftButton);
    }

    // Picks the fastest speed, the hardest level and ticks the box.
    static void ChangeAll(QWidget* dialog) {
        Click(dialog, 1037);
        Click(dialog, 1034);
        Click(dialog, kSkipOpening);
    }

    void ExpectOptions(int level, int speed, int skipOpening, const char* when) {
        EXPECT_EQ(View().Options().level, level) << when;
        EXPECT_EQ(View().Options().speed, speed) << when;
        EXPECT_EQ(View().Options().skipOpening, skipOpening) << when;
    }

    void WriteProfile(const QByteArray& text) {
        QDir().mkpath(QFileInfo(ProfilePath()).absolutePath());
        QFile file(ProfilePath());
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(text);
    }
};

TEST_F(OptionDlgTest, WithoutAProfileBothGroupsShowNormalAndTheBoxIsClear) {
    const Shown shown = Open([](QWidget*) {}, PressKey(Qt::Key_Escape), "options");
    EXPECT_EQ(shown.level, 2);
    EXPECT_EQ(shown.speed, 2);
    EXPECT_FALSE(shown.skipOpening);
    EXPECT_EQ(shown.focus, "OK");
    EXPECT_TRUE(shown.closeBox);
}

TEST_F(OptionDlgTest, OkTakesTheChoicesAndTheNextRunPlaysThem) {
    Open(ChangeAll, ClickButton("OK"));
    ExpectOptions(0, 0, 1, "after OK");
    const Shown again = Open([](QWidget*) {}, PressKey(Qt::Key_Escape));
    EXPECT_EQ(again.level, 0);
    EXPECT_EQ(again.speed, 0);
    EXPECT_TRUE(again.skipOpening);

    StartGame();
    EXPECT_EQ(View().Timers().Interval(TURN_TIMER_ID), 3000);
    EXPECT_EQ(View().State().levelFactor, 1.5);
}

TEST_F(OptionDlgTest, CancelEscAndTheCloseBoxKeepTheOldValues) {
    const struct {
        const char* how;
        std::function<void(QWidget*)> close;
    } ways[] = {
        {"cancel button", ClickButton("ｷｬﾝｾﾙ")},
        {"Esc", PressKey(Qt::Key_Escape)},
        {"close box", [](QWidget* w) { w->close(); }},
    };
    for (const auto& way : ways) {
        Open(ChangeAll, way.close);
        ExpectOptions(2, 2, 0, way.how);
    }
}

TEST_F(OptionDlgTest, AStoredValueOutsideTheGroupTicksNothingAndPlaysAsTheMiddle) {
    WriteProfile("[Option]\nLevel=7\nSpeed=1\nOpening=5\n");
    StartAgain();
    ExpectOptions(7, 1, 5, "as read");
    const Shown shown = Open([](QWidget*) {}, ClickButton("OK"));
    EXPECT_EQ(shown.level, -1);
    EXPECT_EQ(shown.speed, 1);
    EXPECT_FALSE(shown.skipOpening);  // only 1 ticks the box
    // OK with no difficulty ticked stores -1, which plays like any value outside the group.
    ExpectOptions(-1, 1, 0, "after OK");
    StartGame();
    EXPECT_EQ(View().State().levelFactor, 1.0);
    EXPECT_EQ(View().Timers().Interval(TURN_TIMER_ID), 5000);
}

TEST_F(OptionDlgTest, ChoicesReachTheProfileAtExitAndComeBackAtTheNextStart) {
    Open(ChangeAll, ClickButton("OK"));
    Restart();
    ExpectOptions(0, 0, 1, "after the restart");
}

}  // namespace
}  // namespace zormade::test
