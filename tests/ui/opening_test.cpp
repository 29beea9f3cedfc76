// SPDX-License-Identifier: GPL-3.0-or-later
#include <QAbstractEventDispatcher>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QThread>
#include <QTimer>
#include <QWindow>
#include <cstdint>
#include <optional>

#include "app_fixture.h"
#include "platform/ini_profile.h"
#include "platform/picture_control.h"
#include "platform/resources.h"
#include "ui_helpers.h"

namespace zormade::test {
namespace {

constexpr QSize kOpeningSize(409, 314);

class OpeningTest : public AppTest {
protected:
    // Starts the program again with `opening` in the profile (nothing: the key is missing), on a
    // millisecond counter that runs with real time from `start`, so that a test can make it wrap.
    void Start(std::optional<int> opening, std::uint32_t start = 1'000'000) {
        QFile::remove(ProfilePath());
        if (opening) {
            IniProfile profile;
            profile.WriteProfileInt("Option", "Opening", *opening);
            ASSERT_TRUE(profile.Flush());
        }
        clockStart = start;
        clock.start();
        StartAgain([this] { return Now(); });
    }

    COpeningDlg& Opening() { return app->OpeningDlg(); }
    std::uint32_t Now() const { return clockStart + static_cast<std::uint32_t>(clock.elapsed()); }
    std::uint32_t Elapsed(std::uint32_t tick) const { return tick - clockStart; }

    // Runs an event loop one level below the test, as the program's main loop runs below
    // InitInstance, until the opening goes or `limitMs` pass. Notes when it went, and counts the
    // loop's sleeps.
    void RunMainLoopUntilTheOpeningGoes(int limitMs) {
        hiddenAt.reset();
        mainLoopSleeps = 0;
        QEventLoop loop;
        // The loop is the connections' context: the window hides once more when the program goes.
        QObject::connect(Opening().windowHandle(), &QWindow::visibleChanged, &loop, [&](bool visible) {
            if (visible) return;
            hiddenAt = Now();
            loop.quit();
        });
        const int mainLevel = QThread::currentThread()->loopLevel() + 1;
        QObject::connect(QAbstractEventDispatcher::instance(), &QAbstractEventDispatcher::aboutToBlock, &loop,
                         [this, mainLevel] {
                             if (QThread::currentThread()->loopLevel() == mainLevel) ++mainLoopSleeps;
                         });
        QTimer::singleShot(limitMs, &loop, &QEventLoop::quit);
        loop.exec();
    }

