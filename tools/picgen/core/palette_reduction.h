// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>
#include <QList>

namespace picgen {

enum class Dithering { FloydSteinberg, None };

// Maps an image onto a fixed palette and returns it as Format_Indexed8 with that palette as its
// colour table. Pixels that already hold a palette colour (give or take rounding) are kept as they
// are, so flat areas stay clean; the others (gradients, smoothed edges) are Floyd–Steinberg
// dithered among themselves, or simply take the nearest colour. A palette entry with alpha 0 takes
// the pixels that are less than half opaque.
QImage ReduceToPalette(const QImage& source, const QList<QRgb>& palette,
                       Dithering dithering = Dithering::FloydSteinberg);

}  // namespace picgen
