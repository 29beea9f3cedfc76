// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QRect>
#include <QStringList>

class QGroupBox;
class QWidget;

namespace zormade::test {

// Whether `control` shows its text whole, at the font it uses, in the room its style leaves for
// text: a label's (wrapped only where the text breaks it), a button's, a group box's caption, each
// line of a multi-line edit, each row of a list. A control without a text shows it whole.
bool ShownWhole(QWidget* control);

// Where the style puts a group box's caption, in the box's own coordinates.
QRect CaptionRect(const QGroupBox* box);

// The texts of the window's visible controls that are not shown whole, each named by its control.
QStringList CutTexts(QWidget* window);

// Each pair of visible controls side by side that overlap; a group box is drawn round its rows.
QStringList OverlappingControls(QWidget* window);

}  // namespace zormade::test
