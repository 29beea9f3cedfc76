// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QImage>

namespace picgen {

enum class BmpCompression { Rgb, Rle4 };

// A 4-bit BMP file of a Format_Indexed8 image with at most 16 colours.
QByteArray EncodeBmp4(const QImage& indexed, BmpCompression compression);

}  // namespace picgen
