// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

class QWidget;

namespace zormade {

// Our Japanese face runs a little wider than the one the layouts were drawn with; a text that
// would be cut gets a slightly smaller size of the same face instead, never below 3/4 of it.
// A number may go down to half: cut, it would read as another number.
void ShrinkFontToFit(QWidget* control, const QString& text, int availableWidth);

}  // namespace zormade
