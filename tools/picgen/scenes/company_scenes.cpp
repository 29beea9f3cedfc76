// SPDX-License-Identifier: GPL-3.0-or-later
// The company: its executives bowing, its boardroom and its offices searched.
#include <algorithm>

#include "draw/architecture.h"
#include "draw/figures.h"
#include "draw/props.h"
#include "draw/shading.h"
#include "draw/text.h"
#include "scenes/scenes.h"

namespace picgen {
namespace {

namespace apology {
const QColor kWall(0xd6dde6u);
const QColor kWallShade(0xaeb8c6u);
const QColor kBanner(0x223060u);
const QColor kWhite(0xffffffu);
const QColor kClothShade(0xcfd4dau);
const QColor kSuit(0x262a34u);
const QColor kHair(0x1e1a1au);
const QColor kGreyHair(0x8a8a8eu);
const QColor kSkin(0xefc39au);
const QColor kOutline(0x121216u);
const QColor kMetal(0x80848cu);
const QColor kFlashGlow(0xfff2a0u);
const QColor kCamera(0x34343cu);
const QColor kRed(0xa02a2au);

void Draw(QPainter& p, const QSizeF& size) {
    p.fillRect(QRectF(QPointF(0, 0), size), kWall);
    p.fillRect(QRectF(0, 130, 330, 80), kWallShade);
    p.setPen(QPen(kOutline, 1.5));
    p.setBrush(kBanner);
    p.drawRect(QRectF(20, 18, 290, 50));
    DrawText(p, QRectF(30, 24, 270, 38), QStringLiteral("ナガレ薬研 記者会見"),
             {JapaneseFont(30), kWhite, Qt::transparent, 0, 0.6});

    // Three executives bowing as low as they can.
    const Outfit executives[] = {
        {kSkin, kHair, kSuit, kWhite, kRed, kOutline},
        {kSkin, kGreyHair, kSuit, kWhite, kRed, kOutline},
        {kSkin, kHair, kSuit, kWhite, kRed, kOutline},
    };
    for (int i = 0; i < 3; ++i) DrawBowingPerson(p, QPointF(64 + i * 101, 166), 92, executives[i]);

    // The table with its cloth, microphones and name cards.
    p.setPen(QPen(kOutline, 1.5));
    p.setBrush(kWhite);
    p.drawRect(QRectF(-2, 206, 334, 74));
    p.setPen(QPen(kClothShade, 3));
    for (int x = 20; x < 330; x += 36) p.drawLine(QPointF(x, 214), QPointF(x, 278));
    p.setPen(QPen(kOutline, 1.5));
    p.drawLine(QPointF(0, 206), QPointF(330, 206));
    const MicrophoneColours mic{kMetal, kOutline, kOutline};
    // Microphones stand between the bowed heads, not in front of them.
    for (int i = 0; i < 4; ++i) {
        const qreal x = 14 + i * 101;
        DrawMicrophone(p, {x, 204}, {x + (i < 2 ? 4 : -4), 180}, 7, mic);
    }
    for (int i = 0; i < 3; ++i) {
        const qreal x = 64 + i * 101;
        p.setPen(QPen(kOutline, 1.2));
        p.setBrush(kWhite);
        p.drawRect(QRectF(x - 24, 214, 48, 20));
        DrawText(p, QRectF(x - 20, 216, 40, 16),
                 i == 1 ? QStringLiteral("社長") : QStringLiteral("役員"),
                 {JapaneseFont(14), kOutline});
    }

    // Cameras of the press along the bottom, flashing.
    p.fillRect(QRectF(0, 280, 330, 50), kWallShade);
    p.setPen(QPen(kOutline, 1.5));
    for (int i = 0; i < 5; ++i) {
        const qreal x = 20 + i * 72;
        p.setBrush(kCamera);
        p.drawRoundedRect(QRectF(x, 292, 46, 40), 5, 5);
        p.setBrush(kMetal);
        p.drawEllipse(QPointF(x + 23, 312), 11, 11);
        p.setBrush(kCamera);
        p.drawRect(QRectF(x + 4, 282, 18, 12));
    }
    DrawFlash(p, {40, 266}, 30, kWhite, kFlashGlow);
    DrawFlash(p, {186, 262}, 24, kWhite, kFlashGlow);
    DrawFlash(p, {300, 252}, 34, kWhite, kFlashGlow);
    DrawFlash(p, {120, 110}, 18, kWhite, kFlashGlow);
}
}  // namespace apology

namespace boardroom {
const QColor kWall(0xd8c8a8u);
const QColor kPanel(0x7a5436u);
const QColor kPanelDark(0x553822u);
const QColor kFrame(0x2e1e12u);
const QColor kPaper(0xfaf6eau);
const QColor kInk(0x1a1816u);
const QColor kGold(0xd8b048u);
const QColor kTable(0x8a5a30u);
const QColor kTableTop(0xb07a44u);
const QColor kLeather(0x5c1e24u);
const QColor kLeatherShine(0x8c3a3eu);
const QColor kCarpet(0x34466au);
const QColor kCarpetDark(0x26324eu);
const QColor kOutline(0x141010u);
const QColor kRed(0xc0282cu);

// A chair's back seen from behind or in front, `back` being its padded board.
void DrawChairBack(QPainter& p, const QRectF& back) {
    p.setPen(QPen(kOutline, 1.5));
    p.setBrush(kLeather);
    p.drawRoundedRect(back, back.width() * 0.2, back.width() * 0.2);
    p.setPen(QPen(kLeatherShine, std::max(1.0, back.width() * 0.08), Qt::SolidLine, Qt::RoundCap));
    p.drawLine(back.topLeft() + QPointF(back.width() * 0.25, back.height() * 0.2),
               back.bottomLeft() + QPointF(back.width() * 0.25, -back.height() * 0.25));
}

void Draw(QPainter& p, const QSizeF& size) {
    p.fillRect(QRectF(QPointF(0, 0), size), kCarpet);
    p.fillRect(QRectF(0, 0, 330, 172), kWall);
    p.setPen(QPen(kOutline, 1.5));
    p.setBrush(kPanel);
    p.drawRect(QRectF(-2, 118, 334, 54));
    p.setPen(QPen(kPanelDark, 2));
    for (qreal x = 22; x < 330; x += 44) p.drawLine(QPointF(x, 122), QPointF(x, 170));
    p.setPen(QPen(kCarpetDark, 2));
    for (qreal y = 186; y < 330; y += 22) p.drawLine(QPointF(0, y), QPointF(330, y));

    // The company's motto, framed over the head of the table, and its name under it.
    p.setPen(QPen(kOutline, 1.5));
    p.setBrush(kFrame);
    p.drawRect(QRectF(90, 14, 150, 62));
    p.setBrush(kPaper);
    p.drawRect(QRectF(97, 21, 136, 48));
    DrawText(p, QRectF(104, 26, 110, 38), QStringLiteral("誠実第一"),
             {JapaneseFont(30), kInk, Qt::transparent, 0, 0.7});
    DrawSeal(p, QPointF(222, 56), 16, QStringLiteral("社"), kRed, false, 0);
    p.setPen(QPen(kOutline, 1.2));
    p.setBrush(kFrame);
    p.drawRect(QRectF(118, 82, 94, 20));
    DrawText(p, QRectF(122, 84, 86, 16), QStringLiteral("ナガレ薬研"),
             {JapaneseFont(15), kGold, Qt::transparent, 0, 0.3});

    // Empty chairs: the president's high back at the far end, the board's down both sides.
    DrawChairBack(p, QRectF(140, 108, 50, 82));
    for (const qreal t : {0.15, 0.5, 0.85}) {
        const qreal w = 16 + 34 * t;
        const qreal h = 30 + 56 * t;
        const qreal y = 172 + 150 * t;
        DrawChairBack(p, QRectF(118 - 96 * t - w - 6, y - h, w, h));
        DrawChairBack(p, QRectF(212 + 96 * t + 6, y - h, w, h));
    }

    // The long table, its near end running out of the picture, a set of papers at every place.
    p.setPen(QPen(kOutline, 1.6));
    p.setBrush(kTable);
    p.drawPolygon(QPolygonF{{112, 176}, {218, 176}, {318, 332}, {12, 332}});
    p.setBrush(kTableTop);
    p.drawPolygon(QPolygonF{{116, 172}, {214, 172}, {312, 332}, {18, 332}});
    p.setPen(QPen(kOutline, 1));
    p.setBrush(kPaper);
    for (const qreal t : {0.15, 0.5, 0.85}) {
        const qreal y = 172 + 150 * t;
        const qreal w = 12 + 26 * t;
        const qreal h = 6 + 12 * t;
        p.drawRect(QRectF(118 - 96 * t + 6, y - h, w, h));
        p.drawRect(QRectF(212 + 96 * t - 6 - w, y - h, w, h));
    }
    p.drawRect(QRectF(150, 178, 30, 8));
}
}  // namespace boardroom

namespace raid {
const QColor kWall(0xbac0c6u);
const QColor kWallDark(0x8b9299u);
const QColor kGlass(0x6f92b0u);
const QColor kGlassLight(0xaac7ddu);
const QColor kSign(0x1f3a6au);
const QColor kWhite(0xffffffu);
const QColor kOutline(0x1a1c20u);
const QColor kSuit(0x24272fu);
const QColor kSkin(0xefc39au);
const QColor kHair(0x1c1818u);
const QColor kBox(0xc99b5cu);
const QColor kBoxSide(0xa57a40u);
const QColor kTape(0x7f623au);
const QColor kPavement(0x8a877fu);
const QColor kFlashGlow(0xfff2a0u);

void Draw(QPainter& p, const QSizeF&) {
    DrawOfficeBlock(p, QRectF(-2, -2, 334, 110), 3, 8, {kWall, kWallDark, kGlass, kGlassLight}, 3);
    p.fillRect(QRectF(0, 106, 330, 150), kWallDark);
    // The entrance: sign over glass doors.
    p.setPen(QPen(kOutline, 1.5));
    p.setBrush(kSign);
    p.drawRect(QRectF(70, 112, 190, 34));
    DrawText(p, QRectF(78, 116, 174, 26), QStringLiteral("ナガレ薬研"),
             {JapaneseFont(24), kWhite, Qt::transparent, 0, 0.6});
    p.setBrush(kGlass);
    p.drawRect(QRectF(40, 152, 250, 110));
    p.setPen(QPen(kWallDark, 4));
    for (const qreal x : {102.0, 165.0, 228.0}) p.drawLine(QPointF(x, 152), QPointF(x, 262));
    p.setPen(QPen(kGlassLight, 6));
    for (const qreal x : {60.0, 122.0, 185.0, 248.0})
        p.drawLine(QPointF(x, 170), QPointF(x + 24, 200));
    p.fillRect(QRectF(0, 256, 330, 74), kPavement);

    // Investigators filing out, each with a box of seized papers.
    const Outfit investigator{kSkin, kHair, kSuit, kWhite, kSuit, kOutline};
    const BoxColours box{kBox, kBoxSide, kTape, kWhite, kOutline};
    const QPointF feet[] = {{80, 300}, {248, 302}, {164, 326}};
    const qreal heights[] = {150, 152, 168};
    for (int i = 0; i < 3; ++i) {
        const qreal h = heights[i];
        const Hands hands =
            DrawStandingPerson(p, feet[i], h, investigator, ArmPose::HoldingInFront);
        const QPointF centre = (hands.left + hands.right) / 2;
        const QRectF front(centre.x() - h * 0.17, centre.y() - h * 0.08, h * 0.34, h * 0.2);
        DrawCardboardBox(p, front, QStringLiteral("押収"), {JapaneseFont(h * 0.08), kOutline}, box);
        // Hands gripping the box's lower corners.
        p.setPen(QPen(kOutline, 1));
        p.setBrush(kSkin);
        for (const QPointF& corner : {front.bottomLeft(), front.bottomRight()})
            p.drawEllipse(corner + QPointF(0, -h * 0.02), h * 0.032, h * 0.032);
    }
    DrawFlash(p, {20, 220}, 26, kWhite, kFlashGlow);
    DrawFlash(p, {312, 236}, 22, kWhite, kFlashGlow);
}
}  // namespace raid

}  // namespace

Scene ApologyPressConferenceScene() {
    using namespace apology;
    return {kEventCanvas,
            PaletteOf({kWall, kWallShade, kBanner, kWhite, kClothShade, kSuit, kHair, kGreyHair,
                       kSkin, kOutline, kMetal, kFlashGlow, kCamera, kRed}),
            apology::Draw};
}

Scene BoardroomScene() {
    using namespace boardroom;
    return {kEventCanvas,
            PaletteOf({kWall, kPanel, kPanelDark, kFrame, kPaper, kInk, kGold, kTable, kTableTop,
                       kLeather, kLeatherShine, kCarpet, kCarpetDark, kOutline, kRed}),
            boardroom::Draw};
}

Scene OfficeRaidScene() {
    using namespace raid;
    return {kEventCanvas,
            PaletteOf({kWall, kWallDark, kGlass, kGlassLight, kSign, kWhite, kOutline, kSuit, kSkin,
                       kHair, kBox, kBoxSide, kTape, kPavement, kFlashGlow}),
            raid::Draw};
}

}  // namespace picgen
