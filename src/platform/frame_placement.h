// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QMargins>
#include <QObject>
#include <QRect>
#include <memory>

#include "platform/window_properties.h"

class QWidget;

namespace zormade {

// Keeps a fixed-size top-level window's outer frame, decoration included, at the size and place
// asked, however late the window manager tells the decoration's size.
class FramePlacement : public QObject {
    Q_OBJECT
public:
    explicit FramePlacement(QWidget* window);

    // The outer size and position, as the desktop sees the window, decoration included.
    void Place(const QRect& outer);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void FitOuterFrame();
    void Refit();

    QWidget* window_;
    QRect outer_;
    QMargins frame_;
    // Moves still allowed to put the decorated frame where it was asked.
    int placementsLeft_ = 0;
    std::unique_ptr<WindowPropertyWatch> propertyWatch_;
};

}  // namespace zormade
