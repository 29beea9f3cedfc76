// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace zormade {

// Whether the user picked a style of their own, with Qt's -style option or QT_STYLE_OVERRIDE.
// Ask before the application object is made: it takes its options out of argv.
bool StyleChosenByUser(int argc, char** argv);

// Draws every window as the desktops of the game's time did: Qt's built-in "Windows" style, with
// its classic 3-D edges, on the grey face of the 16-colour palette.
void UseClassicLook();

}  // namespace zormade