    std::uint32_t clockStart = 0;
    QElapsedTimer clock;
    std::optional<std::uint32_t> hiddenAt;
    int mainLoopSleeps = 0;
};

// Shown topmost over a usable main window when Opening is 0 or missing, holding the top left of
// bitmap 134 copied unscaled, both windows centred on the 800 x 800 desktop; never made otherwise.
TEST_F(OpeningTest, ShownTopmostOverTheUsableMainWindowOnlyWhenOpeningIsZeroOrMissing) {
    const QImage bitmap = LoadBitmap(134).convertToFormat(QImage::Format_ARGB32);
    for (const std::optional<int> opening : {std::optional<int>(), std::optional<int>(0), std::optional<int>(1),
                                             std::optional<int>(-1), std::optional<int>(2)}) {
        SCOPED_TRACE(opening ? *opening : 99);
        Start(opening);
        EXPECT_TRUE(app->Frame()->isVisible() && app->Frame()->isEnabled());
        EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
        if (opening.value_or(0) != 0) {
            EXPECT_FALSE(Opening().IsBuilt());
            EXPECT_FALSE(Opening().isVisible());
            continue;
        }
        ASSERT_TRUE(Opening().IsWindow());
        EXPECT_TRUE(Opening().isVisible());
        ASSERT_NE(Opening().windowHandle(), nullptr);
        EXPECT_TRUE(Opening().windowHandle()->flags() & Qt::WindowStaysOnTopHint);
        EXPECT_TRUE(Opening().windowFlags() & Qt::FramelessWindowHint);
        EXPECT_EQ(Opening().frameGeometry(), QRect(QPoint(195, 243), kOpeningSize));
        EXPECT_EQ(app->Frame()->pos(), QPoint(122, 128));
        auto* picture = Opening().Item<PictureControl>(COpeningDlg::kPictureId);
        ASSERT_NE(picture, nullptr);
        EXPECT_EQ(picture->geometry(), QRect(QPoint(0, 0), kOpeningSize));
        EXPECT_EQ(picture->Canvas().convertToFormat(QImage::Format_ARGB32),
                  bitmap.copy(QRect(QPoint(0, 0), kOpeningSize)));
        SaveScreenshot(&Opening(), "opening");
    }
}

// Also when the millisecond counter wraps one second after the opening appeared.
TEST_F(OpeningTest, GoesAtTheFirstIdleMomentAfter2500msWithoutPolling) {
    for (std::uint32_t start : {1'000'000u, 0xFFFFFFFFu - 999u}) {
        SCOPED_TRACE(start);
        Start(std::nullopt, start);
        bool shownAt2000 = false;
        QTimer::singleShot(2000, &Opening(), [&] { shownAt2000 = Opening().isVisible(); });
        RunMainLoopUntilTheOpeningGoes(5000);

        EXPECT_TRUE(shownAt2000);
        ASSERT_TRUE(hiddenAt) << "the opening is still up after 5 s";
        EXPECT_GE(Elapsed(*hiddenAt), 2500u);
        EXPECT_LT(Elapsed(*hiddenAt), 4000u);  // generous: a loaded machine wakes late
        EXPECT_FALSE(Opening().IsWindow());
        // Waiting costs nothing: the loop sleeps through the 2.5 s, waking only for a few events.
        EXPECT_LT(mainLoopSleeps, 30);
    }
}

TEST_F(OpeningTest, StaysWhileTheBriefingIsOpenAndGoesWhenItCloses) {
    Start(std::nullopt);
    std::optional<std::uint32_t> briefingClosedAt;
    bool shownWhenClosingTheBriefing = false;
    ModalAnswer briefing([&](QWidget* window) {
        QTimer::singleShot(2900, window, [&, window] {
            shownWhenClosingTheBriefing = Opening().isVisible();
            briefingClosedAt = Now();
            PressKey(Qt::Key_Escape)(window);
        });
    });
    // The start command runs from the main loop, as a menu click does.
    QTimer::singleShot(100, app->Frame(), [this] {
        QAction* start = app->Frame()->Router().ActionFor(ID_GAME_START);
        ASSERT_NE(start, nullptr);
        start->trigger();
    });
    RunMainLoopUntilTheOpeningGoes(6000);

    ASSERT_TRUE(briefing.Answered());
    EXPECT_EQ(briefing.Window().title, "ZORMADE");
    ASSERT_TRUE(briefingClosedAt);
    EXPECT_GE(Elapsed(*briefingClosedAt), 2500u);
    EXPECT_TRUE(shownWhenClosingTheBriefing);
    ASSERT_TRUE(hiddenAt) << "the opening stayed after the briefing";
    EXPECT_GE(Elapsed(*hiddenAt), Elapsed(*briefingClosedAt));
    EXPECT_LT(Elapsed(*hiddenAt), Elapsed(*briefingClosedAt) + 1500u);
    // Esc in the briefing starts the game as OK does.
    EXPECT_TRUE(app->View()->TurnTimer().isActive());
}

// The close box; the exit command is the keyboard test's.
TEST_F(OpeningTest, ClosingTheMainWindowEndsTheProgramAtOnceWithoutAQuestion) {
    Start(std::nullopt);
    bool openingShownAtExit = false;
    ModalAnswer question(PressKey(Qt::Key_Escape));
    QTimer::singleShot(100, app->Frame(), [&] {
        openingShownAtExit = Opening().isVisible();
        app->Frame()->close();
    });
    // Only a lingering program meets this: it would end with 1 instead of 0. The timer goes with
    // the program, so it cannot end a later test's loop.
    QTimer::singleShot(2000, app->Frame(), [] { QApplication::exit(1); });
    EXPECT_EQ(QApplication::exec(), 0);
    EXPECT_TRUE(openingShownAtExit);
    EXPECT_FALSE(question.Answered()) << question.Window().title.toStdString();
    QFile written(IniProfile::DefaultPath());
    ASSERT_TRUE(written.open(QIODevice::ReadOnly)) << "the profile was not written at exit";
    EXPECT_TRUE(written.readAll().contains("[Ranking]"));
}

}  // namespace
}  // namespace zormade::test
