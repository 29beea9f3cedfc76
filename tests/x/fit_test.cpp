// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QAbstractAxis>
#include <QChartView>
#include <QDir>
#include <QListWidget>
#include <QScreen>
#include <QTest>
#include <functional>
#include <ostream>

#include "../ui/app_fixture.h"
#include "../ui/ui_helpers.h"
#include "outer_frame.h"

namespace zormade::test {
namespace {

constexpr int kWaitMs = 10000;

// The whole screen, as build/screenshots/<screen>-<name>.png, when ZORMADE_SCREENSHOTS names a folder.
void SaveScreen(const QString& name) {
    const QString folder = qEnvironmentVariable("ZORMADE_SCREENSHOTS");
    if (folder.isEmpty()) return;
    const QSize size = QGuiApplication::primaryScreen()->size();
    QDir().mkpath(folder);
    QGuiApplication::primaryScreen()->grabWindow(0).save(
        QStringLiteral("%1/%2x%3-%4.png").arg(folder).arg(size.width()).arg(size.height()).arg(name));
}

// Every part of top-level `window` lies inside the screen's free area once the window manager
// has framed it: the frame with its title bar and each visible control.
void ExpectInside(QWidget* window, const char* name) {
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window, kWaitMs)) << name;
    const QRect room = QGuiApplication::primaryScreen()->availableGeometry();
    const bool decorated = !window->windowFlags().testFlag(Qt::FramelessWindowHint);
    const auto inside = [&] {
        const QRect outer = OuterFrame(window->winId());
        return (!decorated || !outer.isNull()) && room.contains(decorated ? outer : window->frameGeometry());
    };
    EXPECT_TRUE(QTest::qWaitFor(inside, kWaitMs)) << name << ": " << OuterFrame(window->winId()) << " in " << room;
    for (QWidget* control : window->findChildren<QWidget*>()) {
        if (control->isWindow() || !control->isVisibleTo(window)) continue;
        const QRect global(control->mapToGlobal(QPoint(0, 0)), control->size());
        EXPECT_TRUE(room.contains(global)) << name << ": " << control->metaObject()->className() << " "
                                           << WindowText(control).toStdString() << " at " << global;
    }
    SaveScreen(QString::fromLatin1(name));
}

using Answer = std::function<void(QWidget*)>;

// Checks the window, then answers it; `next`, when given, then waits for the window the answer
// opens. Armed only now: the check's waits run the event loop while this window is still up.
Answer Inside(const char* name, Answer answer, std::unique_ptr<ModalAnswer>* next = nullptr, Answer then = {}) {
    return [=](QWidget* window) {
        ExpectInside(window, name);
        if (next) *next = std::make_unique<ModalAnswer>(then);
        answer(window);
    };
}

class FitTest : public AppTest {
protected:
    void SetUp() override {
        QCoreApplication::addLibraryPath(CHARTS_MODULE_DIR);
        AppTest::SetUp();
    }

    void Open(int command, const char* name, Answer answer = PressKey(Qt::Key_Escape)) {
        ModalAnswer window(Inside(name, std::move(answer)));
        Trigger(command);
        EXPECT_TRUE(window.Answered()) << name;
    }
};

// Every window the game opens, with every control, on this screen: the board with all its log
// lines, the opening, the briefing, the event and its result box, pause and stop boxes, the end,
// the name entry and the ranking, the graph, the options and the about box.
TEST_F(FitTest, EveryWindowAndEveryControlIsOnTheScreen) {
    ASSERT_TRUE(app->OpeningDlg().isVisible());
    ExpectInside(&app->OpeningDlg(), "opening");
    // Gone, so that it hides none of the others.
    app->OpeningDlg().DestroyWindow();
    Open(ID_GAME_START, "briefing");
    for (int month = 0; month < 3; ++month) {
        NextDraws(0, 0);
        View().OnTimer();
    }
    ExpectInside(&Frame(), "board");
    auto* log = View().Item<QListWidget>(IDC_LIST_LOG);
    ASSERT_EQ(log->count(), 6);
    for (int row = 0; row < log->count(); ++row) {
        EXPECT_TRUE(log->viewport()->rect().contains(log->visualItemRect(log->item(row)))) << "log line " << row;
    }
    Open(ID_GAME_PAUSE, "pause", ClickButton("OK"));
    Open(ID_GAME_PAUSE, "resume", ClickButton("OK"));
    {
        // April's event, then its result box.
        NextDraws(2, 2);
        std::unique_ptr<ModalAnswer> result;
        ModalAnswer dialog(Inside("event", ClickButton("決定"), &result, Inside("result", ClickButton("OK"))));
        View().OnTimer();
        ASSERT_TRUE(result);
        EXPECT_TRUE(result->Answered());
    }
    {
        View().State().suspicion = 5001;
        NextDraws(0, 0);
        View().OnTimer();
        ModalAnswer end(Inside("end", PressKey(Qt::Key_Return)));
        View().OnTimer();
        EXPECT_TRUE(end.Answered());
    }
    Open(ID_GRAPH, "graph", [](QWidget* graph) {
        for (QChartView* chart : graph->findChildren<QChartView*>()) {
            for (QAbstractAxis* axis : chart->chart()->axes()) {
                EXPECT_FALSE(axis->labelsTruncated()) << axis->titleText().toStdString();
                EXPECT_FALSE(axis->titleText().contains("...")) << axis->titleText().toStdString();
            }
        }
        ClickButton("OK")(graph);
    });
    {
        std::unique_ptr<ModalAnswer> ranking;
        ModalAnswer entry(Inside("rank-in", ClickButton("OK"), &ranking, Inside("ranking", PressKey(Qt::Key_Escape))));
        View().EnterRanking(1234567);
        ASSERT_TRUE(ranking);
        EXPECT_TRUE(ranking->Answered());
    }
    Open(ID_OPTION, "options");
    Open(ID_APP_ABOUT, "about");
}

}  // namespace
}  // namespace zormade::test
