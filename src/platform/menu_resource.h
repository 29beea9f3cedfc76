// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

class QAction;
class QMenu;
class QMenuBar;

namespace zormade {

// Builds menu `id` from the resources into the bar: one QMenu per popup, one QAction per item,
// each action named by its item's "name". False when the menu cannot be read.
bool BuildMenuBar(int id, QMenuBar* bar);

// The bar's action named `name`; null when there is none.
QAction* MenuAction(const QMenuBar* bar, const QString& name);

}  // namespace zormade
