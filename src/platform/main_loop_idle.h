// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QMetaObject>
#include <functional>

namespace zormade {

// Calls back each time the main event loop is about to sleep: its queue is drained and no nested
// loop (a modal dialog, a message box) is running. It fires once per sleep, so it costs nothing
// while the program waits; the callback must not post events, or the loop never sleeps.
class MainLoopIdle {
public:
    MainLoopIdle() = default;
    ~MainLoopIdle() { Stop(); }
    MainLoopIdle(const MainLoopIdle&) = delete;
    MainLoopIdle& operator=(const MainLoopIdle&) = delete;

    // The main loop is the one the caller runs next, one level below the caller's own.
    void Start(std::function<void()> onIdle);
    void Stop();

private:
    QMetaObject::Connection connection_;
};

}  // namespace zormade
