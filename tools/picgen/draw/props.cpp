// SPDX-License-Identifier: GPL-3.0-or-later
#include "draw/props.h"

#include <QPainterPath>
#include <algorithm>
#include <cmath>

namespace picgen {
namespace {

QPen ThinPen(const QColor& colour, qreal width) {
    return QPen(colour, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

}  // namespace

void DrawDocument(QPainter& painter, const QRectF& sheet, const QString& heading, qreal headingSize,
                  const PaperColours& colours, bool vertical) {
    painter.save();
    const qreal line = std::max(0.8, std::min(sheet.width(), sheet.height()) * 0.012);
    painter.setPen(ThinPen(colours.outline, line));
    painter.setBrush(colours.paper);
    painter.drawRect(sheet);
    const TextStyle style{JapaneseFont(headingSize), colours.text, Qt::transparent, 0,
                          headingSize * 0.04};
    painter.setPen(ThinPen(colours.text, line * 1.4));
    const qreal margin = std::min(sheet.width(), sheet.height()) * 0.1;
    if (vertical) {
        const QRectF column(sheet.right() - margin - headingSize * 1.2, sheet.top() + margin,
                            headingSize * 1.2, sheet.height() - 2 * margin);
        DrawVerticalText(painter, column, heading, style);
        // Columns of text from right to left; the left half stops short, leaving room for the
        // seals.
        const qreal gap = headingSize * 0.55;
        for (qreal x = column.left() - gap; x > sheet.left() + margin; x -= gap) {
            const qreal bottomMargin = x > sheet.center().x() ? margin * 1.2 : margin * 2.5;
            painter.drawLine(QPointF(x, sheet.top() + margin * 1.2),
                             QPointF(x, sheet.bottom() - bottomMargin));
        }
    } else {
        const QRectF title(sheet.left() + margin, sheet.top() + margin * 0.8,
                           sheet.width() - 2 * margin, headingSize * 1.2);
        DrawText(painter, title, heading, style);
        const qreal gap = std::max(3.0, headingSize * 0.45);
        int index = 0;
        for (qreal y = title.bottom() + gap * 1.3; y < sheet.bottom() - margin; y += gap, ++index) {
            const qreal end =
                (index % 4 == 3) ? sheet.left() + sheet.width() * 0.55 : sheet.right() - margin;
            painter.drawLine(QPointF(sheet.left() + margin, y), QPointF(end, y));
        }
    }
    painter.restore();
}

void DrawSeal(QPainter& painter, QPointF centre, qreal size, const QString& text, const QColor& red,
              bool round, qreal angle) {
    painter.save();
    painter.translate(centre);
    painter.rotate(angle);
    const QRectF ring(-size / 2, -size / 2, size, size);
    painter.setPen(QPen(red, size * 0.08));
    painter.setBrush(Qt::NoBrush);
    if (round)
        painter.drawEllipse(ring);
    else
        painter.drawRect(ring.adjusted(0, size * 0.18, 0, -size * 0.18));
    const qreal inset = round ? size * 0.2 : size * 0.12;
    DrawText(painter,
             ring.adjusted(inset, inset + (round ? 0 : size * 0.12), -inset,
                           -inset - (round ? 0 : size * 0.12)),
             text, TextStyle{JapaneseFont(size * 0.5), red, Qt::transparent, 0, size * 0.03});
    painter.restore();
}

void DrawMicrophone(QPainter& painter, QPointF base, QPointF head, qreal size,
                    const MicrophoneColours& colours) {
    painter.save();
    painter.setPen(ThinPen(colours.outline, size * 0.25));
    painter.drawLine(base, head);
    painter.setPen(ThinPen(colours.outline, size * 0.12));
    painter.setBrush(colours.body);
    painter.drawRoundedRect(
        QRectF(base.x() - size * 0.7, base.y() - size * 0.25, size * 1.4, size * 0.4), size * 0.1,
        size * 0.1);
    const qreal angle = std::atan2(head.y() - base.y(), head.x() - base.x()) * 180 / M_PI;
    painter.translate(head);
    painter.rotate(angle);
    painter.drawRoundedRect(QRectF(-size * 1.2, -size * 0.35, size * 1.2, size * 0.7), size * 0.2,
                            size * 0.2);
    painter.setBrush(colours.grille);
    painter.drawEllipse(QRectF(-size * 0.2, -size * 0.55, size * 1.1, size * 1.1));
    painter.restore();
}

void DrawFlash(QPainter& painter, QPointF centre, qreal radius, const QColor& core,
               const QColor& glow) {
    painter.save();
    painter.setPen(Qt::NoPen);
    for (const auto& [colour, scale] : {std::pair{glow, 1.0}, std::pair{core, 0.55}}) {
        QPolygonF star;
        const int points = 8;
        for (int i = 0; i < 2 * points; ++i) {
            const qreal r = radius * scale * (i % 2 == 0 ? 1.0 : 0.3);
            const qreal a = M_PI * i / points;
            star << centre + QPointF(r * std::cos(a), r * std::sin(a));
        }
        painter.setBrush(colour);
        painter.drawPolygon(star);
    }
    painter.restore();
}

void DrawPlacard(QPainter& painter, const QRectF& board, qreal poleBottom, const QString& slogan,
                 const TextStyle& sloganStyle, const QColor& boardColour, const QColor& poleColour,
                 const QColor& outline) {
    painter.save();
    const qreal line = std::max(0.8, board.width() * 0.04);
    painter.setPen(QPen(outline, line));
    painter.setBrush(poleColour);
    const qreal poleWidth = board.width() * 0.12;
    painter.drawRect(QRectF(board.center().x() - poleWidth / 2, board.bottom(), poleWidth,
                            poleBottom - board.bottom()));
    painter.setBrush(boardColour);
    painter.drawRect(board);
    const qreal inset = board.width() * 0.12;
    DrawVerticalText(painter, board.adjusted(inset, inset, -inset, -inset), slogan, sloganStyle);
    painter.restore();
}

void DrawCardboardBox(QPainter& painter, const QRectF& front, const QString& label,
                      const TextStyle& labelStyle, const BoxColours& colours) {
    painter.save();
    const qreal line = std::max(0.8, front.width() * 0.02);
    painter.setPen(QPen(colours.outline, line, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    const qreal depth = front.height() * 0.28;
    const qreal shift = front.width() * 0.12;
    painter.setBrush(colours.side);
    painter.drawPolygon(QPolygonF{front.topLeft(), front.topLeft() + QPointF(shift, -depth),
                                  front.topRight() + QPointF(shift, -depth), front.topRight()});
    painter.drawPolygon(QPolygonF{front.topRight(), front.topRight() + QPointF(shift, -depth),
                                  front.bottomRight() + QPointF(shift, -depth),
                                  front.bottomRight()});
    painter.setBrush(colours.front);
    painter.drawRect(front);
    // Tape over the lid and down the front.
    painter.setPen(QPen(colours.tape, front.width() * 0.1));
    const QPointF lidFront(front.center().x(), front.top());
    painter.drawLine(lidFront + QPointF(0, front.height() * 0.2), lidFront);
    painter.drawLine(lidFront, lidFront + QPointF(shift, -depth));
    if (!label.isEmpty()) {
        const QRectF tag(front.left() + front.width() * 0.2, front.top() + front.height() * 0.3,
                         front.width() * 0.6, front.height() * 0.4);
        painter.setPen(QPen(colours.outline, line));
        painter.setBrush(colours.label);
        painter.drawRect(tag);
        DrawText(painter,
                 tag.adjusted(tag.width() * 0.08, tag.height() * 0.12, -tag.width() * 0.08,
                              -tag.height() * 0.12),
                 label, labelStyle);
    }
    painter.restore();
}

void DrawCapsule(QPainter& painter, QPointF centre, qreal length, qreal thickness, qreal angle,
                 const CapsuleColours& colours) {
    painter.save();
    painter.translate(centre);
    painter.rotate(angle);
    const qreal half = length / 2;
    const qreal r = thickness / 2;
    QPainterPath whole;
    whole.addRoundedRect(QRectF(-half, -r, length, thickness), r, r);
    QPainterPath leftHalf;
    leftHalf.addRect(QRectF(-half - 1, -r - 1, half + 1, thickness + 2));
    painter.setPen(Qt::NoPen);
    painter.setBrush(colours.right);
    painter.drawPath(whole);
    painter.setBrush(colours.left);
    painter.drawPath(whole.intersected(leftHalf));
    painter.setBrush(colours.shine);
    painter.drawRoundedRect(QRectF(-half + r * 0.6, -r * 0.65, length - r * 1.2, r * 0.35),
                            r * 0.17, r * 0.17);
    const qreal line = std::max(0.8, thickness * 0.08);
    painter.setPen(QPen(colours.outline, line));
    painter.drawLine(QPointF(0, -r), QPointF(0, r));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(whole);
    painter.restore();
}

void DrawCoin(QPainter& painter, QPointF centre, qreal radius, const CoinColours& colours) {
    painter.save();
    painter.setPen(QPen(colours.rim, radius * 0.12));
    painter.setBrush(colours.face);
    painter.drawEllipse(centre, radius, radius);
    painter.setPen(QPen(colours.rim, radius * 0.05));
    painter.setBrush(Qt::NoBrush);
    painter.drawEllipse(centre, radius * 0.78, radius * 0.78);
    DrawText(painter,
             QRectF(centre.x() - radius * 0.5, centre.y() - radius * 0.55, radius, radius * 1.1),
             QStringLiteral("¥"), TextStyle{LatinFont(radius * 1.2), colours.mark});
    painter.setPen(QPen(colours.shine, radius * 0.12, Qt::SolidLine, Qt::RoundCap));
    painter.drawArc(QRectF(centre.x() - radius * 0.62, centre.y() - radius * 0.62, radius * 1.24,
                           radius * 1.24),
                    100 * 16, 60 * 16);
    painter.restore();
}

}  // namespace picgen
