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
    app = std::make_unique<CZormadeApp>();
    ASSERT_TRUE(app->InitInstance());
}

void AppTest::TearDown() {
    app.reset();
    DropLeftoverQuit();
}

void AppTest::StartGame() {
    ModalAnswer briefing(PressKey(Qt::Key_Escape));
    Trigger(ID_GAME_START);
    ASSERT_TRUE(briefing.Answered());
    EXPECT_EQ(briefing.Window().title, "ZORMADE");
}

void AppTest::StartAgain(TickSource ticks) {
    app.reset();
    app = std::make_unique<CZormadeApp>(std::move(ticks));
    ASSERT_TRUE(app->InitInstance());
}

void AppTest::NextDraws(int first, int second) {
    View().GameRun().SetDraws([this, draws = std::array{first, second}, made = 0]() mutable {
        return made < 2 ? draws[made++] : ThreeWayOf(View().Random().Next());
    });
}

QStringList AppTest::LogLines() {
    QStringList lines;
    auto* log = View().Item<QListWidget>(IDC_LIST_LOG);
    for (int i = 0; i < log->count(); ++i) lines << log->item(i)->text();
    return lines;
}

std::vector<int> AppTest::Board() {
    std::vector<int> shown;
    for (int id : {IDC_EDIT_YEAR, IDC_EDIT_MONTH, IDC_EDIT_MONEY, IDC_EDIT_PATIENTS}) {
        bool number = false;
        shown.push_back(EditText(id).toInt(&number));
        EXPECT_TRUE(number) << id << ": " << EditText(id).toStdString();
    }
    for (int id :
         {IDC_PROGRESS_STAMINA, IDC_PROGRESS_TRUST, IDC_PROGRESS_RIVAL, IDC_PROGRESS_SUSPICION})
        shown.push_back(View().Item<QProgressBar>(id)->value());
    return shown;
}

void AppTest::ExpectStartBoard(const char* when) {
    EXPECT_EQ(Board(), (std::vector<int>{1991, 1, 1500000, 0, 5000, 1800, 200, 400})) << when;
    for (int id : {IDC_SLIDER_DOSE, IDC_SLIDER_DONATION, IDC_SLIDER_DEMAND, IDC_SLIDER_COUNTER})
        EXPECT_EQ(Slider(id)->value(), 0) << when;
    EXPECT_TRUE(LogLines().isEmpty()) << when;
    EXPECT_FALSE(View().TurnTimer().isActive()) << when;
    for (int command : {ID_GAME_START, ID_RANKING, ID_OPTION})
        EXPECT_TRUE(MenuItem(command)->isEnabled()) << when << " " << command;
}

QAction* AppTest::MenuItem(int command) {
    QAction* action = Frame().Router().ActionFor(command);
    if (!action) return nullptr;
    for (QAction* top : Frame().menuBar()->actions())
        if (top->menu() && top->menu()->actions().contains(action)) emit top->menu()->aboutToShow();
    return action;
}

void AppTest::Trigger(int command) {
    QAction* action = MenuItem(command);
    ASSERT_NE(action, nullptr);
    ASSERT_TRUE(action->isEnabled()) << "command " << command << " is disabled";
    action->trigger();
}

QString AppTest::ProfilePath() const { return IniProfile::DefaultPath(); }

}  // namespace zormade::test
