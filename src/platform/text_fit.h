// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QRect>
#include <QString>
#include <Qt>

class QWidget;

namespace zormade {

// Our Japanese face runs a little wider than the one the layouts were drawn with; a text that
// would be cut gets a slightly smaller size of the same face instead, never below 3/4 of it.
// A number may go down to half: cut, it would read as another number.
void ShrinkFontToFit(QWidget* control, const QString& text, int availableWidth);

// A translated word may be longer than the smaller size can save: a one-line text too wide widens
// its control instead, on the side its alignment leaves free, no further than `room` where that
// is given.
void WidenToFit(QWidget* control, const QString& text, Qt::Alignment alignment,
                const QRect& room = QRect());

}  // namespace zormade
