#include <gtest/gtest.h>

#include <QAbstractEventDispatcher>
#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QPointer>
#include <QScreen>
#include <QTemporaryDir>
#include <QThread>
#include <QTimer>
#include <QWindow>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>

#include "app/zormade_app.h"
#include "platform/ini_profile.h"
#include "platform/picture_control.h"
#include "platform/resources.h"
#include "ui_helpers.h"

namespace zormade::test {
namespace {

constexpr QSize kOpeningSize(409, 314);

// A millisecond counter that runs with real time from a chosen reading, so a test can make it wrap.
class TestClock {
public:
    explicit TestClock(std::uint32_t start) : start_(start) { elapsed_.start(); }
    std::uint32_t Now() const { return start_ + static_cast<std::uint32_t>(elapsed_.elapsed()); }
    std::uint32_t Start() const { return start_; }

private:
    std::uint32_t start_;
    QElapsedTimer elapsed_;
};

// Notes the clock when a window is hidden and tells the caller. Lives no longer than the caller's
// frame: the window hides once more when the program goes at the end of the test.
class HideWatch : public QObject {
public:
    HideWatch(QWidget* window, const TestClock& clock, std::function<void()> onHide)
        : window_(window), clock_(clock), onHide_(std::move(onHide)) {
        window->installEventFilter(this);
    }
    ~HideWatch() override {
        if (window_) window_->removeEventFilter(this);
    }
    std::optional<std::uint32_t> hiddenAt;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == window_ && event->type() == QEvent::Hide && !hiddenAt) {
            hiddenAt = clock_.Now();
            onHide_();
        }
        return false;
    }

private:
    QPointer<QWidget> window_;
    const TestClock& clock_;
    std::function<void()> onHide_;
};

class OpeningTest : public ::testing::Test {
protected:
    // Starts the program with `opening` in the profile (nothing: the key is missing).
    void Start(std::optional<int> opening, std::uint32_t clockStart = 1'000'000) {
        app.reset();
        configHome = std::make_unique<QTemporaryDir>();
        qputenv("XDG_CONFIG_HOME", configHome->path().toUtf8());
        if (opening) {
            IniProfile profile;
            profile.WriteProfileInt("Option", "Opening", *opening);
            ASSERT_TRUE(profile.Flush());
        }
        clock = std::make_unique<TestClock>(clockStart);
        app = std::make_unique<CZormadeApp>([c = clock.get()] { return c->Now(); });
        ASSERT_TRUE(app->InitInstance());
    }

    void TearDown() override {
        app.reset();
        DropLeftoverQuit();
    }

    COpeningDlg& Opening() { return app->OpeningDlg(); }
    std::uint32_t Elapsed(std::uint32_t tick) const { return tick - clock->Start(); }

    // Runs an event loop one level below the test, as the program's main loop runs below
    // InitInstance, until the opening goes or `limitMs` pass. Notes when it went, and counts the
    // loop's sleeps.
    void RunMainLoopUntilTheOpeningGoes(int limitMs) {
        QEventLoop loop;
        const HideWatch watch(&Opening(), *clock, [&loop] { loop.quit(); });
        const int mainLevel = QThread::currentThread()->loopLevel() + 1;
        const QMetaObject::Connection counter = QObject::connect(
            QAbstractEventDispatcher::instance(), &QAbstractEventDispatcher::aboutToBlock,
            [this, mainLevel] {
                if (QThread::currentThread()->loopLevel() == mainLevel) ++mainLoopSleeps;
            });
        QTimer::singleShot(limitMs, &loop, &QEventLoop::quit);
        loop.exec();
        QObject::disconnect(counter);
        hiddenAt = watch.hiddenAt;
    }

    std::unique_ptr<QTemporaryDir> configHome;
    std::unique_ptr<TestClock> clock;
    std::unique_ptr<CZormadeApp> app;
    std::optional<std::uint32_t> hiddenAt;
    int mainLoopSleeps = 0;
};

