// The program ends by a signal or by the end of the desktop session as it does by its exit
// command: the profile is written, all thirteen keys, and every event loop ends.
#include <signal.h>

#include <QApplication>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include "app_fixture.h"
#include "platform/termination_signals.h"
#include "profile_files.h"
#include "ui_helpers.h"

namespace zormade::test {
namespace {

constexpr int kWaitMs = 10000;

using TerminationTest = AppTest;

TEST_F(TerminationTest, ASignalDuringAModalDialogWritesTheProfileAndEndsEveryLoop) {
    TerminationSignals termination([this] { app->OnEndSession(); });
    ASSERT_TRUE(termination.Installed());
    bool aboutReturned = false;
    QTimer::singleShot(0, [&] {
        ModalAnswer signalled([](QWidget*) { ::raise(SIGTERM); });
        Trigger(ID_APP_ABOUT);
        aboutReturned = signalled.Answered();
    });
    // The program's own main loop, which the signal has to end from inside the about box's.
    EXPECT_EQ(QApplication::exec(), 0);
    EXPECT_TRUE(aboutReturned);
    EXPECT_FALSE(Frame().isVisible());
    EXPECT_EQ(KeysIn(ProfilePath()).size(), 13);
}

// The copies run the program's own start-up, so each signal also proves its handler is in place.
TEST_F(TerminationTest, ASignalWithTheEndDialogOrTheNameEntryOpenStillMakesTheEntry) {
    const struct { int signal; QStringList arguments; std::string entered; bool writable; } cases[] = {
        {SIGTERM, {"end-dialog"}, "ZORMADER", true},
        {SIGHUP, {"name-entry", "ﾅｶﾞﾚ"}, "ﾅｶﾞﾚ", true},
        {SIGINT, {"name-entry", ""}, "ZORMADER", true},
        // The failed save goes to standard error: a box would keep the ending program alive.
        {SIGTERM, {"end-dialog"}, "", false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.arguments.join(' ').toStdString() + " " + std::to_string(c.signal));
        QTemporaryDir home;
        const QString profile = home.filePath("zormade/zormade.ini");
        if (!c.writable) {
            ASSERT_TRUE(WriteFile(QFileInfo(profile).absolutePath(), "no folder"));
        }
        std::unique_ptr<QProcess> copy = StartCopy(c.arguments, home.path());
        ASSERT_TRUE(copy);
        ::kill(static_cast<pid_t>(copy->processId()), c.signal);
        ASSERT_TRUE(copy->waitForFinished(kWaitMs));
        EXPECT_EQ(copy->exitStatus(), QProcess::NormalExit);
        EXPECT_EQ(copy->exitCode(), 0);
        const QString errors = QString::fromLocal8Bit(copy->readAllStandardError());
        if (c.writable) {
            const StoredProfile stored = StoredAt(profile);
            EXPECT_EQ(stored.ranking.names[0], c.entered);
            EXPECT_EQ(stored.ranking.points[0], 8997u);
            EXPECT_EQ(KeysIn(profile).size(), 13);
        } else {
            EXPECT_TRUE(errors.contains("保存できませんでした") && errors.contains(profile))
                << errors.toStdString();
        }
    }
}

TEST(TerminationSignals, EachSignalCallsBackOnceFromTheEventLoopAndTheOldHandlersReturn) {
    for (int signal : TerminationSignals::kSignals) {
        struct sigaction before = {};
        ::sigaction(signal, nullptr, &before);
        {
            int calls = 0;
            TerminationSignals termination([&] { ++calls; });
            ASSERT_TRUE(termination.Installed());
            ::raise(signal);
            ::raise(signal);
            EXPECT_EQ(calls, 0) << "a handler must not call back from inside the signal";
            EXPECT_TRUE(QTest::qWaitFor([&] { return calls > 0; }, kWaitMs)) << signal;
            // Two turns of the loop: a second wake-up left in the socket would have come by then.
            bool settled = false;
            QTimer::singleShot(0, [&] { QTimer::singleShot(0, [&] { settled = true; }); });
            EXPECT_TRUE(QTest::qWaitFor([&] { return settled; }, kWaitMs));
            EXPECT_EQ(calls, 1) << "two signals read in one go end the program once";
        }
        struct sigaction after = {};
        ::sigaction(signal, nullptr, &after);
        EXPECT_EQ(after.sa_handler, before.sa_handler) << signal;
    }
}

}  // namespace
}  // namespace zormade::test
