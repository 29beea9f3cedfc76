// SPDX-License-Identifier: GPL-3.0-or-later
// The two endings: a cell for the caught, a heap of money for the one who got away with it.
#include <QPainterPath>
#include <cmath>

#include "draw/props.h"
#include "draw/shading.h"
#include "draw/text.h"
#include "scenes/scenes.h"

namespace picgen {
namespace {

namespace cell {
const QColor kWallLight(0x8a8c90u);
const QColor kWall(0x6c6e73u);
const QColor kWallDark(0x4a4c50u);
const QColor kFloor(0x36383cu);
const QColor kBar(0x1c1e22u);
const QColor kBarShine(0x9a9ea4u);
const QColor kMoon(0xcad9f0u);
const QColor kMoonDim(0x7a92b8u);
const QColor kBlanket(0x5a6048u);
const QColor kFigure(0x242428u);
const QColor kSkin(0xc89c7cu);
const QColor kUniform(0x9ca6b4u);
const QColor kUniformShade(0x6c7684u);
const QColor kPatch(0xe6e6dcu);
const QColor kOutline(0x0e0e10u);

// A limb or a body part as a thick rounded stroke with its outline.
void DrawLimb(QPainter& p, QPointF from, QPointF to, qreal width, const QColor& colour) {
    p.setPen(QPen(kOutline, width + 2.4, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(from, to);
    p.setPen(QPen(colour, width, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(from, to);
}

// Seen from the side, sitting on the cot with the knees drawn up and the arms round them, the head
// sunk onto the knees: plainly sitting, whatever the scale. `seat` is where the hips rest.
void DrawPrisoner(QPainter& p, QPointF seat) {
    const QPointF knee = seat + QPointF(28, -24);
    const QPointF ankle = seat + QPointF(36, 0);
    const QPointF shoulder = seat + QPointF(8, -38);
    DrawLimb(p, ankle, knee, 12, kUniformShade);
    p.setPen(QPen(kOutline, 1.2));
    p.setBrush(kOutline);
    p.drawEllipse(ankle + QPointF(5, 2), 8, 3.5);
    DrawLimb(p, seat + QPointF(2, -4), knee, 16, kUniformShade);

    // The back, curved over the knees, with the number on it.
    QPainterPath body;
    body.moveTo(seat + QPointF(-10, 2));
    body.quadTo(seat + QPointF(-14, -24), shoulder + QPointF(-6, 2));
    body.quadTo(shoulder + QPointF(4, -6), shoulder + QPointF(14, 2));
    body.lineTo(seat + QPointF(14, -6));
    body.lineTo(seat + QPointF(6, 2));
    body.closeSubpath();
    p.setPen(QPen(kOutline, 1.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(kUniform);
    p.drawPath(body);

    // The head resting on the knees, face hidden, cropped hair on top.
    const QPointF head = knee + QPointF(-6, -12);
    p.setBrush(kSkin);
    p.drawEllipse(head, 10, 10);
    QPainterPath skull;
    skull.addEllipse(head, 10, 10);
    QPainterPath crop;
    crop.addRect(QRectF(head.x() - 11, head.y() - 11, 16, 22));
    p.setBrush(kFigure);
    p.drawPath(skull.intersected(crop));

    // The arm round the shins, the hand clasping them.
    const QPointF elbow = seat + QPointF(18, -14);
    const QPointF hand = knee + QPointF(6, 8);
    DrawLimb(p, shoulder + QPointF(4, 2), elbow, 9, kUniform);
    DrawLimb(p, elbow, hand, 8, kUniform);
    p.setPen(QPen(kOutline, 1));
    p.setBrush(kPatch);
    p.drawRect(QRectF(seat.x() - 8, seat.y() - 22, 9, 6));
    p.setBrush(kSkin);
    p.drawEllipse(hand, 5, 4);
}

void Draw(QPainter& p, const QSizeF& size) {
    p.fillRect(QRectF(QPointF(0, 0), size), kWall);
    p.setPen(QPen(kWallDark, 1));
    for (int y = 12; y < 150; y += 18)
        for (int x = (y / 18) % 2 * 20; x < 258; x += 40) p.drawRect(QRectF(x, y, 40, 18));
    p.fillRect(QRectF(0, 150, 258, 50), kFloor);

    // High barred window with moonlight falling through it.
    const QRectF window(150, 22, 56, 40);
    p.setPen(Qt::NoPen);
    p.setBrush(kWallLight);
    p.drawPolygon(QPolygonF{window.bottomLeft(), window.bottomRight(), {196, 172}, {118, 172}});
    p.setPen(QPen(kOutline, 1.5));
    p.setBrush(kMoon);
    p.drawRect(window);
    p.setBrush(kMoonDim);
    p.drawEllipse(QPointF(188, 36), 9, 9);
    p.setPen(QPen(kBar, 4));
    for (qreal x = 160; x < 206; x += 12) p.drawLine(QPointF(x, 22), QPointF(x, 62));

    // The cot, and the prisoner huddled on it in a numbered uniform.
    p.setPen(QPen(kOutline, 1.5));
    p.setBrush(kBlanket);
    p.drawRect(QRectF(16, 130, 120, 18));
    p.setBrush(kWallDark);
    p.drawRect(QRectF(20, 148, 6, 22));
    p.drawRect(QRectF(126, 148, 6, 22));
    DrawPrisoner(p, QPointF(62, 130));
    // The bars in front, across the whole picture.
    p.setPen(Qt::NoPen);
    for (qreal x = 8; x < 258; x += 30) {
        p.setBrush(kBar);
        p.drawRect(QRectF(x, 0, 9, 200));
        p.setBrush(kBarShine);
        p.drawRect(QRectF(x + 2, 0, 2, 200));
    }
    p.setBrush(kBar);
    p.drawRect(QRectF(0, 34, 258, 8));
    p.setBrush(kBarShine);
    p.drawRect(QRectF(0, 36, 258, 2));
}
}  // namespace cell

namespace money {
const QColor kPurple(0x4c1660u);
const QColor kMagenta(0xa02a78u);
const QColor kPlum(0x762070u);  // between the two, so the glow dithers finely
const QColor kRayGold(0xe8b040u);
const QColor kNote(0xd6c49au);  // the brown-and-cream of ten-thousand-yen notes
const QColor kNoteDark(0x6e5030u);
const QColor kNoteLight(0xf0e8d0u);
const QColor kBand(0xfbfbf4u);
const QColor kGold(0xf2c230u);
const QColor kGoldDark(0xa87610u);
const QColor kGoldShine(0xfff4b0u);
const QColor kOutline(0x201810u);

// A stack of notes seen from the front, with a paper band round its middle.
void DrawStack(QPainter& p, const QRectF& front) {
    p.setPen(QPen(kOutline, 1.2));
    p.setBrush(kNote);
    p.drawRect(front);
    p.setPen(QPen(kNoteDark, 1));
    for (qreal y = front.top() + 3; y < front.bottom(); y += 3)
        p.drawLine(QPointF(front.left() + 1, y), QPointF(front.right() - 1, y));
    p.setPen(QPen(kOutline, 1.2));
    p.setBrush(kNoteLight);
    p.drawRect(QRectF(front.left(), front.top() - 8, front.width(), 8));
    p.setBrush(kBand);
    p.drawRect(QRectF(front.center().x() - 6, front.top() - 8, 12, front.height() + 8));
}

// A single note lying loose, turned.
void DrawNote(QPainter& p, QPointF centre, qreal angle) {
    p.save();
    p.translate(centre);
    p.rotate(angle);
    const QRectF note(-34, -16, 68, 32);
    p.setPen(QPen(kOutline, 1.2));
    p.setBrush(kNote);
    p.drawRect(note);
    p.setPen(QPen(kNoteDark, 1.5));
    p.setBrush(kNoteLight);
    p.drawEllipse(QPointF(17, 0), 10, 11);
    DrawText(p, QRectF(-31, -13, 36, 15), QStringLiteral("壱万円"), {JapaneseFont(12), kNoteDark});
    DrawText(p, QRectF(-31, 2, 36, 11), QStringLiteral("10000"), {LatinFont(9), kNoteDark});
    p.restore();
}

void DrawSparkle(QPainter& p, QPointF centre, qreal size) {
    p.setPen(Qt::NoPen);
    p.setBrush(kGoldShine);
    p.drawPolygon(QPolygonF{centre + QPointF(0, -size), centre + QPointF(size * 0.2, -size * 0.2),
                            centre + QPointF(size, 0), centre + QPointF(size * 0.2, size * 0.2),
                            centre + QPointF(0, size), centre + QPointF(-size * 0.2, size * 0.2),
                            centre + QPointF(-size, 0),
                            centre + QPointF(-size * 0.2, -size * 0.2)});
}

void Draw(QPainter& p, const QSizeF& size) {
    const QPointF centre(129, 120);
    p.fillRect(QRectF(QPointF(0, 0), size), RadialGlow(centre, 170, kMagenta, kPurple));
    // Gold rays.
    p.setPen(Qt::NoPen);
    p.setBrush(kRayGold);
    for (int i = 0; i < 16; i += 2) {
        const qreal a0 = M_PI * i / 8;
        const qreal a1 = M_PI * (i + 0.6) / 8;
        p.drawPolygon(QPolygonF{centre, centre + QPointF(300 * std::cos(a0), 300 * std::sin(a0)),
                                centre + QPointF(300 * std::cos(a1), 300 * std::sin(a1))});
    }
    p.setBrush(kPurple);
    p.drawEllipse(centre, 18, 18);

    // The heap: a pyramid of banded stacks, loose notes and coins.
    const qreal w = 46;
    const qreal h = 26;
    for (int row = 0; row < 4; ++row) {
        const int count = 5 - row;
        const qreal left = 129 - count * w / 2;
        for (int i = 0; i < count; ++i)
            DrawStack(p, QRectF(left + i * w + 1, 196 - (row + 1) * (h + 8) + 8, w - 2, h));
    }
    DrawNote(p, {40, 180}, -18);
    DrawNote(p, {214, 176}, 22);
    DrawNote(p, {128, 56}, -8);
    const CoinColours coin{kGold, kGoldDark, kGoldShine, kGoldDark};
    for (const auto& [at, r] :
         {std::pair{QPointF(22, 150), 14.0}, std::pair{QPointF(236, 140), 15.0},
          std::pair{QPointF(60, 190), 12.0}, std::pair{QPointF(196, 192), 13.0},
          std::pair{QPointF(90, 66), 11.0}, std::pair{QPointF(170, 62), 12.0}})
        DrawCoin(p, at, r, coin);
    for (const auto& [at, s] : {std::pair{QPointF(30, 30), 10.0}, std::pair{QPointF(226, 40), 12.0},
                                std::pair{QPointF(190, 96), 7.0}, std::pair{QPointF(70, 100), 7.0}})
        DrawSparkle(p, at, s);
}
}  // namespace money

}  // namespace

Scene JailCellScene() {
    using namespace cell;
    return {kEndingCanvas,
            PaletteOf({kWallLight, kWall, kWallDark, kFloor, kBar, kBarShine, kMoon, kMoonDim,
                       kBlanket, kFigure, kSkin, kUniform, kUniformShade, kPatch, kOutline}),
            cell::Draw};
}

Scene MoneyHeapScene() {
    using namespace money;
    return {kEndingCanvas,
            PaletteOf({kPurple, kPlum, kMagenta, kRayGold, kNote, kNoteDark, kNoteLight, kBand,
                       kGold, kGoldDark, kGoldShine, kOutline}),
            money::Draw};
}

}  // namespace picgen
