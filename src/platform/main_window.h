// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QWidget;

namespace zormade {

// The owner of dialogs and boxes opened without a parent.
QWidget* MainWindow();
void SetMainWindow(QWidget* window);

}  // namespace zormade
