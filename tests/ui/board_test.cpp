// SPDX-License-Identifier: GPL-3.0-or-later
#include <QAccessible>
#include <QListWidget>
#include <QProgressBar>
#include <tuple>

#include "app_fixture.h"
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
        for (const char* id : {"start", "pause", "stop", "ranking", "options"})
            enabled.push_back(MenuItem(id)->isEnabled());
        return {enabled, MenuItem("pause")->text()};
    }

    // Answers the box of `command` with `button`, noting whether the run stood paused meanwhile.
    // The box comes from the menu, so the turn timer runs on behind it: a tick arrives while it is
    // open.
    QStringList Answer(const char* command, const char* button, int* pausedWhileOpen = nullptr) {
        ModalAnswer box([&](QWidget* w) {
            if (pausedWhileOpen) *pausedWhileOpen = Session().GameRun().Paused();
            Session().Tick();
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
    QWidget* year = &View().Control(Board::kYearEdit);
    QWidget* month = &View().Control(Board::kMonthEdit);
    EXPECT_EQ(year->font().pixelSize(), month->font().pixelSize());
    EXPECT_EQ(TextBaseline(year), TextBaseline(month));
    // Bordered fields and lists have the sunken edge of the three-dimensional look: dark above,
    // light below.
    for (int id : {Board::kMoneyEdit.id, Board::kLog.id}) {
        const QImage edge = View().Item<QWidget>(id)->grab().toImage();
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
    const std::pair<ControlId<QSlider>, int> sliders[] = {{Board::kDoseSlider, 10},
                                                          {Board::kDonationSlider, 1},
                                                          {Board::kDemandSlider, 2},
                                                          {Board::kCounterSlider, 3}};
    for (const auto& [id, value] : sliders) Slider(id)->setValue(value);
    NextDraws(0, 0);
    Session().Tick();
    const QStringList log{"体力   －－＞17減少",  "所持金－－＞39000増加", "患者数－－＞8人増加",
                          "ナガレ信頼－＞16増加", "鵺田君－－＞27減少",    "厚生省疑惑＞47増加"};
    EXPECT_EQ(LogLines(), log);
    // A screen reader reads the month's lines whole from the log.
    auto* heard = QAccessible::queryAccessibleInterface(&View().Control(Board::kLog));
    ASSERT_NE(heard, nullptr);
    EXPECT_EQ(heard->text(QAccessible::Description), log.join('\n'));
    EXPECT_EQ(BoardValues(), (std::vector<int>{1991, 2, 1539000, 8, 4983, 1816, 173, 447}));
    EXPECT_EQ(Slider(Board::kDoseSlider)->value(), 10);
    // Each bar's tip tells how near its value is to the end of the run, above what it says of it.
    for (int later = 0; later < 3; ++later) {
        NextDraws(0, 0);
        Session().Tick();
    }
    const StatusValues& now = Session().GameRun().State().values;
    // The value and limit above what the template's tip says of the bar.
    const std::pair<ControlId<QProgressBar>, QString> tips[] = {
        {Board::kStaminaBar, QString("体力　%1／5000").arg(now.stamina)},
        {Board::kSuspicionBar, QString("厚生省疑惑　%1／5000").arg(now.suspicion)},
        {Board::kRivalBar, QString("鵺田君パワー　%1／5000").arg(now.rivalPower)},
        {Board::kTrustBar, QString("ナガレ薬研信頼　%1／5000").arg(now.trust)}};
    for (const auto& [id, first] : tips) {
        const QString tip = View().Control(id).toolTip();
        EXPECT_EQ(tip, first + "\n" + View().TemplateOf(id.id)->tip) << id.id;
    }
    EXPECT_NE(now.suspicion, 447) << "the months moved the values";
    SaveScreenshot(&Frame(), "board-running");
}

// No tick plays a month while the run is paused, nor while the pause, resume or stop box is open.
TEST_F(BoardTest, PauseHoldsTheTicksAndStopAsksOnlyYesEndingTheRun) {
    StartGame();
    EXPECT_EQ(Answer("pause", "OK"), QStringList({"PAUSE", "一時停止します。"}));
    EXPECT_EQ(ShownMenus(), kPaused);
    Session().Tick();
    EXPECT_TRUE(EditText(Board::kMonthEdit) == "1" && LogLines().isEmpty() &&
                Session().TurnTimer().isActive());

    int pausedWhileOpen = -1;
    EXPECT_EQ(Answer("pause", "OK", &pausedWhileOpen),
              QStringList({"PAUSE EXIT", "一時停止を解除します。"}));
    EXPECT_EQ(pausedWhileOpen, 1);
    EXPECT_EQ(ShownMenus(), kRunning);
    Session().Tick();
    EXPECT_EQ(EditText(Board::kMonthEdit), "2");

    Answer("pause", "OK");
    pausedWhileOpen = -1;
    EXPECT_EQ(Answer("stop", "いいえ", &pausedWhileOpen),
              QStringList({"STOP", "ゲームを中断します、よろしいですか？"}));
    EXPECT_EQ(pausedWhileOpen, 1);
    EXPECT_EQ(ShownMenus(), kRunning) << "after No, which also ends the pause";
    EXPECT_EQ(EditText(Board::kMonthEdit), "2");

    Slider(Board::kCounterSlider)->setValue(5);
    Answer("stop", "はい");
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
}

}  // namespace
}  // namespace zormade::test
