// SPDX-License-Identifier: GPL-3.0-or-later
#include <QAbstractEventDispatcher>
#include <QEventLoop>
#include <QFile>
#include <QThread>
#include <QTimer>
#include <QWindow>
#include <cstdint>
#include <functional>
#include <optional>

#include "app_fixture.h"
#include "platform/ini_profile.h"
#include "ui_helpers.h"

namespace zormade::test {
namespace {

class OpeningTest : public AppTest {
protected:
    // Starts the program again with `opening` in the profile (nothing: the key is missing), on a
    // millisecond counter that stands at `start` until the test moves it, so that a test can make
    // it wrap and a loaded machine makes no test late.
    void Start(std::optional<int> opening, std::uint32_t start = 1'000'000) {
        QFile::remove(ProfilePath());
        if (opening) {
            IniProfile profile;
            profile.WriteProfileInt("Option", "Opening", *opening);
            ASSERT_TRUE(profile.Flush());
        }
        clockStart = start;
        clockMs = 0;
        StartAgain([this] { return Now(); });
    }

    OpeningDialog& Opening() { return *app->Opening(); }
    std::uint32_t Now() const { return clockStart + clockMs; }
    std::uint32_t Elapsed(std::uint32_t tick) const { return tick - clockStart; }

    // Runs an event loop one level below the test, as the program's main loop runs below
    // InitInstance, until the opening goes, `done` holds after a sleep, or `limitMs` pass. Notes
    // when the opening went, and counts the loop's sleeps.
    void RunMainLoopUntilTheOpeningGoes(
        int limitMs, const std::function<bool()>& done = [] { return false; }) {
        hiddenAt.reset();
        mainLoopSleeps = 0;
        QEventLoop loop;
        // The loop is the connections' context: the window hides once more when the program goes.
        QObject::connect(Opening().windowHandle(), &QWindow::visibleChanged, &loop,
                         [&](bool visible) {
                             if (visible) return;
                             hiddenAt = Now();
                             loop.quit();
                         });
        const int mainLevel = QThread::currentThread()->loopLevel() + 1;
        QObject::connect(QAbstractEventDispatcher::instance(),
                         &QAbstractEventDispatcher::aboutToBlock, &loop, [&, mainLevel] {
                             if (QThread::currentThread()->loopLevel() != mainLevel) return;
                             ++mainLoopSleeps;
                             if (done()) loop.quit();
                         });
        QTimer::singleShot(limitMs, &loop, &QEventLoop::quit);
        loop.exec();
    }

