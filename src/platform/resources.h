// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QIcon>
#include <QImage>
#include <QString>

namespace zormade {

// A bitmap resource by number; a null image when the program carries no such bitmap.
QImage LoadBitmap(int id);

// Icon 128, the program's icon.
QIcon LoadAppIcon();

// A string of the string table by number; empty when there is none.
QString LoadResourceString(int id);

}  // namespace zormade
