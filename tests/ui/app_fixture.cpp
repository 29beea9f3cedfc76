// SPDX-License-Identifier: GPL-3.0-or-later
#include "app_fixture.h"

#include <QProgressBar>
#include <array>

#include "core/random15.h"
#include "platform/ini_profile.h"
#include "ui_helpers.h"

namespace zormade::test {

void AppTest::SetUp() {
    configHome = std::make_unique<QTemporaryDir>();
    qputenv("XDG_CONFIG_HOME", configHome->path().toUtf8());
    app = std::make_unique<GameApp>();
    ASSERT_TRUE(app->Start());
}

void AppTest::TearDown() {
    app.reset();
    // The quit the main loop was sent as its last window closed, but did not live to see: left in
    // the queue, it would end every event loop of the next test at once, a modal dialog's too.
    QCoreApplication::removePostedEvents(qApp, QEvent::Quit);
}

void AppTest::StartGame() {
    ModalAnswer briefing(PressKey(Qt::Key_Escape));
    Trigger("start");
    ASSERT_TRUE(briefing.Answered());
    EXPECT_EQ(briefing.Window().title, "ZORMADE");
}

void AppTest::StartAgain(TickSource ticks) {
    app.reset();
    app = std::make_unique<GameApp>(std::move(ticks));
    ASSERT_TRUE(app->Start());
}

void AppTest::NextDraws(int first, int second) {
    Session().GameRun().SetDraws([this, draws = std::array{first, second}, made = 0]() mutable {
        return made < 2 ? draws[made++] : ThreeWayOf(Session().Random().Next());
    });
}

QStringList AppTest::LogLines() {
    QStringList lines;
    auto* log = &View().Control(Board::kLog);
    for (int i = 0; i < log->count(); ++i) lines << log->item(i)->text();
    return lines;
}

std::vector<int> AppTest::BoardValues() {
    std::vector<int> shown;
    for (auto id : {Board::kYearEdit, Board::kMonthEdit, Board::kMoneyEdit, Board::kPatientsEdit}) {
        bool number = false;
        shown.push_back(EditText(id).toInt(&number));
        EXPECT_TRUE(number) << id.id << ": " << EditText(id).toStdString();
    }
    for (auto id : {Board::kStaminaBar, Board::kTrustBar, Board::kRivalBar, Board::kSuspicionBar})
        shown.push_back(View().Control(id).value());
    return shown;
}

void AppTest::ExpectStartBoard(const char* when) {
    EXPECT_EQ(BoardValues(), (std::vector<int>{1991, 1, 1500000, 0, 5000, 1800, 200, 400})) << when;
    for (auto id :
         {Board::kDoseSlider, Board::kDonationSlider, Board::kDemandSlider, Board::kCounterSlider})
        EXPECT_EQ(Slider(id)->value(), 0) << when;
    EXPECT_TRUE(LogLines().isEmpty()) << when;
    EXPECT_FALSE(Session().TurnTimer().isActive()) << when;
    for (const char* command : {"start", "ranking", "options"})
        EXPECT_TRUE(MenuItem(command)->isEnabled()) << when << " " << command;
}

QAction* AppTest::MenuItem(const char* command) {
    QAction* action = Frame().Command(QLatin1String(command));
    if (!action) return nullptr;
    for (QAction* top : Frame().menuBar()->actions())
        if (top->menu() && top->menu()->actions().contains(action)) emit top->menu()->aboutToShow();
    return action;
}

void AppTest::Trigger(const char* command) {
    QAction* action = MenuItem(command);
    ASSERT_NE(action, nullptr);
    ASSERT_TRUE(action->isEnabled()) << "command " << command << " is disabled";
    action->trigger();
}

QString AppTest::ProfilePath() const { return IniProfile::DefaultPath(); }

}  // namespace zormade::test
