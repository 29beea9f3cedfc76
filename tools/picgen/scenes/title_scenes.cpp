// SPDX-License-Identifier: GPL-3.0-or-later
// The title picture shown at start-up, and the slim name banner.
#include <QLinearGradient>
#include <QPainterPath>

#include "draw/architecture.h"
#include "draw/props.h"
#include "draw/shading.h"
#include "draw/text.h"
#include "scenes/scenes.h"

namespace picgen {
namespace {

namespace title {
const QColor kSkyTop(0x0a0f2cu);
const QColor kSkyMid(0x241d4cu);
const QColor kSkyLow(0x4c2c5eu);
const QColor kTower(0x151b32u);
const QColor kTowerEdge(0x2a3252u);
const QColor kWindow(0xf2d060u);
const QColor kGold(0xf6ca3au);
const QColor kGoldDark(0xa8701au);
const QColor kRed(0xc41e2au);
const QColor kRedDark(0x680c16u);
const QColor kWhite(0xf4f4f0u);
const QColor kAmber(0xc2681au);
const QColor kLabel(0xefe4c4u);
const QColor kBlack(0x050508u);
const QColor kGrey(0x8a8ea2u);

void DrawSkyline(QPainter& p) {
    const struct {
        QRectF box;
        int rows, columns, seed;
    } towers[] = {
        {{-4, 150, 60, 170}, 12, 3, 1},  {{50, 110, 52, 210}, 15, 3, 2},
        {{98, 170, 44, 150}, 10, 2, 3},  {{138, 90, 70, 230}, 17, 4, 4},
        {{204, 140, 48, 180}, 12, 3, 5}, {{250, 100, 64, 220}, 16, 4, 6},
        {{310, 160, 50, 160}, 11, 3, 7}, {{356, 126, 60, 200}, 14, 3, 8},
    };
    for (const auto& tower : towers)
        DrawOfficeBlock(p, tower.box, tower.rows, tower.columns,
                        {kTower, kTowerEdge, kTower, kWindow}, tower.seed);
}

// A drip bag of blood product on its stand, labelled with the game's Z.
void DrawDripBag(QPainter& p) {
    p.setPen(QPen(kBlack, 2));
    p.setBrush(kGrey);
    p.drawRect(QRectF(376, 112, 6, 176));  // stand
    p.drawRect(QRectF(326, 110, 56, 5));   // arm
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(kGrey, 3));
    p.drawArc(QRectF(324, 112, 10, 12), 90 * 16, 180 * 16);  // hook
    QPainterPath bag;
    bag.addRoundedRect(QRectF(296, 124, 68, 108), 14, 14);
    QPainterPath level;
    level.addRect(QRectF(290, 156, 80, 80));
    p.setPen(QPen(kBlack, 2));
    p.setBrush(kLabel);
    p.drawPath(bag);
    p.setBrush(kRed);
    p.drawPath(bag.intersected(level));
    p.setBrush(kWhite);
    p.drawRect(QRectF(308, 170, 44, 44));
    DrawText(p, QRectF(312, 172, 36, 30), QStringLiteral("Z"), {LatinFont(28, true), kRedDark});
    p.setPen(QPen(kRedDark, 2));
    p.drawLine(QPointF(314, 206), QPointF(346, 206));
    // Port, drip chamber and the line running down out of the picture.
    p.setPen(QPen(kBlack, 1.5));
    p.setBrush(kWhite);
    p.drawRect(QRectF(324, 232, 12, 8));
    p.drawRoundedRect(QRectF(322, 244, 16, 22), 4, 4);
    p.setPen(QPen(kLabel, 3));
    p.drawLine(QPointF(330, 240), QPointF(330, 244));
    p.drawLine(QPointF(330, 266), QPointF(330, 314));
}

// A small glass vial of clotting factor, sealed with a crimped cap.
void DrawVial(QPainter& p, QPointF base, qreal angle) {
    p.save();
    p.translate(base);
    p.rotate(angle);
    p.setPen(QPen(kBlack, 1.5));
    p.setBrush(kGrey);
    p.drawRoundedRect(QRectF(-11, -46, 22, 36), 4, 4);  // glass
    p.setBrush(kAmber);
    p.drawRoundedRect(QRectF(-10, -24, 20, 14), 3, 3);  // the dried powder
    p.setBrush(kWhite);
    p.drawRect(QRectF(-10, -38, 20, 10));  // label
    p.setBrush(kGrey);
    p.drawRect(QRectF(-7, -52, 14, 6));  // neck
    p.setBrush(kRed);
    p.drawRect(QRectF(-9, -60, 18, 9));  // cap
    p.restore();
}

void DrawTitleLettering(QPainter& p) {
    const QRectF box(12, 22, 386, 88);
    const QFont font = LatinFont(86, true);
    // A hard drop shadow, then gold letters with a dark red rim.
    DrawText(p, box.translated(4, 5), QStringLiteral("ZORMADE"), {font, kBlack, kBlack, 4});
    DrawText(p, box, QStringLiteral("ZORMADE"), {font, kGold, kRedDark, 3});
    DrawText(p, QRectF(130, 120, 150, 18), QStringLiteral("1991 - 1996"),
             {LatinFont(15), kWhite, kBlack, 2.5});
}

void Draw(QPainter& p, const QSizeF& size) {
    QLinearGradient sky(0, 0, 0, 300);
    sky.setColorAt(0, kSkyTop);
    sky.setColorAt(0.55, kSkyMid);
    sky.setColorAt(1, kSkyLow);
    p.fillRect(QRectF(QPointF(0, 0), size), sky);
    DrawSkyline(p);
    p.fillRect(QRectF(0, 286, size.width(), size.height() - 286), kBlack);
    DrawTitleLettering(p);

    DrawDripBag(p);
    DrawVial(p, {232, 312}, -8);
    DrawVial(p, {262, 314}, 6);
    DrawVial(p, {288, 312}, 18);
    // A coin catching the light: money is never far away.
    DrawCoin(p, {58, 270}, 28, {kGold, kGoldDark, kWhite, kGoldDark});
    p.setPen(Qt::NoPen);
    p.setBrush(kWhite);
    p.drawPolygon(QPolygonF{
        {78, 236}, {81, 246}, {92, 249}, {81, 252}, {78, 262}, {75, 252}, {64, 249}, {75, 246}});
}
}  // namespace title

namespace banner {
const QColor kNavy(0x141a3au);
const QColor kNavyLight(0x2c3666u);
const QColor kGold(0xf6ca3au);
const QColor kRedDark(0x680c16u);
const QColor kRed(0xc41e2au);
const QColor kWhite(0xf4f4f0u);
const QColor kBlack(0x050508u);

void Draw(QPainter& p, const QSizeF& size) {
    p.fillRect(QRectF(QPointF(0, 0), size), VerticalGradient(0, size.height(), kNavyLight, kNavy));
    p.fillRect(QRectF(0, size.height() - 2, size.width(), 2), kGold);
    DrawCapsule(p, {18, 10}, 22, 9, -25, {kRed, kWhite, kWhite, kBlack});
    DrawText(p, QRectF(36, 2, 150, 16), QStringLiteral("ZORMADE"),
             {LatinFont(17, true), kGold, kRedDark, 1});
}
}  // namespace banner

}  // namespace

Scene TitleScene() {
    using namespace title;
    return {QSize(409, 314),
            PaletteOf({kSkyTop, kSkyMid, kSkyLow, kTower, kTowerEdge, kWindow, kGold, kGoldDark,
                       kRed, kRedDark, kWhite, kAmber, kLabel, kBlack, kGrey}),
            title::Draw};
}

Scene BannerScene() {
    using namespace banner;
    return {QSize(224, 22), PaletteOf({kNavy, kNavyLight, kGold, kRedDark, kRed, kWhite, kBlack}),
            banner::Draw};
}

}  // namespace picgen
