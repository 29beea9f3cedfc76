#include "platform/window_pos.h"

#include <QWidget>

namespace zormade {

void SetWindowPos(QWidget* window, WindowLayer layer, int x, int y, int width, int height) {
    if (!window) return;
    // Changing the flags hides a shown window; it is shown again below.
    window->setWindowFlag(Qt::WindowStaysOnTopHint, layer == WindowLayer::TopMost);
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

}  // namespace zormade
