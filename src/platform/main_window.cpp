// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/main_window.h"

#include <QPointer>
#include <QWidget>

namespace zormade {
namespace {
QPointer<QWidget>& Current() {
    static QPointer<QWidget> window;
    return window;
}
}  // namespace

QWidget* MainWindow() { return Current().data(); }
void SetMainWindow(QWidget* window) { Current() = window; }

}  // namespace zormade
