#include <QMenuBar>
#include <QTest>

#include "app_fixture.h"
#include "draw_seeds.h"
#include "ui_helpers.h"

namespace zormade::test {
namespace {

struct MenuState {
    bool start, pause, stop, ranking, options;
    const char* pauseText;
};

class BoardTest : public AppTest {
protected:
    void ExpectMenus(const MenuState& s, const char* when) {
        EXPECT_EQ(MenuItem(ID_GAME_START)->isEnabled(), s.start) << when;
        EXPECT_EQ(MenuItem(ID_GAME_PAUSE)->isEnabled(), s.pause) << when;
        EXPECT_EQ(MenuItem(ID_GAME_STOP)->isEnabled(), s.stop) << when;
        EXPECT_EQ(MenuItem(ID_RANKING)->isEnabled(), s.ranking) << when;
        EXPECT_EQ(MenuItem(ID_OPTION)->isEnabled(), s.options) << when;
        EXPECT_EQ(MenuItem(ID_GAME_PAUSE)->text(), QString::fromUtf8(s.pauseText)) << when;
        EXPECT_TRUE(MenuItem(ID_APP_EXIT)->isEnabled()) << when;
    }

    void ExpectStartBoard(const char* when) {
        EXPECT_EQ(EditText(IDC_EDIT_YEAR), "1991") << when;
        EXPECT_EQ(EditText(IDC_EDIT_MONTH), "1") << when;
        EXPECT_EQ(EditText(IDC_EDIT_MONEY), "1500000") << when;
        EXPECT_EQ(EditText(IDC_EDIT_PATIENTS), "0") << when;
        EXPECT_EQ(Bar(IDC_PROGRESS_STAMINA), 5000) << when;
        EXPECT_EQ(Bar(IDC_PROGRESS_TRUST), 1800) << when;
        EXPECT_EQ(Bar(IDC_PROGRESS_RIVAL), 200) << when;
        EXPECT_EQ(Bar(IDC_PROGRESS_SUSPICION), 400) << when;
        for (int id : {IDC_SLIDER_DOSE, IDC_SLIDER_DONATION, IDC_SLIDER_DEMAND, IDC_SLIDER_COUNTER}) {
            EXPECT_EQ(Slider(id)->value(), 0) << when;
            EXPECT_EQ(Slider(id)->maximum(), 25) << when;
        }
        EXPECT_TRUE(LogLines().isEmpty()) << when;
        EXPECT_FALSE(View().Timers().IsActive(TURN_TIMER_ID)) << when;
    }

