// SPDX-License-Identifier: GPL-3.0-or-later
#include "draw/architecture.h"

#include <algorithm>

namespace picgen {

void DrawColonnade(QPainter& painter, const QRectF& box, int columns, const StoneColours& colours) {
    painter.save();
    const qreal w = box.width();
    const qreal h = box.height();
    painter.setPen(QPen(colours.outline, std::max(1.0, w * 0.006), Qt::SolidLine, Qt::SquareCap,
                        Qt::MiterJoin));

    // Steps across the bottom, each a little narrower.
    const qreal stepHeight = h * 0.04;
    const int steps = 3;
    for (int i = 0; i < steps; ++i) {
        const qreal inset = w * 0.03 * i;
        painter.setBrush(i % 2 == 0 ? colours.light : colours.shade);
        painter.drawRect(QRectF(box.left() + inset, box.bottom() - stepHeight * (i + 1),
                                w - 2 * inset, stepHeight));
    }
    const qreal baseY = box.bottom() - stepHeight * steps;

    // Pediment and beam.
    const qreal roofTop = box.top();
    const qreal pedimentBottom = box.top() + h * 0.22;
    const qreal beamBottom = pedimentBottom + h * 0.1;
    painter.setBrush(colours.light);
    painter.drawPolygon(QPolygonF{{box.left() + w * 0.04, pedimentBottom},
                                  {box.center().x(), roofTop},
                                  {box.right() - w * 0.04, pedimentBottom}});
    painter.setBrush(colours.shade);
    painter.drawPolygon(QPolygonF{{box.left() + w * 0.16, pedimentBottom - h * 0.03},
                                  {box.center().x(), roofTop + h * 0.06},
                                  {box.right() - w * 0.16, pedimentBottom - h * 0.03}});
    painter.setBrush(colours.light);
    painter.drawRect(
        QRectF(box.left() + w * 0.02, pedimentBottom, w * 0.96, beamBottom - pedimentBottom));

    // The wall behind the columns with a dark doorway in the middle.
    const qreal wallLeft = box.left() + w * 0.08;
    const qreal wallWidth = w * 0.84;
    painter.setBrush(colours.shade);
    painter.drawRect(QRectF(wallLeft, beamBottom, wallWidth, baseY - beamBottom));
    painter.setBrush(colours.dark);
    const qreal doorWidth = w * 0.16;
    painter.drawRect(QRectF(box.center().x() - doorWidth / 2, baseY - (baseY - beamBottom) * 0.62,
                            doorWidth, (baseY - beamBottom) * 0.62));

    // Columns, evenly spaced, leaving the doorway clear between the middle two.
    const qreal columnWidth = w * 0.055;
    const qreal spacing = (wallWidth - columnWidth) / (columns - 1);
    for (int i = 0; i < columns; ++i) {
        const qreal x = wallLeft + i * spacing;
        painter.setBrush(colours.light);
        painter.drawRect(
            QRectF(x, beamBottom + h * 0.02, columnWidth, baseY - beamBottom - h * 0.04));
        painter.drawRect(QRectF(x - columnWidth * 0.2, beamBottom, columnWidth * 1.4, h * 0.02));
        painter.drawRect(
            QRectF(x - columnWidth * 0.2, baseY - h * 0.02, columnWidth * 1.4, h * 0.02));
        // A groove down each column gives it roundness.
        painter.drawLine(QPointF(x + columnWidth * 0.5, beamBottom + h * 0.04),
                         QPointF(x + columnWidth * 0.5, baseY - h * 0.04));
    }
    painter.restore();
}

void DrawOfficeBlock(QPainter& painter, const QRectF& box, int rows, int columns,
                     const WindowColours& colours, int litSeed) {
    painter.save();
    painter.setPen(QPen(colours.frame, std::max(0.8, box.width() * 0.006)));
    painter.setBrush(colours.wall);
    painter.drawRect(box);
    const qreal cellW = box.width() / columns;
    const qreal cellH = box.height() / rows;
    painter.setPen(Qt::NoPen);
    for (int r = 0; r < rows; ++r) {
        for (int c = 0; c < columns; ++c) {
            const bool lit = litSeed != 0 && (r * 7 + c * 13 + litSeed * 5 + (r * c) % 4) % 3 == 0;
            painter.setBrush(lit ? colours.lit : colours.dark);
            painter.drawRect(QRectF(box.left() + c * cellW + cellW * 0.2,
                                    box.top() + r * cellH + cellH * 0.22, cellW * 0.6,
                                    cellH * 0.56));
        }
    }
    painter.restore();
}

}  // namespace picgen
