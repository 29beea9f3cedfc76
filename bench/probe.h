// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// The window measurements run in child processes of the benchmark, each a fresh program on the
// offscreen platform. A child does one thing and prints one line of results:
//   ready <rss_kb> <cpu_us>                  once its main window is up and the main loop idle
//   waited <cpu_us> <wakeups> <elapsed_ms>   after a wait (see the modes below)
namespace zormade::bench {

// What a child process does:
//   game          starts the game as main() does
//   bare          a bare Qt window with the game's menu bar, built the same way
//   game-run      the game, then a run started and left waiting between ticks
//   game-opening  the game, waiting until its opening picture goes
//   bare-wait     the bare window left waiting
// Returns the process's exit status.
int RunProbe(const QString& mode, int argc, char** argv);

// How long the waiting modes measure, when no opening picture ends the wait first.
constexpr int kWaitMilliseconds = 3000;

}  // namespace zormade::bench
