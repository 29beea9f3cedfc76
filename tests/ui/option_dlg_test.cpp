#include <QCheckBox>
#include <QRadioButton>
#include <QTest>
#include <tuple>

#include "app_fixture.h"
#include "ui_helpers.h"

namespace zormade::test {
namespace {

// What the dialog shows: the ticked level and speed (-1 for none), the box and the focused control.
using Shown = std::tuple<int, int, bool, QString>;

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

};

// Normal level and speed, the box clear; cancel, Esc and the close box keep them; OK takes the
// choices and the next run plays them.
TEST_F(OptionDlgTest, OnlyOkTakesTheChoicesAndTheNextRunPlaysThem) {
    const std::function<void(QWidget*)> ways[] = {ClickButton("ｷｬﾝｾﾙ"), PressKey(Qt::Key_Escape),
                                                  [](QWidget* w) { w->close(); }};
    for (const auto& way : ways) {
        EXPECT_EQ(Open(ChangeAll, way), Shown(2, 2, false, "OK"));
        EXPECT_EQ(View().Options(), (GameOptions{2, 2, 0})) << "after leaving without OK";
    }
    Open(ChangeAll, ClickButton("OK"));
    EXPECT_EQ(View().Options(), (GameOptions{0, 0, 1}));
    StartGame();
    EXPECT_EQ(View().Timers().Interval(TURN_TIMER_ID), 3000);
    EXPECT_EQ(View().State().levelFactor, 1.5);
}

TEST_F(OptionDlgTest, AStoredValueOutsideTheGroupTicksNothingAndPlaysAsTheMiddle) {
    View().Options() = {7, 1, 5};
    // Only 1 ticks the box.
    EXPECT_EQ(Open([](QWidget*) {}, ClickButton("OK")), Shown(-1, 1, false, "OK"));
    // OK with no difficulty ticked stores -1, which plays like any value outside the group.
    EXPECT_EQ(View().Options(), (GameOptions{-1, 1, 0}));
    StartGame();
    EXPECT_EQ(View().State().levelFactor, 1.0);
    EXPECT_EQ(View().Timers().Interval(TURN_TIMER_ID), 5000);
}

}  // namespace
}  // namespace zormade::test
