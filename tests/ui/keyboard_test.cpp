// SPDX-License-Identifier: GPL-3.0-or-later
// A whole game with the keyboard alone: the menu by its mnemonics, the dialogs by Tab, the arrow
// keys, Enter and Esc, the sliders by Tab and the arrow keys. Only the turn timer is the test's:
// it ticks when the test says, not every few seconds.
#include <QApplication>
#include <QMenu>
#include <QRadioButton>
#include <QTest>
#include <algorithm>

#include "app_fixture.h"
#include "platform/template_controls.h"
#include "ui_helpers.h"

namespace zormade::test {
namespace {

constexpr int kMaxTabs = 30;

// Where a key the player presses in `window` goes: the open drop-down, else the window's
// control with the focus.
QWidget* KeyTarget(QWidget* window) {
    if (QWidget* popup = QApplication::activePopupWidget()) return popup;
    if (QWidget* focus = window->window()->focusWidget()) return focus;
    return window;
}

void Press(QWidget* window, Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    QTest::keyClick(KeyTarget(window), key, modifiers);
}

// Tabs through `window` until control `id` has the focus; false when the tab order never gets there.
bool TabTo(QWidget* window, int id) {
    QWidget* wanted = dynamic_cast<TemplateControls&>(*window).Item<QWidget>(id);
    for (int i = 0; i < kMaxTabs && KeyTarget(window) != wanted; ++i) Press(window, Qt::Key_Tab);
    return KeyTarget(window) == wanted;
}

std::function<void(QWidget*)> Keys(std::vector<Qt::Key> keys) {
    return [keys](QWidget* window) {
        for (Qt::Key key : keys) Press(window, key);
    };
}

// Tab stops at each group's ticked button only; Up ticks the faster ones, Enter is OK.
void FastestByKeys(QWidget* dialog) {
    const auto item = [dialog](int id) { return DialogItem<QRadioButton>(dialog, id); };
    ASSERT_TRUE(TabTo(dialog, 1033));
    for (int ticked : {1036, 1039}) {
        Press(dialog, Qt::Key_Tab);
        EXPECT_EQ(KeyTarget(dialog), item(ticked)) << "not the group's ticked button";
    }
    // The arrows move from the application's focus widget; the offscreen platform may still
    // count another window active.
    QApplication::setActiveWindow(dialog);
    Keys({Qt::Key_Up, Qt::Key_Up})(dialog);
    EXPECT_TRUE(item(1037)->isChecked());
    EXPECT_EQ(KeyTarget(dialog), item(1037));
    Press(dialog, Qt::Key_Return);
}

void TypeName(QWidget* rankIn) {
    ASSERT_TRUE(TabTo(rankIn, 1029));
    TypeText(KeyTarget(rankIn), "KEYS");
    Press(rankIn, Qt::Key_Return);
}

class KeyboardTest : public AppTest {
protected:
    // A desktop gives the keyboard back to the main window when a dialog over it closes; the
    // offscreen platform has no window manager to do that.
    void BackToTheMainWindow() {
        if (QApplication::activeWindow() == &Frame()) return;
        Frame().activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&Frame()));
    }

    // Alt and the menu's letter open the drop-down; the item's letter picks the command.
    void Menu(Qt::Key menu, Qt::Key item) {
        BackToTheMainWindow();
        Press(&Frame(), menu, Qt::AltModifier);
        ASSERT_TRUE(qobject_cast<QMenu*>(QApplication::activePopupWidget())) << "no drop-down";
        Press(&Frame(), item);
    }

    // The sliders as the player leaves them: each moved from 0 by the right arrow, which stops at 25.
    void MoveSlider(ControlId<QSlider> id, int presses) {
        BackToTheMainWindow();
        ASSERT_TRUE(TabTo(&View(), id.id)) << id.id;
        for (int i = 0; i < presses; ++i) Press(&Frame(), Qt::Key_Right);
        EXPECT_EQ(Slider(id)->value(), std::min(presses, 25)) << id.id;
    }

