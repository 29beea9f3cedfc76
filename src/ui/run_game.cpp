// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/run_game.h"

#include <QApplication>
#include <csignal>
#include <optional>

#include "platform/classic_look.h"
#include "platform/dialog_units.h"
#include "platform/display_failure.h"
#include "platform/termination_signals.h"
#include "ui/game_app.h"

namespace zormade {

int RunGame(int argc, char** argv, const std::function<void(GameApp&)>& started) {
    // A file-size limit then fails the profile's write, which is told, instead of killing us.
    std::signal(SIGXFSZ, SIG_IGN);
    const bool ownStyle = StyleChosenByUser(argc, argv);
    std::optional<QApplication> application;
    {
        DisplayFailureExit displayFailure("zormade");
        application.emplace(argc, argv);
    }
    // The names the desktop matches to the entry: Wayland's app id and X11's window class.
    QGuiApplication::setApplicationName(QStringLiteral("zormade"));
    QGuiApplication::setDesktopFileName(QStringLiteral("org.zormade.zormade"));
    if (!ownStyle) UseClassicLook();
    InstallDialogFonts();
    GameApp app;
    // Set up before the windows, so a signal during start-up waits for the loop instead of
    // killing the program.
    TerminationSignals termination([&app] { app.EndSession(); });
    if (!app.Start()) return 1;
    if (started) started(app);
    const int status = application->exec();
    // A session script can tell that the ranking and options were lost.
    return app.Session().SaveFailed() ? 1 : status;
}

}  // namespace zormade