TEST_F(OpeningTest, ShownTopmostOverTheUsableMainWindowWhenOpeningIsZeroOrMissing) {
    const struct {
        const char* name;
        std::optional<int> opening;
    } cases[] = {{"missing", std::nullopt}, {"0", 0}};
    for (const auto& c : cases) {
        Start(c.opening);
        ASSERT_TRUE(Opening().IsWindow()) << c.name;
        EXPECT_TRUE(Opening().isVisible()) << c.name;
        ASSERT_NE(Opening().windowHandle(), nullptr) << c.name;
        EXPECT_TRUE(Opening().windowHandle()->flags() & Qt::WindowStaysOnTopHint) << c.name;
        EXPECT_TRUE(Opening().windowFlags() & Qt::WindowStaysOnTopHint) << c.name;
        EXPECT_TRUE(Opening().windowFlags() & Qt::FramelessWindowHint) << c.name;
        EXPECT_EQ(Opening().frameGeometry().size(), kOpeningSize) << c.name;
        const QWidget* picture = Opening().GetDlgItem(COpeningDlg::kPictureId);
        ASSERT_NE(picture, nullptr) << c.name;
        EXPECT_EQ(picture->geometry(), QRect(QPoint(0, 0), kOpeningSize)) << c.name;
        EXPECT_TRUE(app->Frame()->isVisible()) << c.name;
        EXPECT_TRUE(app->Frame()->isEnabled()) << c.name;
        EXPECT_EQ(QApplication::activeModalWidget(), nullptr) << c.name;
    }
    SaveScreenshot(&Opening(), "opening");
}

TEST_F(OpeningTest, ThePictureIsTheTopLeftOfBitmap134CopiedUnscaled) {
    const QImage bitmap = LoadBitmap(134).convertToFormat(QImage::Format_ARGB32);
    if (bitmap.isNull()) GTEST_SKIP() << "the program carries no bitmap 134";
    Start(std::nullopt);
    auto* picture = Opening().Item<PictureControl>(COpeningDlg::kPictureId);
    ASSERT_NE(picture, nullptr);
    const QImage shown = picture->Canvas().convertToFormat(QImage::Format_ARGB32);
    ASSERT_EQ(shown.size(), kOpeningSize);
    EXPECT_EQ(shown, bitmap.copy(QRect(QPoint(0, 0), kOpeningSize)));
}

TEST_F(OpeningTest, NeverCreatedWhenOpeningIsAnyOtherValue) {
    for (int opening : {1, -1, 2}) {
        Start(opening);
        EXPECT_FALSE(Opening().IsBuilt()) << opening;
        EXPECT_FALSE(Opening().isVisible()) << opening;
        EXPECT_TRUE(app->Frame()->isVisible()) << opening;
        RunMainLoopUntilTheOpeningGoes(100);
        EXPECT_FALSE(Opening().IsBuilt()) << opening;
        EXPECT_FALSE(hiddenAt) << opening;
    }
}

struct ClockCase {
    const char* name;
    std::uint32_t start;
};

void PrintTo(const ClockCase& c, std::ostream* out) { *out << c.name; }

class OpeningTimeTest : public OpeningTest, public ::testing::WithParamInterface<ClockCase> {};

TEST_P(OpeningTimeTest, GoesAtTheFirstIdleMomentAfter2500msWithoutPolling) {
    Start(std::nullopt, GetParam().start);
    bool shownAt2000 = false;
    QTimer::singleShot(2000, &Opening(), [&] { shownAt2000 = Opening().isVisible(); });
    RunMainLoopUntilTheOpeningGoes(5000);

    EXPECT_TRUE(shownAt2000);
    ASSERT_TRUE(hiddenAt) << "the opening is still up after 5 s";
    EXPECT_GE(Elapsed(*hiddenAt), 2500u);
    EXPECT_LT(Elapsed(*hiddenAt), 3000u);
    EXPECT_FALSE(Opening().IsWindow());
    // Waiting costs nothing: the loop sleeps through the 2.5 s, waking only for a few events.
    EXPECT_LT(mainLoopSleeps, 30);
}

