// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QRect;
class QWidget;

namespace zormade {

// Shows a top-level window above every other at `outer`, its decoration included.
void ShowOnTop(QWidget* window, const QRect& outer);

// Keeps `window` above its owner while both are up, on every platform.
void KeepAbove(QWidget* window, QWidget* owner);

}  // namespace zormade
