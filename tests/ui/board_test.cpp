#include "app_fixture.h"
#include "draw_seeds.h"
#include "event_answer.h"
#include "events/event_catalogue.h"
#include "game/monthly_turn.h"
#include "ui_helpers.h"

namespace zormade::test {
namespace {

struct MenuState {
    bool start, pauseAndStop, rankingAndOptions;
    const char* pauseText;
};
constexpr MenuState kIdle{true, false, true, "一時停止(&P)"};
constexpr MenuState kRunning{false, true, false, "一時停止(&P)"};
constexpr MenuState kPaused{false, true, false, "一時停止解除(&P)"};

class BoardTest : public AppTest {
protected:
    void ExpectMenus(const MenuState& s, const char* when) {
        EXPECT_EQ(MenuItem(ID_GAME_START)->isEnabled(), s.start) << when;
        EXPECT_EQ(MenuItem(ID_GAME_PAUSE)->isEnabled(), s.pauseAndStop) << when;
        EXPECT_EQ(MenuItem(ID_GAME_STOP)->isEnabled(), s.pauseAndStop) << when;
        EXPECT_EQ(MenuItem(ID_RANKING)->isEnabled(), s.rankingAndOptions) << when;
        EXPECT_EQ(MenuItem(ID_OPTION)->isEnabled(), s.rankingAndOptions) << when;
        EXPECT_EQ(MenuItem(ID_GAME_PAUSE)->text(), QString::fromUtf8(s.pauseText)) << when;
    }

