#include "app_fixture.h"
#include "draw_seeds.h"
#include "event_answer.h"
#include "events/event_catalogue.h"

namespace zormade::test {
namespace {

class EventTurnTest : public AppTest {
protected:
    // A running game at `level`, with the next turn dated year/month and drawing d1, d2.
    void StartAt(int level, int year, int month, int d1, int d2) {
        View().Options().level = level;
        ModalAnswer briefing(PressKey(Qt::Key_Escape));
        Trigger(ID_GAME_START);
        ASSERT_TRUE(briefing.Answered());
        View().State().year = year;
        View().State().month = month;
        View().Random().Seed(SeedDrawing(d1, d2));
    }

    QString Prompt(int event) { return QString::fromUtf8(EventRecordAt(event).prompt); }
};

TEST_F(EventTurnTest, AScheduledMonthOpensItsEventOnlyWhenTheSecondDrawIsTwo) {
    struct Case {
        const char* name;
        int year, month, d1, d2;
        int event;  // -1: no dialog
    };
    const Case cases[] = {
        {"1991/4, first draw 2", 1991, 4, 2, 2, 1},
        {"1991/4, first draw 0", 1991, 4, 0, 2, 0},
        {"1993/8 holds event 13", 1993, 8, 1, 2, 13},
        {"1991/4, second draw 1", 1991, 4, 2, 1, -1},
        {"1991/4, second draw 0", 1991, 4, 0, 0, -1},
        {"1991/5 has no event", 1991, 5, 2, 2, -1},
    };
    for (const Case& c : cases) {
        StartAt(1, c.year, c.month, c.d1, c.d2);
        {
            EventAnswer answer(0, PressKey(Qt::Key_Return));
            View().OnTimer(TURN_TIMER_ID);
            EXPECT_EQ(answer.DialogAnswered(), c.event >= 0) << c.name;
            if (c.event >= 0) {
                EXPECT_EQ(answer.Prompt(), Prompt(c.event)) << c.name;
            }
        }
        EXPECT_EQ(LogLines().size(), 6) << c.name;
        ModalAnswer yes(ClickButton("はい"));
        Trigger(ID_GAME_STOP);
    }
}

// The timer rests while the dialog and its result box are open, the box comes once the dialog is
// hidden, and the values move only after the box is closed.
TEST_F(EventTurnTest, TheAnswerTakesEffectAfterItsResultBoxWithTheTimerStoppedMeanwhile) {
    StartAt(0, 1991, 6, 0, 2);
    bool timerDuringDialog = true, timerDuringBox = true, dialogVisibleUnderBox = true;
    int staminaShownUnderBox = 0, staminaStoredUnderBox = 0;
    CEventDlg* dialog = nullptr;
    EventAnswer answer(3, ClickButton("決定"));
    answer.whileDialogOpen = [&](CEventDlg& d) {
        dialog = &d;
        timerDuringDialog = View().Timers().IsActive(TURN_TIMER_ID);
    };
    answer.whileBoxOpen = [&](QWidget*) {
        timerDuringBox = View().Timers().IsActive(TURN_TIMER_ID);
        dialogVisibleUnderBox = dialog && dialog->isVisible();
        staminaShownUnderBox = Bar(IDC_PROGRESS_STAMINA);
        staminaStoredUnderBox = View().State().stamina;
    };
    View().OnTimer(TURN_TIMER_ID);

    ASSERT_TRUE(answer.BoxAnswered());
    EXPECT_EQ(answer.Prompt(), Prompt(2));
    EXPECT_FALSE(timerDuringDialog);
    EXPECT_FALSE(timerDuringBox);
    EXPECT_FALSE(dialogVisibleUnderBox);
    EXPECT_EQ(staminaShownUnderBox, 5000);
    EXPECT_EQ(staminaStoredUnderBox, 5000);
    EXPECT_TRUE(View().Timers().IsActive(TURN_TIMER_ID));
    EXPECT_EQ(View().Timers().Interval(TURN_TIMER_ID), View().State().timerPeriod);
    // Event 2's fourth answer costs 100 stamina, half as much again at level 0.
    EXPECT_EQ(View().State().stamina, 4850);
    EXPECT_EQ(Bar(IDC_PROGRESS_STAMINA), 4850);
}

// With the sliders at 0 the month itself moves nothing, so the values show the answer alone.
TEST_F(EventTurnTest, AnAnswersHarmIsScaledByTheLevel) {
    struct Case {
        const char* name;
        int level, year, month, d1, event, row;
        int stamina, rival, suspicion;
    };
    const Case cases[] = {
        {"-100 stamina at level 0 removes 150", 0, 1991, 6, 0, 2, 3, 4850, 200, 400},
        {"+100 rival at level 2 adds 50, -50 stamina removes 25", 2, 1991, 11, 0, 3, 3, 4975, 250, 400},
        {"+100 suspicion at level 1 adds 100", 1, 1991, 11, 0, 3, 1, 5000, 200, 500},
        {"event 39's first answer changes nothing", 0, 1996, 5, 0, 39, 0, 5000, 200, 400},
    };
    for (const Case& c : cases) {
        StartAt(c.level, c.year, c.month, c.d1, 2);
        {
            EventAnswer answer(c.row, PressKey(Qt::Key_Return));
            View().OnTimer(TURN_TIMER_ID);
            ASSERT_TRUE(answer.BoxAnswered()) << c.name;
            EXPECT_EQ(answer.Prompt(), Prompt(c.event)) << c.name;
        }
        EXPECT_EQ(View().State().stamina, c.stamina) << c.name;
        EXPECT_EQ(View().State().rivalPower, c.rival) << c.name;
        EXPECT_EQ(View().State().suspicion, c.suspicion) << c.name;
        EXPECT_EQ(View().State().money, 1500000) << c.name;
        ModalAnswer yes(ClickButton("はい"));
        Trigger(ID_GAME_STOP);
    }
}

}  // namespace
}  // namespace zormade::test