    // Picks a command by its letters, answering the window it opens with `answer`; gives its title.
    QString MenuWindow(Qt::Key menu, Qt::Key item, const std::function<void(QWidget*)>& answer) {
        ModalAnswer window(answer);
        Menu(menu, item);
        return window.Window().title;
    }

    void Tick() { Session().Tick(); }
};

// Each read-only number field is a tab stop and shows the focus: its number turns selected.
TEST_F(KeyboardTest, TheReadOnlyNumberFieldsShowTheFocus) {
    BackToTheMainWindow();
    for (int id : {Board::kMoneyEdit.id, Board::kPatientsEdit.id, Board::kMonthEdit.id,
                   Board::kYearEdit.id}) {
        QWidget* field = View().Item<QWidget>(id);
        const QImage unfocused = field->grab().toImage();
        ASSERT_TRUE(TabTo(&View(), id)) << id;
        EXPECT_NE(field->grab().toImage(), unfocused) << id;
    }
}

// The right arrow stops at 25; that a month plays the sliders' values is the board test's.
TEST_F(KeyboardTest, ASliderStopsAt25) {
    StartGame();
    MoveSlider(Board::kDoseSlider, 30);
}

TEST_F(KeyboardTest, AWholeGameIsPlayedWithTheKeyboardAlone) {
    ASSERT_EQ(MenuWindow(Qt::Key_M, Qt::Key_O, FastestByKeys), "OPTION");
    ASSERT_EQ(MenuWindow(Qt::Key_M, Qt::Key_S, PressKey(Qt::Key_Return)), "ZORMADE");
    EXPECT_EQ(Session().GameRun().TimerPeriod(), 3000);
    MoveSlider(Board::kDoseSlider, 2);
    MoveSlider(Board::kDemandSlider, 3);
    MoveSlider(Board::kCounterSlider, 2);

    for (int month = 1; month <= 3; ++month) Tick();  // no event before April
    {
        // April 1991 puts its event: the second answer by the arrow key, Enter, then Enter on
        // the result box.
        NextDraws(2, 2);
        ModalSequence event({Keys({Qt::Key_Down, Qt::Key_Return}), PressKey(Qt::Key_Return)});
        Tick();
        EXPECT_EQ(event.Titles(), QStringList({"EVENT", "結果"}));
    }
    for (const char* title : {"PAUSE", "PAUSE EXIT"})
        EXPECT_EQ(MenuWindow(Qt::Key_M, Qt::Key_P, PressKey(Qt::Key_Return)), title);
    // Esc on the stop question is No: the run goes on.
    EXPECT_EQ(MenuWindow(Qt::Key_M, Qt::Key_E, PressKey(Qt::Key_Escape)), "STOP");
    EXPECT_TRUE(Session().GameRun().Running() && !Session().GameRun().Paused());

    // The months to December 1996; an event that comes is answered with Enter twice.
    Session().Random().Seed(1);
    while (Session().GameRun().State().year < 1996 || Session().GameRun().State().month < 12) {
        ASSERT_FALSE(Session().GameRun().State().caught)
            << "caught in " << Session().GameRun().State().year;
        ModalSequence anyEvent({PressKey(Qt::Key_Return), PressKey(Qt::Key_Return)});
        Tick();
    }
    {
        // December 1996 clears the run: Enter on the end, the name typed after a Tab to its
        // box and Enter, then Enter on the ranking.
        ModalSequence clear({PressKey(Qt::Key_Return), TypeName, PressKey(Qt::Key_Return)});
        Tick();
        EXPECT_EQ(clear.Titles(), QStringList({"END", "RANK IN!!", "RANKING"}));
    }
    EXPECT_TRUE(Session().Ranking().names[0] == "KEYS" && !Session().GameRun().Running());
    EXPECT_EQ(MenuWindow(Qt::Key_M, Qt::Key_R, PressKey(Qt::Key_Escape)), "RANKING");

    Menu(Qt::Key_M, Qt::Key_X);
    EXPECT_FALSE(Frame().isVisible());
    StartAgain();
    EXPECT_TRUE(Session().Ranking().names[0] == "KEYS" &&
                Session().Options().speed == Speed::Fastest)
        << "the exit wrote the profile";
}

}  // namespace
}  // namespace zormade::test
