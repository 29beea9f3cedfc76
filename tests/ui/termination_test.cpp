// The program ends by a signal or by the end of the desktop session as it does by its exit
// command: the profile is written, all thirteen keys, and every event loop ends.
#include <signal.h>

#include <QApplication>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>

#include "app_fixture.h"
#include "platform/ini_profile.h"
#include "platform/termination_signals.h"
#include "profile_files.h"
#include "ui_helpers.h"

namespace zormade::test {
namespace {

// Ten of the thirteen keys, none at its default, and one key the game does not know. An exit
// adds the missing three, so a profile left as it was cannot pass for a written one.
const QByteArray kSeed =
    "[Option]\nLevel=0\nOpening=1\n"
    "[Ranking]\nPlayername0=\xe9\xb5\xba\xe7\x94\xb0\nPlayername1=B\nPlayername2=C\nPlayername3=D\n"
    "Player0=9000\nPlayer1=8000\nPlayer2=7000\nPlayer3=6000\n"
    "[Notes]\nkept=yes\n";

constexpr int kWaitMs = 10000;

QString ProfileIn(const QTemporaryDir& home) { return home.filePath("zormade/zormade.ini"); }

// The signals a process has handlers for, from the kernel's own account of it.
quint64 CaughtSignals(qint64 pid) {
    QFile status(QStringLiteral("/proc/%1/status").arg(pid));
    if (!status.open(QIODevice::ReadOnly)) return 0;
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith("SigCgt:")) return line.mid(7).trimmed().toULongLong(nullptr, 16);
    }
    return 0;
}

bool Catches(qint64 pid, int signal) { return (CaughtSignals(pid) >> (signal - 1)) & 1; }

class TerminationTest : public AppTest {
protected:
    // What the exit command leaves in a profile that started as the seed.
    QMap<QString, QString> WrittenByTheExitCommand() {
        QTemporaryDir home;
        EXPECT_TRUE(WriteFile(ProfileIn(home), kSeed));
        qputenv("XDG_CONFIG_HOME", home.path().toUtf8());
        StartAgain();
        Trigger(ID_APP_EXIT);
        return KeysIn(ProfileIn(home));
    }
};

TEST_F(TerminationTest, ASignalEndsTheRunningProgramAsTheExitCommandDoes) {
    const QMap<QString, QString> expected = WrittenByTheExitCommand();
    ASSERT_EQ(expected.size(), 14);
    EXPECT_EQ(expected.value("Ranking/Player4"), "450");
    EXPECT_EQ(expected.value("Notes/kept"), "yes");

    const struct {
        int signal;
        const char* name;
    } cases[] = {{SIGTERM, "SIGTERM"}, {SIGHUP, "SIGHUP"}, {SIGINT, "SIGINT"}};
    for (const auto& c : cases) {
        QTemporaryDir home;
        ASSERT_TRUE(WriteFile(ProfileIn(home), kSeed));
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("QT_QPA_PLATFORM", "offscreen");
        environment.insert("XDG_CONFIG_HOME", home.path());
        QProcess program;
        program.setProcessEnvironment(environment);
        program.start(ZORMADE_PROGRAM, {});
        ASSERT_TRUE(program.waitForStarted(kWaitMs)) << c.name;
        const qint64 pid = program.processId();
        // Up once its handlers are in place: from then on a signal waits for the event loop.
        EXPECT_TRUE(QTest::qWaitFor([&] { return Catches(pid, c.signal); }, kWaitMs)) << c.name;
        ::kill(static_cast<pid_t>(pid), c.signal);
        ASSERT_TRUE(program.waitForFinished(kWaitMs)) << c.name;
        EXPECT_EQ(program.exitStatus(), QProcess::NormalExit) << c.name;
        EXPECT_EQ(program.exitCode(), 0) << c.name;
        EXPECT_EQ(KeysIn(ProfileIn(home)), expected) << c.name;
    }
}

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

TEST_F(TerminationTest, ASignalWithTheEndDialogOrTheNameEntryOpenStillMakesTheEntry) {
    const struct {
        QStringList arguments;
        std::string entered;
        bool writable;
    } cases[] = {
        {{"end-dialog"}, "ZORMADER", true},
        {{"name-entry", "ﾅｶﾞﾚ"}, "ﾅｶﾞﾚ", true},
        {{"name-entry", ""}, "ZORMADER", true},
        // The failed save goes to standard error: a box would keep the ending program alive.
        {{"end-dialog"}, "", false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.arguments.join(' ').toStdString() + (c.writable ? "" : ", unwritable"));
        QTemporaryDir home;
        const QString profile = ProfileIn(home);
        if (!c.writable) {
            ASSERT_TRUE(WriteFile(QFileInfo(profile).absolutePath(), "no folder"));
        }
        std::unique_ptr<QProcess> copy = StartCopy(c.arguments, home.path());
        ASSERT_TRUE(copy);
        ::kill(static_cast<pid_t>(copy->processId()), SIGTERM);
        ASSERT_TRUE(copy->waitForFinished(kWaitMs));
        EXPECT_EQ(copy->exitStatus(), QProcess::NormalExit);
        EXPECT_EQ(copy->exitCode(), 0);
        const QString errors = QString::fromLocal8Bit(copy->readAllStandardError());
        if (c.writable) {
            const StoredProfile stored = StoredAt(profile);
            EXPECT_EQ(stored.ranking.names[0], c.entered);
            EXPECT_EQ(stored.ranking.points[0], 8997u);
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
