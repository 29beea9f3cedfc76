// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QTimer>
#include <cstdint>
#include <memory>

#include "platform/main_loop_idle.h"
#include "platform/tick_count.h"
#include "ui/game_session.h"
#include "ui/main_window.h"
#include "ui/opening_dialog.h"

namespace zormade {

// The program's start and end: the opening picture, the session and its main window.
class GameApp {
public:
    // `ticks` is the millisecond clock that times the opening picture.
    explicit GameApp(TickSource ticks = SteadyMilliseconds);
    ~GameApp();
    GameApp(const GameApp&) = delete;
    GameApp& operator=(const GameApp&) = delete;

    // Runs the start-up; false ends the program before its event loop.
    bool Start();
    // The session or a signal ends the program: the main window closes as at any exit, which
    // writes the profile, and every event loop ends, a modal dialog's too.
    void EndSession();

    MainWindow* Window() const { return window_.get(); }
    GameSession& Session() { return session_; }
    // The title picture while it is up; null before and after.
    OpeningDialog* Opening() const { return opening_.get(); }

private:
    void ShowOpening();
    // The main loop is about to sleep: takes the opening picture away once its time is up.
    void OnIdle();

    GameSession session_;
    std::unique_ptr<OpeningDialog> opening_;
    std::uint32_t openingStart_ = 0;
    TickSource ticks_;
    MainLoopIdle idle_;
    // Wakes the sleeping main loop when the opening's time is up, so that its next sleep runs
    // OnIdle; nothing else would wake an untouched program.
    QTimer openingWake_;
    std::unique_ptr<MainWindow> window_;
};

}  // namespace zormade
