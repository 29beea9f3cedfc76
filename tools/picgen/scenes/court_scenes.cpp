// SPDX-License-Identifier: GPL-3.0-or-later
// Complaints handed in, lawsuits filed, and the court that hears them.
#include "draw/architecture.h"
#include "draw/figures.h"
#include "draw/props.h"
#include "draw/shading.h"
#include "draw/text.h"
#include "scenes/scenes.h"

namespace picgen {
namespace {

namespace complaint {
const QColor kSkyHigh(0x6fa8d8u);
const QColor kSkyLow(0xc2e0f2u);
const QColor kStone(0xeae5d6u);
const QColor kStoneShade(0xbdb6a3u);
const QColor kDoorway(0x3d3a46u);
const QColor kOutline(0x27232cu);
const QColor kPavement(0x9d978au);
const QColor kNavy(0x2c3d66u);
const QColor kGrey(0x6b6e78u);
const QColor kSkin(0xf0c8a0u);
const QColor kHair(0x2e2420u);
const QColor kWhite(0xffffffu);
const QColor kRed(0xb8282cu);
const QColor kBronze(0x6d5a38u);
const QColor kGold(0xdcc07au);

void Draw(QPainter& p, const QSizeF& size) {
    p.fillRect(QRectF(QPointF(0, 0), size), VerticalGradient(0, 240, kSkyHigh, kSkyLow));
    p.fillRect(QRectF(0, 248, size.width(), size.height() - 248), kPavement);
    DrawColonnade(p, QRectF(18, 28, 294, 222), 6, {kStone, kStoneShade, kDoorway, kOutline});
    // The name board on the beam.
    p.setPen(QPen(kOutline, 1.2));
    p.setBrush(kBronze);
    p.drawRect(QRectF(120, 79, 90, 19));
    DrawText(p, QRectF(124, 81, 82, 15), QStringLiteral("検察庁"),
             {JapaneseFont(14), kGold, Qt::transparent, 0, 0.4});

    // The complainant hands the complaint to an official at the door.
    const Outfit complainant{kSkin, kHair, kNavy, kWhite, kRed, kOutline};
    const Outfit official{kSkin, kHair, kGrey, kWhite, kNavy, kOutline};
    const Hands giver = DrawStandingPerson(p, {108, 318}, 150, complainant, ArmPose::ReachingRight);
    constexpr qreal kOfficialX = 240;
    p.save();
    p.translate(2 * kOfficialX, 0);
    p.scale(-1, 1);  // the official faces the complainant
    const Hands mirrored =
        DrawStandingPerson(p, {kOfficialX, 316}, 146, official, ArmPose::ReachingRight);
    p.restore();
    const QPointF taker(2 * kOfficialX - mirrored.right.x(), mirrored.right.y());
    // The complaint, held up between the two hands.
    const qreal middle = (giver.right.x() + taker.x()) / 2;
    const QRectF sheet(middle - 24, giver.right.y() - 66, 48, 72);
    DrawDocument(p, sheet, QStringLiteral("告発状"), 15, {kWhite, kOutline, kOutline}, true);
    p.setPen(QPen(kOutline, 1));
    p.setBrush(kSkin);
    p.drawEllipse(QPointF(sheet.left() + 2, giver.right.y()), 4.8, 4.8);
    p.drawEllipse(QPointF(sheet.right() - 2, taker.y()), 4.8, 4.8);
}
}  // namespace complaint

namespace filing {
const QColor kWall(0xe8ddc4u);
const QColor kWallShade(0xc9b995u);
const QColor kSky(0x9ccbeau);
const QColor kStone(0xf2efe6u);
const QColor kStoneShade(0xb5ae9eu);
const QColor kDark(0x3b3640u);
const QColor kOutline(0x2a211cu);
const QColor kWoodLight(0xc48a52u);
const QColor kWood(0x9a6332u);
const QColor kWoodDark(0x663c1cu);
const QColor kPaper(0xfffffcu);
const QColor kRed(0xc0262bu);
const QColor kGold(0xd8aa3cu);
const QColor kBlack(0x141414u);

void Draw(QPainter& p, const QSizeF& size) {
    // The office wall with a window onto the courthouse.
    p.fillRect(QRectF(QPointF(0, 0), size), kWall);
    p.fillRect(QRectF(0, 150, size.width(), 30), kWallShade);
    const QRectF window(150, 22, 160, 128);
    p.setPen(QPen(kOutline, 1.5));
    p.setBrush(kSky);
    p.drawRect(window);
    p.save();
    p.setClipRect(window);
    DrawColonnade(p, QRectF(168, 40, 124, 104), 5, {kStone, kStoneShade, kDark, kOutline});
    p.fillRect(QRectF(150, 142, 160, 8), kStoneShade);
    p.restore();
    p.setPen(QPen(kWoodDark, 5));
    p.setBrush(Qt::NoBrush);
    p.drawRect(window);
    p.drawLine(QPointF(window.center().x(), window.top()),
               QPointF(window.center().x(), window.bottom()));
    p.setPen(QPen(kOutline, 1.2));
    p.drawRect(window.adjusted(-3, -3, 3, 3));

    // The desk top, running out of the picture at the bottom.
    p.setPen(QPen(kOutline, 1.5));
    p.setBrush(kWood);
    p.drawPolygon(QPolygonF{{0, 178}, {330, 178}, {330, 330}, {0, 330}});
    p.setBrush(kWoodLight);
    p.drawRect(QRectF(-2, 172, 334, 9));
    p.setPen(QPen(kWoodDark, 1.2));
    for (int y = 200; y < 330; y += 26) p.drawLine(QPointF(0, y), QPointF(330, y + 6));

    // A civil complaint and, on top of it, a criminal one, both stamped as received.
    const struct {
        QPointF at;
        qreal angle;
        QString heading;
    } sheets[] = {{{96, 246}, -9, QStringLiteral("訴状")},
                  {{206, 258}, 5, QStringLiteral("告発状")}};
    for (const auto& sheet : sheets) {
        p.save();
        p.translate(sheet.at);
        p.rotate(sheet.angle);
        p.setPen(Qt::NoPen);
        p.setBrush(kWoodDark);
        p.drawRect(QRectF(-58, -94, 126, 176));  // shadow
        DrawDocument(p, QRectF(-64, -100, 124, 176), sheet.heading, 32, {kPaper, kBlack, kOutline},
                     true);
        // Large, square to the sheet and on the blank top of it: at the size the event shows it,
        // a small round seal over the lines reads as a red blot.
        p.fillRect(QRectF(-62, -74, 68, 46), kPaper);
        DrawSeal(p, QPointF(-28, -51), 66, QStringLiteral("受理"), kRed, false, 0);
        p.restore();
    }

    // The rubber stamp that did it.
    p.setPen(QPen(kOutline, 1.5));
    p.setBrush(kGold);
    p.drawRoundedRect(QRectF(284, 186, 24, 36), 10, 10);
    p.setBrush(kWoodDark);
    p.drawRect(QRectF(278, 220, 36, 11));
    p.setBrush(kRed);
    p.drawRect(QRectF(280, 231, 32, 5));
}
}  // namespace filing

namespace courtroom {
const QColor kPanel(0xc99a62u);
const QColor kPanelLight(0xdcb884u);
const QColor kWood(0x8a572au);
const QColor kWoodDark(0x5a3417u);
const QColor kOutline(0x25170cu);
const QColor kRobe(0x1c1c22u);
const QColor kWhite(0xf5f3eeu);
const QColor kSkin(0xefc39au);
const QColor kHair(0x3a3030u);
const QColor kCarpet(0x5d7148u);
const QColor kCarpetDark(0x445536u);
const QColor kPlate(0xe9dfc4u);
const QColor kGrey(0x8c8a86u);

// The clerk sits below the bench, facing the court, behind a desk with a name plate.
void DrawClerk(QPainter& p, const Outfit& robe) {
    DrawBust(p, QRectF(138, 168, 54, 84), robe, {});
    p.setPen(QPen(kOutline, 2));
    p.setBrush(kWoodDark);
    p.drawRect(QRectF(102, 226, 126, 10));
    p.setBrush(kWood);
    p.drawRect(QRectF(108, 236, 114, 36));
    p.setPen(QPen(kOutline, 1.2));
    p.setBrush(kPlate);
    p.drawRect(QRectF(138, 242, 54, 24));
    DrawText(p, QRectF(141, 244, 48, 20), QStringLiteral("書記官"), {JapaneseFont(15), kOutline});
}

void Draw(QPainter& p, const QSizeF& size) {
    // Panelled back wall.
    p.fillRect(QRectF(QPointF(0, 0), size), kPanel);
    p.setPen(QPen(kWood, 2));
    p.setBrush(kPanelLight);
    for (int x = 8; x < 330; x += 64) p.drawRect(QRectF(x, 14, 50, 110));
    // The judges: the presiding judge in the middle, higher and larger.
    const Outfit robe{kSkin, kHair, kRobe, kWhite, kRobe, kOutline};
    DrawBust(p, QRectF(64, 86, 64, 100), robe, {});
    DrawBust(p, QRectF(202, 86, 64, 100), robe, {});
    p.setPen(QPen(kOutline, 2));
    p.setBrush(kWoodDark);
    p.drawRect(QRectF(128, 40, 74, 104));  // chair back
    DrawBust(p, QRectF(124, 62, 82, 120), robe, {});

    // The raised bench.
    p.setPen(QPen(kOutline, 2));
    p.setBrush(kWood);
    p.drawRect(QRectF(10, 160, 310, 84));
    p.setBrush(kWoodDark);
    p.drawRect(QRectF(4, 150, 322, 14));
    p.setPen(QPen(kWoodDark, 2));
    p.setBrush(Qt::NoBrush);
    for (int x = 24; x < 300; x += 76) p.drawRect(QRectF(x, 176, 60, 54));

    // Floor and the two parties' tables.
    p.setPen(Qt::NoPen);
    p.fillRect(QRectF(0, 244, 330, 86), kCarpet);
    p.setPen(QPen(kOutline, 2));
    for (const qreal x : {14.0, 196.0}) {
        p.setBrush(kWoodDark);
        p.drawRect(QRectF(x, 282, 120, 12));
        p.setBrush(kWood);
        p.drawRect(QRectF(x + 6, 294, 108, 40));
        p.setBrush(kWhite);
        p.drawRect(QRectF(x + 30, 276, 34, 8));
        p.setBrush(kGrey);
        p.drawRect(QRectF(x + 70, 274, 26, 10));
    }
    p.fillRect(QRectF(0, 244, 330, 6), kCarpetDark);
    DrawClerk(p, robe);
}
}  // namespace courtroom

}  // namespace

Scene CriminalComplaintScene() {
    using namespace complaint;
    return {kEventCanvas,
            PaletteOf({kSkyHigh, kSkyLow, kStone, kStoneShade, kDoorway, kOutline, kPavement, kNavy,
                       kGrey, kSkin, kHair, kWhite, kRed, kBronze, kGold}),
            complaint::Draw};
}

Scene LawsuitFilingScene() {
    using namespace filing;
    return {kEventCanvas,
            PaletteOf({kWall, kWallShade, kSky, kStone, kStoneShade, kDark, kOutline, kWoodLight,
                       kWood, kWoodDark, kPaper, kRed, kGold, kBlack}),
            filing::Draw};
}

Scene CourtroomScene() {
    using namespace courtroom;
    return {kEventCanvas,
            PaletteOf({kPanel, kPanelLight, kWood, kWoodDark, kOutline, kRobe, kWhite, kSkin, kHair,
                       kCarpet, kCarpetDark, kPlate, kGrey}),
            courtroom::Draw};
}

}  // namespace picgen