    static constexpr MenuState kIdle{true, false, false, true, true, "一時停止(&P)"};
    static constexpr MenuState kRunning{false, true, true, false, false, "一時停止(&P)"};
    static constexpr MenuState kPaused{false, true, true, false, false, "一時停止解除(&P)"};
};

TEST_F(BoardTest, OpensInTheStartStateWithItsTitleAndMenu) {
    EXPECT_EQ(Frame().windowTitle(), "ＺＯＲＭade");
    const QList<QAction*> dropDowns = Frame().menuBar()->actions();
    ASSERT_EQ(dropDowns.size(), 2);
    EXPECT_EQ(dropDowns[0]->text(), "ﾒﾆｭｰ(&M)");
    EXPECT_EQ(dropDowns[1]->text(), "ﾍﾙﾌﾟ(&H)");
    EXPECT_EQ(dropDowns[0]->menu()->actions().size(), 8);
    EXPECT_EQ(Frame().frameGeometry().size(), QSize(555, 544));
    ExpectStartBoard("at start-up");
    ExpectMenus(kIdle, "at start-up");
    // The year's four digits may need a smaller size; the month then reads alike beside it.
    QWidget* year = View().GetDlgItem(IDC_EDIT_YEAR);
    QWidget* month = View().GetDlgItem(IDC_EDIT_MONTH);
    EXPECT_EQ(year->font().pixelSize(), month->font().pixelSize());
    EXPECT_EQ(TextBaseline(year), TextBaseline(month));
    SaveScreenshot(&Frame(), "board-start");
}

TEST_F(BoardTest, StartShowsTheBriefingThenTicksPlayMonths) {
    StartGame();
    EXPECT_TRUE(View().Timers().IsActive(TURN_TIMER_ID));
    EXPECT_EQ(View().Timers().Interval(TURN_TIMER_ID), 7000);
    EXPECT_EQ(View().State().levelFactor, 0.5);
    ExpectMenus(kRunning, "running");
    View().Random().Seed(SeedWithoutEvents(12));

    Slider(IDC_SLIDER_DOSE)->setValue(10);
    View().OnTimer(TURN_TIMER_ID);
    EXPECT_EQ(LogLines(), QStringList({"体力   －－＞8減少", "所持金－－＞0減少", "患者数－－＞8人増加",
                                       "ナガレ信頼－＞20増加", "鵺田君－－＞0増加", "厚生省疑惑＞50増加"}));
    EXPECT_EQ(EditText(IDC_EDIT_MONTH), "2");
    EXPECT_EQ(EditText(IDC_EDIT_YEAR), "1991");
    EXPECT_EQ(EditText(IDC_EDIT_PATIENTS), "8");
    EXPECT_EQ(Bar(IDC_PROGRESS_STAMINA), 4992);
    EXPECT_EQ(Bar(IDC_PROGRESS_TRUST), 1820);
    EXPECT_EQ(Bar(IDC_PROGRESS_SUSPICION), 450);
    EXPECT_EQ(Slider(IDC_SLIDER_DOSE)->value(), 10);

    // Eleven more months turn the year.
    for (int i = 0; i < 11; ++i) View().OnTimer(TURN_TIMER_ID);
    EXPECT_EQ(EditText(IDC_EDIT_YEAR), "1992");
    EXPECT_EQ(EditText(IDC_EDIT_MONTH), "1");
    EXPECT_EQ(LogLines().size(), 6);
    SaveScreenshot(&Frame(), "board-running");
}

TEST_F(BoardTest, PauseHoldsTheTicksUntilItsSecondBoxCloses) {
    StartGame();
    {
        ModalAnswer box(ClickButton("OK"));
        Trigger(ID_GAME_PAUSE);
        ASSERT_TRUE(box.Answered());
        EXPECT_EQ(box.Window().title, "PAUSE");
        EXPECT_EQ(box.Window().text, "一時停止します。");
    }
    ExpectMenus(kPaused, "paused");
    View().OnTimer(TURN_TIMER_ID);
    EXPECT_EQ(EditText(IDC_EDIT_MONTH), "1");
    EXPECT_TRUE(LogLines().isEmpty());
    EXPECT_TRUE(View().Timers().IsActive(TURN_TIMER_ID));

    int pausedWhileOpen = -1;
    {
        ModalAnswer box([&](QWidget* w) {
            pausedWhileOpen = View().State().paused;
            ClickButton("OK")(w);
        });
        Trigger(ID_GAME_PAUSE);
        ASSERT_TRUE(box.Answered());
        EXPECT_EQ(box.Window().title, "PAUSE EXIT");
        EXPECT_EQ(box.Window().text, "一時停止を解除します。");
    }
    EXPECT_EQ(pausedWhileOpen, 1);
    ExpectMenus(kRunning, "resumed");
    View().OnTimer(TURN_TIMER_ID);
    EXPECT_EQ(EditText(IDC_EDIT_MONTH), "2");
}

TEST_F(BoardTest, StopAsksAndOnlyYesEndsTheRun) {
    StartGame();
    View().OnTimer(TURN_TIMER_ID);
    {
        ModalAnswer pause(ClickButton("OK"));
        Trigger(ID_GAME_PAUSE);
    }
    int pausedWhileAsked = -1;
    {
        ModalAnswer no([&](QWidget* w) {
            pausedWhileAsked = View().State().paused;
            ClickButton("いいえ")(w);
        });
        Trigger(ID_GAME_STOP);
        ASSERT_TRUE(no.Answered());
        EXPECT_EQ(no.Window().title, "STOP");
        EXPECT_EQ(no.Window().text, "ゲームを中断します、よろしいですか？");
    }
    EXPECT_EQ(pausedWhileAsked, 1);
    ExpectMenus(kRunning, "after No, which also ends the pause");
    EXPECT_TRUE(View().Timers().IsActive(TURN_TIMER_ID));
    EXPECT_EQ(EditText(IDC_EDIT_MONTH), "2");

    Slider(IDC_SLIDER_COUNTER)->setValue(5);
    {
        ModalAnswer yes(ClickButton("はい"));
        Trigger(ID_GAME_STOP);
        ASSERT_TRUE(yes.Answered());
    }
    ExpectStartBoard("after Yes");
    ExpectMenus(kIdle, "after Yes");
}

TEST_F(BoardTest, ARunEndsOneTickAfterTheCaptureOrAtDecember1996) {
    StartGame();
    View().State().caught = 1;
    {
        ModalAnswer end(PressKey(Qt::Key_Escape));
        View().OnTimer(TURN_TIMER_ID);
        EXPECT_EQ(end.Window().title, "END");
    }
    ExpectStartBoard("after a capture");
    ExpectMenus(kIdle, "after a capture");

    StartGame();
    View().State().year = 1996;
    View().State().month = 12;
    {
        ModalAnswer end(PressKey(Qt::Key_Escape));
        View().OnTimer(TURN_TIMER_ID);
        EXPECT_EQ(end.Window().title, "END");
    }
    ExpectStartBoard("after a clear");
    ExpectMenus(kIdle, "after a clear");
}

}  // namespace
}  // namespace zormade::test
