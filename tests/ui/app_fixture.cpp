#include "app_fixture.h"

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

void AppTest::Restart() {
    Trigger(ID_APP_EXIT);
    StartAgain();
}

void AppTest::StartAgain() {
    app.reset();
    app = std::make_unique<CZormadeApp>();
    ASSERT_TRUE(app->InitInstance());
}

QStringList AppTest::LogLines() {
    QStringList lines;
    auto* log = View().Item<QListWidget>(IDC_LIST_LOG);
    for (int i = 0; i < log->count(); ++i) lines << log->item(i)->text();
    return lines;
}

QAction* AppTest::MenuItem(int command) {
    QAction* action = Frame().Router().ActionFor(command);
    if (!action) return nullptr;
    for (QAction* top : Frame().menuBar()->actions()) {
        if (top->menu() && top->menu()->actions().contains(action)) emit top->menu()->aboutToShow();
    }
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
