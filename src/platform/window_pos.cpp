// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/window_pos.h"

#include <QGuiApplication>
#include <QWidget>
#include <QWindow>

namespace zormade {

void SetWindowPos(QWidget* window, WindowLayer layer, int x, int y, int width, int height) {
    if (!window) return;
    const bool topMost = layer == WindowLayer::TopMost;
    if (QWindow* shown = window->windowHandle()) {
        // Setting the widget's flags would destroy and remake the native window; tell the native
        // window instead and bring the widget's record in step.
        shown->setFlag(Qt::WindowStaysOnTopHint, topMost);
        Qt::WindowFlags flags = window->windowFlags();
        flags.setFlag(Qt::WindowStaysOnTopHint, topMost);
        window->overrideWindowFlags(flags);
    } else {
        window->setWindowFlag(Qt::WindowStaysOnTopHint, topMost);
    }
    const QSize decoration = window->frameGeometry().size() - window->geometry().size();
    window->setFixedSize(QSize(width, height) - decoration);
    window->move(x, y);
    window->show();
}

void MoveWindow(QWidget* control, int x, int y, int width, int height) {
    if (!control) return;
    control->setGeometry(x, y, width, height);
    control->update();
}

void KeepAbove(QWidget* window, QWidget* owner) {
    QWindow* shown = window->windowHandle();
    QWindow* ownerWindow = owner->windowHandle();
    if (!shown || !ownerWindow || shown->transientParent() == ownerWindow) return;
    shown->setTransientParent(ownerWindow);
    // A Wayland surface takes its parent when it is mapped, so it is mapped again.
    if (QGuiApplication::platformName().startsWith(QLatin1String("wayland")) &&
        window->isVisible()) {
        window->hide();
        window->show();
    }
}

}  // namespace zormade
