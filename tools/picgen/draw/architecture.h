// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QPainter>
#include <QRectF>

namespace picgen {

struct StoneColours {
    QColor light;
    QColor shade;
    QColor dark;  // doorway and deep shadow
    QColor outline;
};

// A public building's front: steps, columns, a beam and a triangular pediment, filling `box`
// (its bottom edge is the ground).
void DrawColonnade(QPainter& painter, const QRectF& box, int columns, const StoneColours& colours);

struct WindowColours {
    QColor wall;
    QColor frame;
    QColor dark;
    QColor lit;
};

// A plain office block with a grid of windows. `litSeed` picks, as a fixed pattern, which windows
// glow; 0 leaves them all dark.
void DrawOfficeBlock(QPainter& painter, const QRectF& box, int rows, int columns,
                     const WindowColours& colours, int litSeed);

}  // namespace picgen
