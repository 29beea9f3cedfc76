// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

class QWidget;

namespace zormade {

// The buttons and icon of a message box: OK alone, plain or with the stop or the exclamation
// icon, or Yes and No with the question icon.
enum class MessageBoxKind { Plain, Stop, Exclamation, YesNoQuestion };

// A modal message box with Japanese button texts; an empty caption shows the program's name.
// True when the answer was OK or Yes.
bool MessageBox(QWidget* owner, const QString& text, const QString& caption, MessageBoxKind kind);

}  // namespace zormade
