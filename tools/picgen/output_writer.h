// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace picgen {

// Writes every bitmap, `bitmaps.qrc` and `made-with.txt` (the Qt and font faces they were drawn
// with) into `directory`. With a preview directory, also writes each
// picture as the game shows it (stretched to its canvas) as <id>.png there.
void WriteBitmaps(const QString& directory, const QString& previewDirectory);

// Writes zormade.ico (32 and 16 pixels), the PNGs from 16 to 256 pixels, zormade.svg for the
// desktop, and `icons.qrc`.
void WriteIcons(const QString& directory);

}  // namespace picgen