INSTANTIATE_TEST_SUITE_P(
    Clock, OpeningTimeTest,
    ::testing::Values(ClockCase{"Ordinary", 1'000'000},
                      ClockCase{"WrapsOneSecondIn", 0xFFFFFFFFu - 999u}),
    [](const ::testing::TestParamInfo<ClockCase>& clock) { return clock.param.name; });

TEST_F(OpeningTest, StaysWhileTheBriefingIsOpenAndGoesWhenItCloses) {
    Start(std::nullopt);
    std::optional<std::uint32_t> briefingClosedAt;
    bool shownWhenClosingTheBriefing = false;
    ModalAnswer briefing([&](QWidget* window) {
        QTimer::singleShot(2900, window, [&, window] {
            shownWhenClosingTheBriefing = Opening().isVisible();
            briefingClosedAt = clock->Now();
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
    EXPECT_LT(Elapsed(*hiddenAt), Elapsed(*briefingClosedAt) + 500u);
    // Esc in the briefing starts the game as OK does.
    EXPECT_TRUE(app->View()->Timers().IsActive(TURN_TIMER_ID));
}

struct ExitCase {
    const char* name;
    std::function<void(CZormadeApp&)> close;
};

void PrintTo(const ExitCase& c, std::ostream* out) { *out << c.name; }

class OpeningExitTest : public OpeningTest, public ::testing::WithParamInterface<ExitCase> {};

TEST_P(OpeningExitTest, ClosingTheMainWindowEndsTheProgramAtOnceWithoutAQuestion) {
    Start(std::nullopt);
    bool openingShownAtExit = false;
    ModalAnswer question([](QWidget* window) { PressKey(Qt::Key_Escape)(window); });
    QTimer::singleShot(100, app->Frame(), [&] {
        openingShownAtExit = Opening().isVisible();
        GetParam().close(*app);
    });
    // Only a lingering program meets this: it would end with 1 instead of 0. The timer goes with
    // the program, so it cannot end a later test's loop.
    QTimer::singleShot(2000, app->Frame(), [] { QApplication::exit(1); });
    QElapsedTimer took;
    took.start();
    EXPECT_EQ(QApplication::exec(), 0);
    EXPECT_LT(took.elapsed(), 1500);
    EXPECT_TRUE(openingShownAtExit);
    EXPECT_FALSE(question.Answered()) << question.Window().title.toStdString();

    QFile written(IniProfile::DefaultPath());
    ASSERT_TRUE(written.open(QIODevice::ReadOnly)) << "the profile was not written at exit";
    const QString text = QString::fromUtf8(written.readAll());
    EXPECT_TRUE(text.contains("[Option]"));
    EXPECT_TRUE(text.contains("[Ranking]"));
}

INSTANTIATE_TEST_SUITE_P(
    Exit, OpeningExitTest,
    ::testing::Values(
        ExitCase{"MenuExit",
                 [](CZormadeApp& app) { app.Frame()->Router().ActionFor(ID_APP_EXIT)->trigger(); }},
        ExitCase{"CloseBox", [](CZormadeApp& app) { app.Frame()->close(); }}),
    [](const ::testing::TestParamInfo<ExitCase>& exit) { return exit.param.name; });

// ctest runs this again on the small desktops, through the offscreen platform's screen settings.
TEST_F(OpeningTest, OpeningAndMainWindowAreCentredOnTheDesktop) {
    const struct {
        QSize desktop;
        QPoint opening, mainWindow;
    } cases[] = {
        {{640, 480}, {115, 83}, {42, 0}},
        {{1024, 479}, {307, 82}, {234, 0}},
        {{800, 800}, {195, 243}, {122, 128}},
    };
    const QSize desktop = QGuiApplication::primaryScreen()->geometry().size();
    for (const auto& c : cases) {
        if (c.desktop != desktop) continue;
        Start(std::nullopt);
        EXPECT_EQ(Opening().frameGeometry().topLeft(), c.opening);
        EXPECT_EQ(app->Frame()->pos(), c.mainWindow);
        return;
    }
    GTEST_SKIP() << "no expectations for a desktop of " << desktop.width() << " x "
                 << desktop.height();
}

}  // namespace
}  // namespace zormade::test
