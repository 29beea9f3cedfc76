// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QWidget;

namespace zormade {

enum class WindowLayer { Normal, TopMost };

// Places a top-level window by its outer size and shows it; a topmost window stays above the
// program's other windows.
void SetWindowPos(QWidget* window, WindowLayer layer, int x, int y, int width, int height);

// Keeps a shown top-level window above its owner where the window system ignores "topmost"
// (Wayland): it becomes the owner's transient child.
void KeepAbove(QWidget* window, QWidget* owner);

// Moves a control inside its window and repaints it.
void MoveWindow(QWidget* control, int x, int y, int width, int height);

}  // namespace zormade
