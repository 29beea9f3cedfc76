// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/window_pos.h"

#include <QGuiApplication>
#include <QWidget>
#include <QWindow>

namespace zormade {

void ShowOnTop(QWidget* window, const QRect& outer) {
    if (QWindow* shown = window->windowHandle()) {
        // Setting the widget's flags would destroy and remake the native window; tell the native
        // window instead and bring the widget's record in step.
        shown->setFlag(Qt::WindowStaysOnTopHint, true);
        Qt::WindowFlags flags = window->windowFlags();
        flags.setFlag(Qt::WindowStaysOnTopHint, true);
        window->overrideWindowFlags(flags);
    } else {
        window->setWindowFlag(Qt::WindowStaysOnTopHint, true);
    }
    const QSize decoration = window->frameGeometry().size() - window->geometry().size();
    window->setFixedSize(outer.size() - decoration);
    window->move(outer.topLeft());
    window->show();
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
