// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QIcon>
#include <QImage>
#include <QString>

#include "platform/text_ids.h"

namespace zormade {

// A bitmap resource by number; a null image when the program carries no such bitmap.
QImage BitmapResource(int id);

// Icon 128, the program's icon.
QIcon AppIcon();

// An entry of the string table.
QString ResourceText(TextId id);

}  // namespace zormade
