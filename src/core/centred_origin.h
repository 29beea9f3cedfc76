// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace zormade {

struct Origin {
    int x;
    int y;
};

// Centres a window of the given outer size on the desktop, which need not start at (0, 0) (a
// second screen left of or above the main one); the halves truncate toward zero, so a desktop
// smaller than the window puts it partly off screen, as the game always did.
Origin CentredOrigin(int desktopLeft, int desktopTop, int desktopRight, int desktopBottom,
                     int width, int height);

// Moves a window that would start above or left of the desktop back onto it, so that its title
// bar and menu stay within reach of the mouse.
Origin KeptOnDesktop(Origin origin, int desktopLeft, int desktopTop);

}  // namespace zormade
