// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/window_timers.h"

namespace zormade {

void WindowTimers::SetTimer(int id, int milliseconds) {
    std::unique_ptr<QTimer>& timer = timers_[id];
    if (!timer) {
        timer = std::make_unique<QTimer>();
        timer->setTimerType(Qt::PreciseTimer);
        QObject::connect(timer.get(), &QTimer::timeout, [this, id] { onTimer_(id); });
    }
    timer->start(milliseconds);
}

void WindowTimers::KillTimer(int id) {
    auto it = timers_.find(id);
    if (it != timers_.end()) it->second->stop();
}

bool WindowTimers::IsActive(int id) const {
    auto it = timers_.find(id);
    return it != timers_.end() && it->second->isActive();
}

int WindowTimers::Interval(int id) const { return IsActive(id) ? timers_.at(id)->interval() : 0; }

}  // namespace zormade
