// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/frame_placement.h"

#include <QEvent>
#include <QGuiApplication>
#include <QWidget>
#include <QWindow>

namespace zormade {

FramePlacement::FramePlacement(QWidget* window) : QObject(window), window_(window) {}

void FramePlacement::Place(const QRect& outer) {
    outer_ = outer;
    placementsLeft_ = 10;
    window_->winId();  // the native window, so its frame can be heard before the first show
    window_->windowHandle()->installEventFilter(this);
    // The window manager may tell the size of its decoration after the last expose, move and
    // resize: hear it from the window's properties.
    propertyWatch_ =
        std::make_unique<WindowPropertyWatch>(window_->windowHandle(), [this] { Refit(); });
    FitOuterFrame();
}

void FramePlacement::FitOuterFrame() {
    QWindow* shown = window_->windowHandle();
    frame_ = shown->frameMargins();
    window_->setFixedSize(outer_.size().shrunkBy(frame_));
    // A Wayland compositor places every window itself and ignores what a program asks; once in
    // place the window is the player's to move.
    if (!QGuiApplication::platformName().startsWith(QLatin1String("wayland")) &&
        placementsLeft_ > 0) {
        // The client's place from the frame we know, not Qt's own idea of the frame, which it
        // marks stale at each event of the window manager's and so may use before it is known.
        shown->setPosition(outer_.topLeft() + QPoint(frame_.left(), frame_.top()));
    }
}

void FramePlacement::Refit() {
    QWindow* shown = window_->windowHandle();
    if (shown->frameMargins() != frame_) {
        FitOuterFrame();
    } else if (placementsLeft_ > 0 && !frame_.isNull() && shown->isExposed()) {
        // A window manager that insists on another place must not make us fight it for ever.
        placementsLeft_ = shown->frameGeometry() == outer_ ? 0 : placementsLeft_ - 1;
        if (placementsLeft_ > 0) FitOuterFrame();
    }
}

bool FramePlacement::eventFilter(QObject* watched, QEvent* event) {
    // Fit again whenever the decoration changes, and move again while the decorated frame is
    // not where it was asked.
    const QEvent::Type type = event->type();
    if (watched == window_->windowHandle() &&
        (type == QEvent::Expose || type == QEvent::Move || type == QEvent::Resize)) {
        Refit();
    }
    return QObject::eventFilter(watched, event);
}

}  // namespace zormade
