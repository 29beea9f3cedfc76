// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QListWidget;

namespace zormade {

class TemplateControls;

// Puts a bar's value and limit on the first line of its tip, above what the tip says of it.
void ShowValueInTip(const TemplateControls& form, int barId, int value, int limit);

// Tells a screen reader the month's new lines in the log, wherever the focus is.
void AnnounceLines(QListWidget* log);

}  // namespace zormade
