// SPDX-License-Identifier: GPL-3.0-or-later
#include "probe.h"

#include <sys/resource.h>

#include <QAbstractEventDispatcher>
#include <QApplication>
#include <QDialog>
#include <QElapsedTimer>
#include <QFile>
#include <QMainWindow>
#include <QMenuBar>
#include <QTimer>
#include <cstdio>
#include <functional>
#include <memory>

#include "platform/classic_look.h"
#include "platform/dialog_units.h"
#include "platform/main_loop_idle.h"
#include "platform/menu_resource.h"
#include "platform/termination_signals.h"
#include "ui/game_app.h"

namespace zormade::bench {
namespace {

constexpr int kMenuId = 128;
constexpr int kFrameWidth = 555;
constexpr int kFrameHeight = 544;

long ResidentKilobytes() {
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly)) return -1;
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith("VmRSS:")) return line.mid(6).trimmed().split(' ').value(0).toLong();
    }
    return -1;
}

long ProcessorMicroseconds() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return (usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) * 1000000L + usage.ru_utime.tv_usec +
           usage.ru_stime.tv_usec;
}

void PrintLine(const QByteArray& line) {
    std::fputs(line.constData(), stdout);
    std::fputc('\n', stdout);
    std::fflush(stdout);
}

// Counts the times the main loop goes to sleep: each one follows a wake-up.
class WakeCounter {
public:
    WakeCounter() {
        connection_ =
            QObject::connect(QAbstractEventDispatcher::instance(),
                             &QAbstractEventDispatcher::aboutToBlock, [this] { ++count_; });
    }
    ~WakeCounter() { QObject::disconnect(connection_); }
    long Count() const { return count_; }

private:
    QMetaObject::Connection connection_;
    long count_ = 0;
};

// Measures the processor time and the wake-ups from now until Finish.
class WaitMeter {
public:
    WaitMeter() : startCpu_(ProcessorMicroseconds()) { clock_.start(); }
    void Finish() {
        PrintLine(QByteArray("waited ") + QByteArray::number(ProcessorMicroseconds() - startCpu_) +
                  ' ' + QByteArray::number(wakes_.Count()) + ' ' +
                  QByteArray::number(clock_.elapsed()));
    }

private:
    long startCpu_;
    QElapsedTimer clock_;
    WakeCounter wakes_;
};

// A window like the game's main frame with nothing in it but the menu bar.
std::unique_ptr<QMainWindow> BareWindow() {
    auto window = std::make_unique<QMainWindow>();
    BuildMenuBar(kMenuId, window->menuBar());
    window->setCentralWidget(new QWidget);
    window->setFixedSize(kFrameWidth, kFrameHeight);
    window->show();
    return window;
}

// Starts a run and answers its briefing, before any measuring begins.
void StartRun(GameApp& app) {
    QTimer closer;
    QObject::connect(&closer, &QTimer::timeout, [] {
        if (auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
            dialog->reject();
        }
    });
    closer.start(10);
    app.Window()->StartGame();
}

}  // namespace

int RunProbe(const QString& mode, int argc, char** argv) {
    QApplication application(argc, argv);
    std::unique_ptr<GameApp> game;
    std::unique_ptr<TerminationSignals> termination;
    std::unique_ptr<QMainWindow> bare;
    if (mode.startsWith(QStringLiteral("game"))) {
        // As main() starts the program.
        UseClassicLook();
        InstallDialogFonts();
        game = std::make_unique<GameApp>();
        termination = std::make_unique<TerminationSignals>([&game] { game->EndSession(); });
        if (!game->Start()) return 1;
    } else {
        bare = BareWindow();
    }

    std::unique_ptr<WaitMeter> meter;
    // Work from the first sleep runs off a zero timer: the sleep notice itself must not start
    // nested loops or post events.
    auto afterReady = [&] {
        if (mode == QStringLiteral("game") || mode == QStringLiteral("bare")) {
            QCoreApplication::exit(0);
            return;
        }
        if (mode == QStringLiteral("game-run")) StartRun(*game);
        meter = std::make_unique<WaitMeter>();
        if (mode != QStringLiteral("game-opening")) {
            QTimer::singleShot(kWaitMilliseconds, [&] {
                meter->Finish();
                QCoreApplication::exit(0);
            });
        }
    };
    bool ready = false;
    bool openingGone = false;
    MainLoopIdle idle;
    idle.Start([&] {
        if (!ready) {
            ready = true;
            PrintLine("ready " + QByteArray::number(ResidentKilobytes()) + ' ' +
                      QByteArray::number(ProcessorMicroseconds()));
            QTimer::singleShot(0, afterReady);
        } else if (meter && mode == QStringLiteral("game-opening") && !openingGone &&
                   !game->Opening()) {
            openingGone = true;
            meter->Finish();
            QTimer::singleShot(0, [] { QCoreApplication::exit(0); });
        }
    });
    return application.exec();
}

}  // namespace zormade::bench
