// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QRect>
#include <QStringList>
#include <functional>
#include <string>

class QGroupBox;
class QWidget;

namespace zormade::test {

// Where the style puts a group box's caption, in the box's own coordinates.
QRect CaptionRect(const QGroupBox* box);

// The texts of the window's visible controls that are not shown whole, each named by its control.
QStringList CutTexts(QWidget* window);

// Each pair of visible controls side by side that overlap; a group box is drawn round its rows.
QStringList OverlappingControls(QWidget* window);

// Top-level `window` lies inside the screen's free area once `frame` (its outer frame, as far as
// the platform tells it; null while it has none) does: each visible control inside it too, each
// text whole, no two controls on each other. `where` names the window in the failures.
void ExpectOnScreen(QWidget* window, const std::string& where, const std::function<QRect()>& frame);

}  // namespace zormade::test
