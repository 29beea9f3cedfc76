#include <QApplication>
#include <cstdio>
#include <cstdlib>

#include "app/zormade_app.h"
#include "platform/classic_look.h"
#include "platform/dialog_units.h"
#include "platform/termination_signals.h"

namespace {

// Qt aborts with a long message when it finds no display; say it in one sentence instead.
bool DisplayAvailable() {
#if defined(Q_OS_LINUX) || defined(Q_OS_FREEBSD)
    const char* platform = std::getenv("QT_QPA_PLATFORM");
    if (platform && *platform) return true;
    const char* x11 = std::getenv("DISPLAY");
    const char* wayland = std::getenv("WAYLAND_DISPLAY");
    return (x11 && *x11) || (wayland && *wayland);
#else
    return true;
#endif
}

}  // namespace

int main(int argc, char** argv) {
    if (!DisplayAvailable()) {
        std::fprintf(stderr, "zormade: there is no display to open the game window on.\n");
        return 1;
    }
    const bool ownStyle = zormade::StyleChosenByUser(argc, argv);
    QApplication application(argc, argv);
    if (!ownStyle) zormade::UseClassicLook();
    zormade::InstallDialogFonts();
    zormade::CZormadeApp app;
    // Set up before the windows, so a signal during start-up waits for the loop instead of
    // killing the program.
    zormade::TerminationSignals termination([&app] { app.OnEndSession(); });
    if (!app.InitInstance()) return 1;
    return application.exec();
}