    std::uint32_t clockStart = 0, clockMs = 0;
    std::optional<std::uint32_t> hiddenAt;
    int mainLoopSleeps = 0;
};

// Shown topmost over a usable main window when Opening is 0 or missing; never made otherwise. Where
// both windows stand and the opening's pixels are the X and high-DPI tests'.
TEST_F(OpeningTest, ShownTopmostOverTheUsableMainWindowOnlyWhenOpeningIsZeroOrMissing) {
    const std::optional<int> openings[] = {std::nullopt, 0, 1, -1, 2};
    for (const std::optional<int> opening : openings) {
        SCOPED_TRACE(opening ? *opening : 99);
        Start(opening);
        EXPECT_TRUE(app->Window()->isVisible() && app->Window()->isEnabled());
        EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
        if (opening.value_or(0) != 0) {
            EXPECT_EQ(app->Opening(), nullptr);
            continue;
        }
        ASSERT_NE(app->Opening(), nullptr);
        EXPECT_TRUE(Opening().isVisible());
        ASSERT_NE(Opening().windowHandle(), nullptr);
        EXPECT_TRUE((Opening().windowHandle()->flags() & Qt::WindowStaysOnTopHint) &&
                    (Opening().windowFlags() & Qt::FramelessWindowHint));
        SaveScreenshot(&Opening(), "opening");
    }
}

// Not a millisecond early, also when the counter wraps meanwhile; the loop sleeps until then,
// woken by one timer rather than polling.
TEST_F(OpeningTest, GoesAtTheFirstIdleMomentAfter2500msWithoutPolling) {
    for (std::uint32_t start : {1'000'000u, 0xFFFFFFFFu - 999u}) {
        SCOPED_TRACE(start);
        Start(std::nullopt, start);
        clockMs = 1000;
        TickCounter wake(1500);
        RunMainLoopUntilTheOpeningGoes(10000, [&] { return wake.ticks > 0; });
        EXPECT_EQ(wake.ticks, 1) << "no wake-up armed for the rest of the 2.5 s";
        EXPECT_LT(mainLoopSleeps, 30);

        clockMs = 2499;
        RunMainLoopUntilTheOpeningGoes(10000, [&] { return mainLoopSleeps >= 1; });
        EXPECT_FALSE(hiddenAt) << "gone at " << Elapsed(*hiddenAt);
        clockMs = 2500;
        RunMainLoopUntilTheOpeningGoes(10000);
        ASSERT_TRUE(hiddenAt) << "the opening is still up";
        EXPECT_EQ(Elapsed(*hiddenAt), 2500u);
        EXPECT_EQ(app->Opening(), nullptr);
    }
}

// Long past its time while the briefing is open, the opening goes at the main loop's first idle
// moment after the briefing closes.
TEST_F(OpeningTest, StaysWhileTheBriefingIsOpenAndGoesWhenItCloses) {
    Start(std::nullopt);
    bool shownWhenClosingTheBriefing = false;
    int sleepsBeforeTheBriefingClosed = -1;
    ModalAnswer briefing([&](QWidget* window) {
        clockMs = 9000;
        // The briefing's own loop sleeps meanwhile.
        QTimer::singleShot(100, window, [&, window] {
            shownWhenClosingTheBriefing = Opening().isVisible();
            sleepsBeforeTheBriefingClosed = mainLoopSleeps;
            PressKey(Qt::Key_Escape)(window);
        });
    });
    // The start command runs from the main loop, as a menu click does.
    QTimer::singleShot(0, app->Window(), [this] {
        QAction* start = app->Window()->Command("start");
        ASSERT_NE(start, nullptr);
        start->trigger();
    });
    RunMainLoopUntilTheOpeningGoes(10000);

    EXPECT_TRUE(shownWhenClosingTheBriefing);
    ASSERT_TRUE(hiddenAt) << "the opening stayed after the briefing";
    EXPECT_EQ(mainLoopSleeps, sleepsBeforeTheBriefingClosed + 1);
    // Esc in the briefing starts the game as OK does.
    EXPECT_TRUE(app->Session().TurnTimer().isActive());
}

// The close box; the exit command is the keyboard test's.
TEST_F(OpeningTest, ClosingTheMainWindowEndsTheProgramAtOnceWithoutAQuestion) {
    Start(std::nullopt);
    bool openingShownAtExit = false;
    ModalAnswer question(PressKey(Qt::Key_Escape));
    QTimer::singleShot(100, app->Window(), [&] {
        openingShownAtExit = Opening().isVisible();
        app->Window()->close();
    });
    // Only a lingering program meets this: it would end with 1 instead of 0. The timer goes with
    // the program, so it cannot end a later test's loop.
    QTimer::singleShot(10000, app->Window(), [] { QApplication::exit(1); });
    EXPECT_EQ(QApplication::exec(), 0);
    EXPECT_TRUE(openingShownAtExit);
    EXPECT_FALSE(question.Answered()) << question.Window().title.toStdString();
    QFile written(IniProfile::DefaultPath());
    EXPECT_TRUE(written.open(QIODevice::ReadOnly) && written.readAll().contains("[Ranking]"))
        << "the profile was not written at exit";
}

}  // namespace
}  // namespace zormade::test
