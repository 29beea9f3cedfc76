// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>

namespace zormade {

class GameApp;

// The program: start-up, the main loop, and the end by the exit command, a signal or the
// desktop session. `started`, when given, runs once the main window is up. The exit status is 1
// when the profile could not be saved at the end.
int RunGame(int argc, char** argv, const std::function<void(GameApp&)>& started = {});

}  // namespace zormade
