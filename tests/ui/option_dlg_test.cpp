#include <QCheckBox>
#include <QRadioButton>
#include <QTest>

#include "app_fixture.h"
#include "ui_helpers.h"

namespace zormade::test {
namespace {

// What the dialog shows: the ticked level and speed (-1 for none) and the box.
struct Shown {
    int level = -2, speed = -2;
    bool skipOpening = false;
    QString focus;
};

int Ticked(QWidget* dialog, int firstId) {
    int ticked = -1;
    for (int i = 0; i < 3; ++i) {
        if (DialogItem<QRadioButton>(dialog, firstId + i)->isChecked()) ticked = ticked == -1 ? i : -3;
    }
    return ticked;
}

// Picks the fastest speed, the hardest level and ticks the box.
void ChangeAll(QWidget* dialog) {
    for (int id : {1037, 1034, 1033}) QTest::mouseClick(DialogItem<QAbstractButton>(dialog, id), Qt::LeftButton);
}

class OptionDlgTest : public AppTest {
protected:
    // Opens the options from the menu, reads them, lets `change` act, then closes with `close`.
    Shown Open(const std::function<void(QWidget*)>& change, const std::function<void(QWidget*)>& close) {
        Shown shown;
        ModalAnswer window([&](QWidget* w) {
            shown = {Ticked(w, 1034), Ticked(w, 1037), DialogItem<QCheckBox>(w, 1033)->isChecked(),
                     WindowText(w->focusWidget())};
            EXPECT_TRUE(w->windowFlags().testFlag(Qt::WindowCloseButtonHint));
            SaveScreenshot(w, "options");
            change(w);
            close(w);
        });
        Trigger(ID_OPTION);
        EXPECT_TRUE(window.Answered());
        EXPECT_EQ(window.Window().title, "OPTION");
        return shown;
    }

    void ExpectOptions(int level, int speed, int skipOpening, const char* when) {
        EXPECT_EQ(View().Options().level, level) << when;
        EXPECT_EQ(View().Options().speed, speed) << when;
        EXPECT_EQ(View().Options().skipOpening, skipOpening) << when;
    }
};

// Normal level and speed, the box clear; cancel, Esc and the close box keep them; OK takes the
// choices and the next run plays them.
TEST_F(OptionDlgTest, OnlyOkTakesTheChoicesAndTheNextRunPlaysThem) {
    const std::function<void(QWidget*)> ways[] = {ClickButton("ｷｬﾝｾﾙ"), PressKey(Qt::Key_Escape),
                                                  [](QWidget* w) { w->close(); }};
    for (const auto& way : ways) {
        const Shown shown = Open(ChangeAll, way);
        EXPECT_EQ(shown.level, 2);
        EXPECT_EQ(shown.speed, 2);
        EXPECT_FALSE(shown.skipOpening);
        EXPECT_EQ(shown.focus, "OK");
        ExpectOptions(2, 2, 0, "after leaving without OK");
    }
    Open(ChangeAll, ClickButton("OK"));
    ExpectOptions(0, 0, 1, "after OK");
    StartGame();
    EXPECT_EQ(View().Timers().Interval(TURN_TIMER_ID), 3000);
    EXPECT_EQ(View().State().levelFactor, 1.5);
}

TEST_F(OptionDlgTest, AStoredValueOutsideTheGroupTicksNothingAndPlaysAsTheMiddle) {
    View().Options() = {7, 1, 5};
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

}  // namespace
}  // namespace zormade::test
