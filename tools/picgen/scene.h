// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QList>
#include <QPainter>
#include <QRgb>
#include <QSize>
#include <initializer_list>

namespace picgen {

// One picture's drawing. The canvas is the size the picture is seen at in the game: the drawing is
// made there, undistorted, then squeezed to the bitmap's own proportions, so that the game's
// stretching puts it back into shape.
struct Scene {
    QSize canvas;
    QList<QRgb> palette;  // at most 16 colours; the drawing uses these, mixtures get dithered
    void (*draw)(QPainter& painter, const QSizeF& canvas) = nullptr;
};

inline QList<QRgb> PaletteOf(std::initializer_list<QColor> colours) {
    QList<QRgb> palette;
    for (const QColor& colour : colours) palette.append(colour.rgba());
    return palette;
}

// Event pictures are stretched into this square, ending pictures into this rectangle.
inline constexpr QSize kEventCanvas{330, 330};
inline constexpr QSize kEndingCanvas{258, 200};

}  // namespace picgen
