// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QString;
class QWidget;

namespace zormade {

// Has a screen reader speak a text without moving the focus: a notification in the widget's
// window (an object a screen reader speaks whenever it is shown) takes the text as its name and
// is shown anew.
void Announce(QWidget* inWindow, const QString& text);

}  // namespace zormade
