// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QApplication>
#include <QProcess>
#include <QTemporaryDir>
#include <cstdio>

#include "platform/classic_look.h"
#include "platform/dialog_units.h"
#include "ui/language_choice.h"

namespace {

constexpr int kStartMs = 20000;

// The first line the process writes that starts with `start` ("" takes any), once it is written;
// empty when the process ends or falls silent first.
QByteArray FirstLine(QProcess& process, const QByteArray& start = {}) {
    while (process.canReadLine() || process.waitForReadyRead(kStartMs)) {
        if (!process.canReadLine()) continue;
        const QByteArray line = process.readLine().trimmed();
        if (line.startsWith(start)) return line;
    }
    return {};
}

// A virtual X server on a free display with a window manager on it; DISPLAY names it from then on.
struct XSession {
    QProcess server;
    QProcess windowManager;

    ~XSession() {
        for (QProcess* process : {&windowManager, &server}) {
            process->terminate();
            process->waitForFinished(kStartMs);
        }
    }

    // Empty once the server and its window manager are up; else why they are not.
    QString Start(QSize screen) {
        const QString size = QStringLiteral("%1x%2x24").arg(screen.width()).arg(screen.height());
        // Xvfb picks a free display and writes its number to the -displayfd once it takes
        // connections.
        server.setStandardErrorFile(QProcess::nullDevice());
        server.start("Xvfb", {"-displayfd", "1", "-screen", "0", size, "-nolisten", "tcp"});
        const QByteArray number = FirstLine(server);
        if (number.isEmpty()) return QStringLiteral("Xvfb did not start (is it installed?)");
        qputenv("DISPLAY", ':' + number);
        // Openbox runs its start-up command once it manages windows.
        windowManager.setStandardErrorFile(QProcess::nullDevice());
        windowManager.start(QStringLiteral("openbox"), {"--sm-disable", "--startup", "echo ready"});
        const bool managing = !FirstLine(windowManager, "ready").isEmpty();
        return managing ? QString() : "openbox did not start on :" + QString::fromLatin1(number);
    }
};

}  // namespace

// The windows on a real X server with a window manager, on a screen of the size given as the
// first argument ("1024x768"). Exits with 77, which ctest counts as skipped, when no X server
// can be started here.
int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    const QList<QByteArray> size = QByteArray(argc > 1 ? argv[1] : "").split('x');
    if (size.size() != 2) {
        std::fprintf(stderr, "usage: %s WIDTHxHEIGHT [gtest options]\n", argv[0]);
        return 2;
    }
    XSession session;
    const QString failure = session.Start(QSize(size[0].toInt(), size[1].toInt()));
    if (!failure.isEmpty()) {
        std::printf("SKIPPED: no X server: %s\n", qPrintable(failure));
        return 77;
    }
    qputenv("QT_QPA_PLATFORM", "xcb");
    QTemporaryDir config;
    qputenv("XDG_CONFIG_HOME", config.path().toUtf8());
    int qtArgc = 1;
    QApplication application(qtArgc, argv);
    zormade::UseClassicLook();
    // In the language the environment asks for, as the game chooses it.
    std::string refusal;
    zormade::ChooseLanguage(std::nullopt, argv[0], refusal);
    zormade::InstallDialogFonts();
    return RUN_ALL_TESTS();
}
