// SPDX-License-Identifier: GPL-3.0-or-later
// Mourning the plaintiffs who died: flowers and candles, quiet colours, nothing else.
#include <QPainterPath>
#include <cmath>

#include "draw/shading.h"
#include "scenes/scenes.h"

namespace picgen {
namespace {

struct FlowerColours {
    QColor petal;
    QColor petalShade;
    QColor centre;
    QColor outline;
};

// A white chrysanthemum seen from the front: two rings of narrow petals round a small centre.
void DrawChrysanthemum(QPainter& p, QPointF centre, qreal radius, const FlowerColours& colours) {
    p.save();
    p.translate(centre);
    p.setPen(QPen(colours.outline, std::max(0.6, radius * 0.04)));
    for (const auto& [scale, colour, count] :
         {std::tuple{1.0, colours.petalShade, 18}, std::tuple{0.72, colours.petal, 14}}) {
        p.setBrush(colour);
        for (int i = 0; i < count; ++i) {
            p.save();
            p.rotate(360.0 * i / count + (scale < 1 ? 10 : 0));
            p.drawEllipse(QRectF(-radius * 0.14 * scale, -radius * scale, radius * 0.28 * scale,
                                 radius * 0.95 * scale));
            p.restore();
        }
    }
    p.setBrush(colours.centre);
    p.drawEllipse(QPointF(0, 0), radius * 0.22, radius * 0.22);
    p.restore();
}

void DrawLeaf(QPainter& p, QPointF base, qreal length, qreal angle, const QColor& leaf,
              const QColor& outline) {
    p.save();
    p.translate(base);
    p.rotate(angle);
    QPainterPath shape;
    shape.moveTo(0, 0);
    shape.quadTo(length * 0.5, -length * 0.3, length, 0);
    shape.quadTo(length * 0.5, length * 0.3, 0, 0);
    p.setPen(QPen(outline, 1));
    p.setBrush(leaf);
    p.drawPath(shape);
    p.restore();
}

struct CandleColours {
    QColor wax;
    QColor flame;
    QColor flameCore;
    QColor glow;
    QColor outline;
};

// A candle standing on `base`, its flame with a soft halo.
void DrawCandle(QPainter& p, QPointF base, qreal width, qreal height,
                const CandleColours& colours) {
    const QPointF flameAt(base.x(), base.y() - height - width * 0.7);
    QColor fadeOut = colours.glow;
    fadeOut.setAlpha(0);
    p.setPen(Qt::NoPen);
    p.setBrush(RadialGlow(flameAt, width * 3.2, colours.glow, fadeOut));
    p.drawEllipse(flameAt, width * 3.2, width * 3.2);
    p.setPen(QPen(colours.outline, 1.2));
    p.setBrush(colours.wax);
    p.drawRect(QRectF(base.x() - width / 2, base.y() - height, width, height));
    p.drawLine(QPointF(base.x(), base.y() - height),
               QPointF(base.x(), base.y() - height - width * 0.25));
    QPainterPath flame;
    flame.moveTo(flameAt.x(), flameAt.y() - width * 0.9);
    flame.cubicTo(flameAt.x() + width * 0.5, flameAt.y() - width * 0.1, flameAt.x() + width * 0.35,
                  flameAt.y() + width * 0.45, flameAt.x(), flameAt.y() + width * 0.45);
    flame.cubicTo(flameAt.x() - width * 0.35, flameAt.y() + width * 0.45, flameAt.x() - width * 0.5,
                  flameAt.y() - width * 0.1, flameAt.x(), flameAt.y() - width * 0.9);
    p.setPen(Qt::NoPen);
    p.setBrush(colours.flame);
    p.drawPath(flame);
    p.setBrush(colours.flameCore);
    p.drawEllipse(QPointF(flameAt.x(), flameAt.y() + width * 0.1), width * 0.16, width * 0.28);
}

namespace vigil {
const QColor kBackTop(0x2e2e33u);
const QColor kBackBottom(0x151517u);
const QColor kGlow(0x6a5c44u);
const QColor kWhite(0xf8f8f4u);
const QColor kPetalShade(0xc9c9c1u);
const QColor kCentre(0xd9d18eu);
const QColor kLeaf(0x3e5a36u);
const QColor kLeafDark(0x293d23u);
const QColor kVase(0x6c6a70u);
const QColor kVaseDark(0x48464cu);
const QColor kWax(0xecebe4u);
const QColor kFlame(0xf29a34u);
const QColor kFlameCore(0xffe676u);
const QColor kTable(0x3a2a20u);
const QColor kOutline(0x0c0c0eu);

void Draw(QPainter& p, const QSizeF& size) {
    p.fillRect(QRectF(QPointF(0, 0), size), VerticalGradient(0, 260, kBackTop, kBackBottom));
    p.setPen(QPen(kOutline, 1.5));
    p.setBrush(kTable);
    p.drawRect(QRectF(-2, 262, 334, 70));

    // The vase of chrysanthemums, a little left of centre.
    const FlowerColours flower{kWhite, kPetalShade, kCentre, kOutline};
    for (const auto& [base, angle] :
         {std::pair{QPointF(120, 170), -150.0}, std::pair{QPointF(130, 176), -30.0},
          std::pair{QPointF(116, 200), -165.0}, std::pair{QPointF(136, 196), -15.0}})
        DrawLeaf(p, base, 56, angle, angle < -90 ? kLeaf : kLeafDark, kOutline);
    p.setPen(QPen(kLeafDark, 4));
    for (const QPointF& head : {QPointF(92, 92), QPointF(150, 78), QPointF(124, 124),
                                QPointF(70, 140), QPointF(176, 134)})
        p.drawLine(QPointF(124, 196), head);
    for (const auto& [head, radius] :
         {std::pair{QPointF(92, 92), 30.0}, std::pair{QPointF(150, 78), 32.0},
          std::pair{QPointF(70, 140), 27.0}, std::pair{QPointF(176, 134), 28.0},
          std::pair{QPointF(124, 124), 30.0}})
        DrawChrysanthemum(p, head, radius, flower);
    QPainterPath vase;
    vase.moveTo(100, 184);
    vase.lineTo(148, 184);
    vase.cubicTo(150, 220, 166, 236, 158, 268);
    vase.lineTo(90, 268);
    vase.cubicTo(82, 236, 98, 220, 100, 184);
    vase.closeSubpath();
    p.setPen(QPen(kOutline, 1.8));
    p.setBrush(kVase);
    p.drawPath(vase);
    p.setBrush(kVaseDark);
    p.drawRect(QRectF(96, 180, 56, 10));

    DrawCandle(p, {244, 266}, 22, 96, {kWax, kFlame, kFlameCore, kGlow, kOutline});
    p.setPen(QPen(kOutline, 1.5));
    p.setBrush(kVaseDark);
    p.drawRect(QRectF(222, 262, 44, 8));
}
}  // namespace vigil

namespace altar {
const QColor kWall(0x4a4c52u);
const QColor kWallDark(0x333539u);
const QColor kCloth(0xe9e9e5u);
const QColor kClothShade(0xb6b6b2u);
const QColor kBlack(0x121212u);
const QColor kPhoto(0x9a9ca2u);
const QColor kWhite(0xfafaf6u);
const QColor kPetalShade(0xc9c9c1u);
const QColor kCentre(0xd9d18eu);
const QColor kLeaf(0x3e5a36u);
const QColor kWax(0xecebe4u);
const QColor kFlame(0xf29a34u);
const QColor kFlameCore(0xffe676u);
const QColor kGlow(0x6e6450u);
const QColor kWood(0x5a4030u);

void Draw(QPainter& p, const QSizeF& size) {
    p.fillRect(QRectF(QPointF(0, 0), size), kWall);
    p.fillRect(QRectF(0, 0, 330, 24), kWallDark);
    p.fillRect(QRectF(0, 300, 330, 30), kWallDark);

    // Three tiers draped in white.
    p.setPen(QPen(kBlack, 1.5));
    for (int tier = 0; tier < 3; ++tier) {
        const QRectF step(30 - tier * 12, 176 + tier * 40, 270 + tier * 24, 40);
        p.setBrush(kCloth);
        p.drawRect(step);
        p.setPen(QPen(kClothShade, 2));
        for (qreal x = step.left() + 14; x < step.right(); x += 22)
            p.drawLine(QPointF(x, step.top() + 4), QPointF(x, step.bottom() - 2));
        p.setPen(QPen(kBlack, 1.5));
    }

    // The framed picture with its black ribbon, holding a single flower rather than a face.
    const QRectF frame(115, 42, 100, 126);
    p.setBrush(kBlack);
    p.drawRect(frame);
    p.setBrush(kPhoto);
    p.drawRect(frame.adjusted(9, 9, -9, -9));
    const FlowerColours flower{kWhite, kPetalShade, kCentre, kBlack};
    p.setPen(QPen(kLeaf, 3));
    p.drawLine(QPointF(165, 110), QPointF(165, 152));
    DrawChrysanthemum(p, {165, 100}, 26, flower);
    p.setPen(Qt::NoPen);
    p.setBrush(kBlack);
    p.drawPolygon(QPolygonF{{115, 42}, {145, 42}, {115, 72}});
    p.drawPolygon(QPolygonF{{215, 42}, {185, 42}, {215, 72}});

    // Banks of flowers on both sides of the picture and along the tiers.
    for (int side : {-1, 1})
        for (int i = 0; i < 6; ++i) {
            const QPointF at(165 + side * (82 + (i % 3) * 32), 150 + (i / 3) * 34 + (i % 2) * 6);
            DrawChrysanthemum(p, at, 17, flower);
        }
    for (int i = 0; i < 9; ++i)
        DrawChrysanthemum(p, {28 + i * 34.0, 250 + (i % 2) * 8.0}, 15, flower);

    const CandleColours candle{kWax, kFlame, kFlameCore, kGlow, kBlack};
    DrawCandle(p, {78, 176}, 12, 40, candle);
    DrawCandle(p, {252, 176}, 12, 40, candle);
    p.setPen(QPen(kBlack, 1.2));
    p.setBrush(kWood);
    p.drawRect(QRectF(140, 286, 50, 14));
}
}  // namespace altar

}  // namespace

Scene ChrysanthemumScene() {
    using namespace vigil;
    return {kEventCanvas,
            PaletteOf({kBackTop, kBackBottom, kGlow, kWhite, kPetalShade, kCentre, kLeaf, kLeafDark,
                       kVase, kVaseDark, kWax, kFlame, kFlameCore, kTable, kOutline}),
            vigil::Draw};
}

Scene MemorialScene() {
    using namespace altar;
    return {kEventCanvas,
            PaletteOf({kWall, kWallDark, kCloth, kClothShade, kBlack, kPhoto, kWhite, kPetalShade,
                       kCentre, kLeaf, kWax, kFlame, kFlameCore, kGlow, kWood}),
            altar::Draw};
}

}  // namespace picgen
