// SPDX-License-Identifier: GPL-3.0-or-later
#include <QAccessible>
#include <QListWidget>
#include <tuple>

#include "app_fixture.h"
#include "core/event_catalogue.h"
#include "ui/month_log_text.h"
#include "ui_helpers.h"

namespace zormade::test {
namespace {

// Start, pause, stop, ranking and options enabled, and the pause item's text.
using Menus = std::tuple<std::vector<bool>, QString>;
const Menus kIdle{{true, false, false, true, true}, "一時停止(&P)"};
const Menus kRunning{{false, true, true, false, false}, "一時停止(&P)"};
const Menus kPaused{{false, true, true, false, false}, "一時停止解除(&P)"};

class BoardTest : public AppTest {
protected:
    Menus ShownMenus() {
        std::vector<bool> enabled;
        for (int id : {ID_GAME_START, ID_GAME_PAUSE, ID_GAME_STOP, ID_RANKING, ID_OPTION})
            enabled.push_back(MenuItem(id)->isEnabled());
        return {enabled, MenuItem(ID_GAME_PAUSE)->text()};
    }

    // Answers the box of `command` with `button`, noting whether the run stood paused meanwhile.
    // The box comes from the menu, so the turn timer runs on behind it: a tick arrives while it is open.
    QStringList Answer(int command, const char* button, int* pausedWhileOpen = nullptr) {
        ModalAnswer box([&](QWidget* w) {
            if (pausedWhileOpen) *pausedWhileOpen = View().GameRun().Paused();
            View().OnTimer();
            ClickButton(button)(w);
        });
        Trigger(command);
        EXPECT_TRUE(box.Answered());
        return box.Window().TitleAndText();
    }
};

TEST_F(BoardTest, OpensInTheStartStateWithItsTitleAndMenu) {
    EXPECT_EQ(Frame().windowTitle(), "ＺＯＲＭade");
    ExpectStartBoard("at start-up");
    EXPECT_EQ(ShownMenus(), kIdle);
    // The year's four digits may need a smaller size; the month then reads alike beside it.
    QWidget* year = View().GetDlgItem(IDC_EDIT_YEAR);
    QWidget* month = View().GetDlgItem(IDC_EDIT_MONTH);
    EXPECT_EQ(year->font().pixelSize(), month->font().pixelSize());
    EXPECT_EQ(TextBaseline(year), TextBaseline(month));
    // Bordered fields and lists have the sunken edge of the three-dimensional look: dark above,
    // light below.
    for (int id : {IDC_EDIT_MONEY.id, IDC_LIST_LOG.id}) {
        const QImage edge = View().GetDlgItem(id)->grab().toImage();
        const int x = edge.width() / 2;
        EXPECT_LT(qGray(edge.pixel(x, 0)), qGray(edge.pixel(x, edge.height() - 1))) << id;
    }
    SaveScreenshot(&Frame(), "board-start");
}

// The board reads each slider into its own command and shows the month, worked out by hand for
// sliders 10 1 2 3 at level 2 (k = 0.5) in 1991: stamina − 22 × 0.5 × 1.5; money + 1.5 × 20000 ×
// 1.8 − 12000 − 3000; patients + 8; trust + 20 − 4; rival + 8 / 9 − 1.5 × 18; suspicion + 50 − 3.
TEST_F(BoardTest, ATickPlaysTheSlidersThroughTheCoreAndShowsTheMonth) {
    StartGame();
    EXPECT_EQ(ShownMenus(), kRunning);
    // clang-format off
    const std::pair<int, int> sliders[] = {
        {IDC_SLIDER_DOSE, 10}, {IDC_SLIDER_DONATION, 1}, {IDC_SLIDER_DEMAND, 2}, {IDC_SLIDER_COUNTER, 3}};
    // clang-format on
    for (const auto& [id, value] : sliders) Slider(id)->setValue(value);
    NextDraws(0, 0);
    View().OnTimer();
    const QStringList log{"体力   －－＞17減少",  "所持金－－＞39000増加", "患者数－－＞8人増加",
                          "ナガレ信頼－＞16増加", "鵺田君－－＞27減少",    "厚生省疑惑＞47増加"};
    EXPECT_EQ(LogLines(), log);
    // A screen reader reads the month's lines whole from the log.
    auto* heard = QAccessible::queryAccessibleInterface(View().Item<QListWidget>(IDC_LIST_LOG));
    ASSERT_NE(heard, nullptr);
    EXPECT_EQ(heard->text(QAccessible::Description), log.join('\n'));
    EXPECT_EQ(Board(), (std::vector<int>{1991, 2, 1539000, 8, 4983, 1816, 173, 447}));
    EXPECT_EQ(Slider(IDC_SLIDER_DOSE)->value(), 10);
    // Each bar's tip tells how near its value is to the end of the run.
    for (int later = 0; later < 3; ++later) {
        NextDraws(0, 0);
        View().OnTimer();
    }
    const StatusValues& now = View().State().values;
    // clang-format off
    const std::pair<int, QString> tips[] = {
        {IDC_PROGRESS_STAMINA, QString("体力　%1／5000\n体力。毎月のコマンドで減っていく。\n0を下回ると捕まる。").arg(now.stamina)},
        {IDC_PROGRESS_SUSPICION, QString("厚生省疑惑　%1／5000\n").arg(now.suspicion)},
        {IDC_PROGRESS_RIVAL, QString("鵺田君パワー　%1／5000\n").arg(now.rivalPower)},
        {IDC_PROGRESS_TRUST, QString("ナガレ薬研信頼　%1／5000\n").arg(now.trust)}};
    // clang-format on
    for (const auto& [id, start] : tips)
        EXPECT_TRUE(View().GetDlgItem(id)->toolTip().startsWith(start)) << id;
    EXPECT_NE(now.suspicion, 447) << "the months moved the values";
    SaveScreenshot(&Frame(), "board-running");
}

// The timer rests while the event and its result box are open, and comes back with the period of
// the speed chosen; the values move only after the box is closed, scaled by the level.
TEST_F(BoardTest, AnEventStopsTheTimerAndItsAnswerTakesEffectAfterTheResultBox) {
    View().Options().level = Level::Hardest;
    View().Options().speed = Speed::Fastest;
    StartGame();
    View().State().month = 6;
    NextDraws(0, 2);
    // The timer in the dialog and in the box, the stamina under the box; the dialog hidden under
    // the box is the event dialog test's.
    std::tuple<bool, bool, int> seen;
    EventAnswer answer(3, ClickButton("決定"));
    answer.whileDialogOpen = [&](CEventDlg&) { std::get<0>(seen) = View().TurnTimer().isActive(); };
    answer.whileBoxOpen = [&](QWidget*) {
        std::get<1>(seen) = View().TurnTimer().isActive();
        std::get<2>(seen) = View().State().values.stamina;
    };
    View().OnTimer();

    EXPECT_EQ(answer.Prompt(), QString::fromUtf8(EventRecordAt(2).prompt));
    EXPECT_EQ(seen, std::make_tuple(false, false, 5000));
    EXPECT_EQ(std::make_pair(View().TurnTimer().isActive(), View().TurnTimer().interval()),
              std::make_pair(true, 3000));
    // Event 2's fourth answer costs 100 stamina, half as much again at level 0.
    EXPECT_EQ(Board()[4], 4850);
}

// No tick plays a month while the run is paused, nor while the pause, resume or stop box is open.
TEST_F(BoardTest, PauseHoldsTheTicksAndStopAsksOnlyYesEndingTheRun) {
    StartGame();
    EXPECT_EQ(Answer(ID_GAME_PAUSE, "OK"), QStringList({"PAUSE", "一時停止します。"}));
    EXPECT_EQ(ShownMenus(), kPaused);
    View().OnTimer();
    EXPECT_TRUE(EditText(IDC_EDIT_MONTH) == "1" && LogLines().isEmpty() &&
                View().TurnTimer().isActive());

    int pausedWhileOpen = -1;
    EXPECT_EQ(Answer(ID_GAME_PAUSE, "OK", &pausedWhileOpen),
              QStringList({"PAUSE EXIT", "一時停止を解除します。"}));
    EXPECT_EQ(pausedWhileOpen, 1);
    EXPECT_EQ(ShownMenus(), kRunning);
    View().OnTimer();
    EXPECT_EQ(EditText(IDC_EDIT_MONTH), "2");

    Answer(ID_GAME_PAUSE, "OK");
    pausedWhileOpen = -1;
    EXPECT_EQ(Answer(ID_GAME_STOP, "いいえ", &pausedWhileOpen),
              QStringList({"STOP", "ゲームを中断します、よろしいですか？"}));
    EXPECT_EQ(pausedWhileOpen, 1);
    EXPECT_EQ(ShownMenus(), kRunning) << "after No, which also ends the pause";
    EXPECT_EQ(EditText(IDC_EDIT_MONTH), "2");

    Slider(IDC_SLIDER_COUNTER)->setValue(5);
    Answer(ID_GAME_STOP, "はい");
    ExpectStartBoard("after Yes");
    EXPECT_EQ(ShownMenus(), kIdle);
}

// What the engine notes instead of an amount reads as the board's sentence, and a line's direction
// as the engine decided it, not from its own amount.
TEST(MonthLogText, NotesAndDirectionsReadAsTheBoardsWords) {
    MonthLog log;
    log[0] = {LogNote::Change, 0, false};
    log[1] = {LogNote::MoneyGone};
    log[2] = {LogNote::NoNewPatients};
    log[3] = {LogNote::Change, 12, true};
    const QStringList lines = MonthLogText(log);
    EXPECT_EQ(lines.mid(0, 4), QStringList({"体力   －－＞0減少", "所持金－－＞そこをつきました。",
                                            "患者数－－＞増えていません。投与しましょう。",
                                            "ナガレ信頼－＞12増加"}));
    log[1] = {LogNote::DemandTooLarge};
    EXPECT_EQ(MonthLogText(log)[1], "所持金－－＞要求額が大きすぎます。");
    EXPECT_EQ(ScoreLineText(8997), "POINT:8997\r\n「わはははは！！」");
}

}  // namespace
}  // namespace zormade::test