    // Answers the pause command's box with OK, noting whether the run stood paused meanwhile.
    ModalAnswer::Seen Pause(int* pausedWhileOpen = nullptr) {
        ModalAnswer box([&](QWidget* w) {
            if (pausedWhileOpen) *pausedWhileOpen = View().State().paused;
            ClickButton("OK")(w);
        });
        Trigger(ID_GAME_PAUSE);
        EXPECT_TRUE(box.Answered());
        return box.Window();
    }
};

TEST_F(BoardTest, OpensInTheStartStateWithItsTitleAndMenu) {
    EXPECT_EQ(Frame().windowTitle(), "ＺＯＲＭade");
    ExpectStartBoard("at start-up");
    ExpectMenus(kIdle, "at start-up");
    // The year's four digits may need a smaller size; the month then reads alike beside it.
    QWidget* year = View().GetDlgItem(IDC_EDIT_YEAR);
    QWidget* month = View().GetDlgItem(IDC_EDIT_MONTH);
    EXPECT_EQ(year->font().pixelSize(), month->font().pixelSize());
    EXPECT_EQ(TextBaseline(year), TextBaseline(month));
    SaveScreenshot(&Frame(), "board-start");
}

// The board reads each slider into its own command and shows what the core made of the month.
TEST_F(BoardTest, ATickPlaysTheSlidersThroughTheCoreAndShowsTheMonth) {
    StartGame();
    EXPECT_EQ(View().Timers().Interval(TURN_TIMER_ID), 7000);
    ExpectMenus(kRunning, "running");
    const Sliders sliders{10, 1, 2, 3};
    Slider(IDC_SLIDER_DOSE)->setValue(sliders.dose);
    Slider(IDC_SLIDER_DONATION)->setValue(sliders.donation);
    Slider(IDC_SLIDER_DEMAND)->setValue(sliders.demand);
    Slider(IDC_SLIDER_COUNTER)->setValue(sliders.counter);
    GameState expected = View().State();
    const MonthResult month = RunMonthlyUpdate(expected, sliders, [] { return 0; }, [](int) {
        return StatusChange{};
    });
    View().OnTimer(TURN_TIMER_ID);

    QStringList log;
    for (const std::string& line : month.log) log << QString::fromStdString(line);
    EXPECT_EQ(LogLines(), log);
    const QStringList shown{EditText(IDC_EDIT_YEAR), EditText(IDC_EDIT_MONTH), EditText(IDC_EDIT_MONEY),
                            EditText(IDC_EDIT_PATIENTS)};
    EXPECT_EQ(shown, QStringList({"1991", "2", QString::number(expected.money),
                                  QString::number(expected.patients)}));
    const QList<int> bars{Bar(IDC_PROGRESS_STAMINA), Bar(IDC_PROGRESS_TRUST), Bar(IDC_PROGRESS_RIVAL),
                          Bar(IDC_PROGRESS_SUSPICION)};
    EXPECT_EQ(bars, QList<int>({expected.stamina, expected.trust, expected.rivalPower, expected.suspicion}));
    EXPECT_EQ(Slider(IDC_SLIDER_DOSE)->value(), 10);
    SaveScreenshot(&Frame(), "board-running");
}

// The timer rests while the event and its result box are open, and comes back with the period of
// the speed chosen; the values move only after the box is closed, scaled by the level.
TEST_F(BoardTest, AnEventStopsTheTimerAndItsAnswerTakesEffectAfterTheResultBox) {
    View().Options().level = 0;
    View().Options().speed = 0;
    StartGame();
    View().State().month = 6;
    View().Random().Seed(SeedDrawing(0, 2));
    bool timerDuringDialog = true, timerDuringBox = true, dialogVisibleUnderBox = true;
    int staminaUnderBox = 0;
    CEventDlg* dialog = nullptr;
    EventAnswer answer(3, ClickButton("決定"));
    answer.whileDialogOpen = [&](CEventDlg& d) {
        dialog = &d;
        timerDuringDialog = View().Timers().IsActive(TURN_TIMER_ID);
    };
    answer.whileBoxOpen = [&](QWidget*) {
        timerDuringBox = View().Timers().IsActive(TURN_TIMER_ID);
        dialogVisibleUnderBox = dialog && dialog->isVisible();
        staminaUnderBox = View().State().stamina;
    };
    View().OnTimer(TURN_TIMER_ID);

    ASSERT_TRUE(answer.BoxAnswered());
    EXPECT_EQ(answer.Prompt(), QString::fromUtf8(EventRecordAt(2).prompt));
    EXPECT_FALSE(timerDuringDialog);
    EXPECT_FALSE(timerDuringBox);
    EXPECT_FALSE(dialogVisibleUnderBox);
    EXPECT_EQ(staminaUnderBox, 5000);
    EXPECT_TRUE(View().Timers().IsActive(TURN_TIMER_ID));
    EXPECT_EQ(View().Timers().Interval(TURN_TIMER_ID), 3000);
    // Event 2's fourth answer costs 100 stamina, half as much again at level 0.
    EXPECT_EQ(Bar(IDC_PROGRESS_STAMINA), 4850);
}

TEST_F(BoardTest, PauseHoldsTheTicksAndStopAsksOnlyYesEndingTheRun) {
    StartGame();
    EXPECT_EQ(Pause().TitleAndText(), QStringList({"PAUSE", "一時停止します。"}));
    ExpectMenus(kPaused, "paused");
    View().OnTimer(TURN_TIMER_ID);
    EXPECT_EQ(EditText(IDC_EDIT_MONTH), "1");
    EXPECT_TRUE(LogLines().isEmpty());
    EXPECT_TRUE(View().Timers().IsActive(TURN_TIMER_ID));

    int pausedWhileOpen = -1;
    EXPECT_EQ(Pause(&pausedWhileOpen).TitleAndText(), QStringList({"PAUSE EXIT", "一時停止を解除します。"}));
    EXPECT_EQ(pausedWhileOpen, 1);
    ExpectMenus(kRunning, "resumed");
    View().OnTimer(TURN_TIMER_ID);
    EXPECT_EQ(EditText(IDC_EDIT_MONTH), "2");

    Pause();
    pausedWhileOpen = -1;
    {
        ModalAnswer no([&](QWidget* w) {
            pausedWhileOpen = View().State().paused;
            ClickButton("いいえ")(w);
        });
        Trigger(ID_GAME_STOP);
        EXPECT_EQ(no.Window().TitleAndText(), QStringList({"STOP", "ゲームを中断します、よろしいですか？"}));
    }
    EXPECT_EQ(pausedWhileOpen, 1);
    ExpectMenus(kRunning, "after No, which also ends the pause");
    EXPECT_EQ(EditText(IDC_EDIT_MONTH), "2");

    Slider(IDC_SLIDER_COUNTER)->setValue(5);
    ModalAnswer yes(ClickButton("はい"));
    Trigger(ID_GAME_STOP);
    ASSERT_TRUE(yes.Answered());
    ExpectStartBoard("after Yes");
    ExpectMenus(kIdle, "after Yes");
}

}  // namespace
}  // namespace zormade::test
