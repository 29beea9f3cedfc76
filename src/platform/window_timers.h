// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QTimer>
#include <functional>
#include <map>
#include <memory>

namespace zormade {

// Numbered timers of one window; each tick calls back with the timer's number. Setting a number
// that runs already restarts it with the new period.
class WindowTimers {
public:
    explicit WindowTimers(std::function<void(int)> onTimer) : onTimer_(std::move(onTimer)) {}

    void SetTimer(int id, int milliseconds);
    void KillTimer(int id);
    bool IsActive(int id) const;
    int Interval(int id) const;  // 0 when not running

private:
    std::function<void(int)> onTimer_;
    std::map<int, std::unique_ptr<QTimer>> timers_;
};

}  // namespace zormade
