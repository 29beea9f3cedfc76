// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QImage>

namespace picgen {

// BI_RLE4 pixel data of a Format_Indexed8 image (indices below 16), bottom row first. Uses encoded
// runs (one or two alternating colours) and absolute runs only: no delta codes, because Qt's reader
// leaves the pixels a delta skips uninitialised.
QByteArray EncodeRle4(const QImage& indexed);

}  // namespace picgen
