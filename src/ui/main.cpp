// SPDX-License-Identifier: GPL-3.0-or-later
#include <cstdio>
#include <cstdlib>

#include "ui/run_game.h"

namespace {

// Qt aborts with a long message when it finds no display; say it in one sentence instead.
bool DisplayAvailable() {
#if defined(__linux__) || defined(__FreeBSD__)
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
    return zormade::RunGame(argc, argv);
}
