// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/main_loop_idle.h"

#include <QAbstractEventDispatcher>
#include <QThread>

namespace zormade {

void MainLoopIdle::Start(std::function<void()> onIdle) {
    Stop();
    QAbstractEventDispatcher* dispatcher = QAbstractEventDispatcher::instance();
    if (!dispatcher) return;
    const int mainLevel = QThread::currentThread()->loopLevel() + 1;
    auto onMainLoopSleep = [mainLevel, onIdle = std::move(onIdle)] {
        if (QThread::currentThread()->loopLevel() == mainLevel) onIdle();
    };
    connection_ = QObject::connect(dispatcher, &QAbstractEventDispatcher::aboutToBlock,
                                   std::move(onMainLoopSleep));
}

void MainLoopIdle::Stop() {
    if (connection_) QObject::disconnect(connection_);
    connection_ = {};
}

}  // namespace zormade
