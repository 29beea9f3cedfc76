// SPDX-License-Identifier: GPL-3.0-or-later
// The ministry: protest at its gate, its telephones, its minister and its archive.
#include <QPainterPath>

#include "draw/architecture.h"
#include "draw/figures.h"
#include "draw/props.h"
#include "draw/shading.h"
#include "draw/text.h"
#include "scenes/scenes.h"

namespace picgen {
namespace {

namespace protest {
const QColor kSkyHigh(0x8797adu);
const QColor kSkyLow(0xc9cfd8u);
const QColor kBuilding(0xcbc7bdu);
const QColor kBuildingShade(0x9f9b92u);
const QColor kWindow(0x4a5568u);
const QColor kOutline(0x24252bu);
const QColor kPavement(0x8d8980u);
const QColor kSkin(0xf0c8a0u);
const QColor kHair(0x2c2420u);
const QColor kNavy(0x34405eu);
const QColor kBrown(0x7a5a3cu);
const QColor kWhite(0xffffffu);
const QColor kRed(0xc0262au);
const QColor kYellow(0xf2d64au);
const QColor kPole(0xa87a48u);
const QColor kGreen(0x5d6e4eu);

struct Protester {
    QPointF feet;
    qreal height;
    QColor top;
    bool suit;  // otherwise a jumper over a white shirt
    bool headband;
    const char* slogan;  // empty: no placard
    QColor board;
};

// A white cloth tied round the forehead, with a red rising-sun mark.
void DrawHeadband(QPainter& p, const Protester& person) {
    const qreal h = person.height;
    const QRectF head(person.feet.x() - 0.075 * h, person.feet.y() - h, 0.15 * h, 0.15 * h);
    QPainterPath skull;
    skull.addEllipse(head);
    QPainterPath band;
    band.addRect(QRectF(head.left() - 1, head.top() + 0.035 * h, head.width() + 2, 0.03 * h));
    p.setPen(QPen(kOutline, 0.8));
    p.setBrush(kWhite);
    p.drawPath(skull.intersected(band));
    p.setPen(Qt::NoPen);
    p.setBrush(kRed);
    p.drawEllipse(QPointF(head.center().x(), head.top() + 0.05 * h), 0.011 * h, 0.011 * h);
}

void Draw(QPainter& p, const QSizeF& size) {
    p.fillRect(QRectF(QPointF(0, 0), size), VerticalGradient(0, 200, kSkyHigh, kSkyLow));
    DrawOfficeBlock(p, QRectF(60, 26, 262, 200), 7, 9,
                    {kBuilding, kBuildingShade, kWindow, kWindow}, 0);
    p.fillRect(QRectF(60, 190, 262, 36), kBuildingShade);
    p.fillRect(QRectF(0, 226, size.width(), size.height() - 226), kPavement);

    // The gatepost with the ministry's name board.
    p.setPen(QPen(kOutline, 1.5));
    p.setBrush(kBuildingShade);
    p.drawRect(QRectF(4, 70, 40, 170));
    p.setBrush(kWhite);
    p.drawRect(QRectF(10, 80, 28, 100));
    DrawVerticalText(p, QRectF(12, 84, 24, 92), QStringLiteral("厚生省"),
                     {JapaneseFont(22), kOutline, Qt::transparent, 0, 0.6});

    // Back row first; the placards stand between the heads so none hides another.
    const Protester crowd[] = {
        {{92, 286}, 104, kBrown, false, true, "謝罪せよ", kWhite},
        {{170, 282}, 100, kGreen, true, false, "", kWhite},
        {{242, 288}, 106, kRed, false, true, "真相究明", kYellow},
        {{40, 332}, 138, kNavy, false, true, "責任をとれ", kYellow},
        {{124, 334}, 136, kYellow, false, false, "", kWhite},
        {{190, 332}, 140, kGreen, false, true, "命を返せ", kWhite},
        {{292, 334}, 136, kNavy, true, false, "", kWhite},
    };
    for (const Protester& person : crowd) {
        const bool placard = person.slogan[0] != '\0';
        const Outfit outfit{kSkin, kHair,    person.top,  kWhite,
                            kRed,  kOutline, person.suit, person.suit ? person.top : kNavy};
        const Hands hands = DrawStandingPerson(p, person.feet, person.height, outfit,
                                               placard ? ArmPose::RaisingRight : ArmPose::Down);
        if (person.headband) DrawHeadband(p, person);
        if (!placard) continue;
        const qreal w = person.height * 0.34;
        const qreal h = person.height * 0.62;
        const QRectF board(hands.right.x() - w / 2, hands.right.y() - h - person.height * 0.08, w,
                           h);
        DrawPlacard(p, board, hands.right.y() + person.height * 0.12,
                    QString::fromUtf8(person.slogan),
                    {JapaneseFont(w * 0.6), kRed, Qt::transparent, 0, w * 0.02}, person.board,
                    kPole, kOutline);
        p.setPen(QPen(kOutline, 1));
        p.setBrush(kSkin);
        p.drawEllipse(hands.right, person.height * 0.032, person.height * 0.032);
    }
}
}  // namespace protest

namespace telephone {
const QColor kWall(0xd0d9c9u);
const QColor kWallShade(0xa8b4a1u);
const QColor kBlind(0xe8e8dcu);
const QColor kBlindShade(0xb5b6aau);
const QColor kSteel(0x8b939bu);
const QColor kDeskTop(0xb7bdc3u);
const QColor kOutline(0x202328u);
const QColor kPhone(0x1d1e23u);
const QColor kPhoneShine(0x5b606au);
const QColor kPaper(0xffffffu);
const QColor kRed(0xd22a2au);
const QColor kYellow(0xf6d23cu);
const QColor kWood(0x8a5a2eu);
const QColor kInk(0x50535au);

void DrawPhone(QPainter& p) {
    p.setPen(QPen(kOutline, 2));
    // Body.
    QPainterPath body;
    body.moveTo(112, 280);
    body.lineTo(124, 220);
    body.quadTo(165, 206, 206, 220);
    body.lineTo(218, 280);
    body.closeSubpath();
    p.setBrush(kPhone);
    p.drawPath(body);
    p.setBrush(kPhoneShine);
    p.drawRoundedRect(QRectF(138, 230, 54, 34), 6, 6);
    p.setBrush(kPaper);
    for (int row = 0; row < 3; ++row)
        for (int col = 0; col < 3; ++col)
            p.drawEllipse(QPointF(150 + col * 15, 238 + row * 9), 3.2, 3.2);
    // The handset, jolted off its cradle by the ring.
    p.save();
    p.translate(165, 186);
    p.rotate(-10);
    QPainterPath handset;
    handset.moveTo(-64, 6);
    handset.quadTo(-66, -16, -48, -18);
    handset.lineTo(48, -18);
    handset.quadTo(66, -16, 64, 6);
    handset.lineTo(44, 8);
    handset.quadTo(40, -4, 30, -4);
    handset.lineTo(-30, -4);
    handset.quadTo(-40, -4, -44, 8);
    handset.closeSubpath();
    p.setBrush(kPhone);
    p.drawPath(handset);
    p.restore();
    // Cord.
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(kPhone, 3));
    QPainterPath cord;
    cord.moveTo(214, 262);
    cord.cubicTo(250, 270, 240, 300, 270, 300);
    p.drawPath(cord);
}

void DrawRinging(QPainter& p) {
    p.setPen(QPen(kRed, 4, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    for (int side : {-1, 1})
        for (int i = 0; i < 3; ++i) {
            const qreal r = 26 + i * 14;
            const QRectF arc(165 - r - 36, 186 - r, 2 * (r + 36), 2 * r);
            p.drawArc(arc, (side < 0 ? 150 : 0) * 16, 30 * 16);
        }
    DrawText(p, QRectF(70, 104, 190, 46), QStringLiteral("リリリリン！"),
             {JapaneseFont(34), kRed, kYellow, 3, 0.6});
}

void Draw(QPainter& p, const QSizeF& size) {
    p.fillRect(QRectF(QPointF(0, 0), size), kWall);
    // Window with the blinds down, a filing cabinet and a wall clock.
    p.setPen(QPen(kOutline, 1.5));
    p.setBrush(kBlind);
    p.drawRect(QRectF(190, 14, 126, 130));
    p.setPen(QPen(kBlindShade, 2));
    for (int y = 22; y < 144; y += 8) p.drawLine(QPointF(192, y), QPointF(314, y));
    p.setPen(QPen(kOutline, 1.5));
    p.setBrush(kSteel);
    p.drawRect(QRectF(12, 40, 78, 150));
    for (int i = 0; i < 3; ++i) {
        p.setBrush(kDeskTop);
        p.drawRect(QRectF(18, 48 + i * 46, 66, 38));
        p.setBrush(kPaper);
        p.drawRect(QRectF(40, 56 + i * 46, 22, 8));
    }
    p.setBrush(kPaper);
    p.drawEllipse(QPointF(140, 44), 24, 24);
    p.setPen(QPen(kOutline, 3, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(140, 44), QPointF(140, 28));
    p.drawLine(QPointF(140, 44), QPointF(152, 50));

    // The desk.
    p.setPen(QPen(kOutline, 1.5));
    p.setBrush(kDeskTop);
    p.drawRect(QRectF(-2, 200, 334, 132));
    p.setBrush(kSteel);
    p.drawRect(QRectF(-2, 194, 334, 10));
    p.fillRect(QRectF(0, 200, 330, 4), kWallShade);
    // Papers in a pile, a name stand.
    for (int i = 0; i < 4; ++i) {
        p.setBrush(kPaper);
        p.drawRect(QRectF(16 + i * 2, 258 - i * 6, 80, 50));
    }
    p.setPen(QPen(kInk, 1.5));
    for (int y = 240; y < 290; y += 8) p.drawLine(QPointF(30, y), QPointF(88, y));
    p.setPen(QPen(kOutline, 1.5));
    p.setBrush(kWood);
    p.drawPolygon(QPolygonF{{232, 262}, {312, 262}, {316, 290}, {228, 290}});
    DrawText(p, QRectF(240, 266, 66, 20), QStringLiteral("研究班"),
             {JapaneseFont(18), kPaper, Qt::transparent, 0, 0.5});

    DrawPhone(p);
    DrawRinging(p);
}
}  // namespace telephone

namespace lectern {
const QColor kCurtain(0x23346bu);
const QColor kCurtainDark(0x16214au);
const QColor kCurtainLight(0x35498bu);
const QColor kFlag(0x7e1f2bu);
const QColor kFlagDark(0x55141du);
const QColor kGold(0xd9b048u);
const QColor kWood(0x8e5a2cu);
const QColor kWoodDark(0x5e3918u);
const QColor kWoodLight(0xb47b42u);
const QColor kSkin(0xefc39au);
const QColor kGreyHair(0x77777au);
const QColor kSuit(0x2a2e38u);
const QColor kWhite(0xf6f4eeu);
const QColor kOutline(0x141418u);
const QColor kMetal(0x8c8e93u);

void DrawDrapedFlag(QPainter& p, qreal poleX) {
    p.setPen(QPen(kOutline, 1.5));
    p.setBrush(kGold);
    p.drawRect(QRectF(poleX - 3, 30, 6, 300));
    p.drawEllipse(QPointF(poleX, 26), 7, 7);
    QPainterPath cloth;
    cloth.moveTo(poleX + 3, 40);
    cloth.cubicTo(poleX + 40, 50, poleX + 44, 120, poleX + 26, 200);
    cloth.lineTo(poleX + 3, 196);
    cloth.closeSubpath();
    p.setBrush(kFlag);
    p.drawPath(cloth);
    p.setPen(QPen(kFlagDark, 3));
    p.drawLine(QPointF(poleX + 14, 60), QPointF(poleX + 14, 190));
}

void Draw(QPainter& p, const QSizeF& size) {
    p.fillRect(QRectF(QPointF(0, 0), size), kCurtain);
    for (int x = 0; x < 330; x += 30) {
        p.fillRect(QRectF(x + 4, 0, 8, 330), kCurtainLight);
        p.fillRect(QRectF(x + 20, 0, 6, 330), kCurtainDark);
    }
    DrawDrapedFlag(p, 30);
    p.save();
    p.translate(330, 0);
    p.scale(-1, 1);
    DrawDrapedFlag(p, 30);
    p.restore();

    DrawBust(p, QRectF(100, 54, 130, 200), {kSkin, kGreyHair, kSuit, kWhite, kFlag, kOutline},
             {Hair::Short, Eyewear::Glasses});

    // Microphones rising from the lectern towards the speaker.
    const MicrophoneColours mic{kMetal, kOutline, kOutline};
    DrawMicrophone(p, {140, 212}, {150, 172}, 9, mic);
    DrawMicrophone(p, {190, 212}, {180, 172}, 9, mic);

    // The lectern, its name plate in front.
    p.setPen(QPen(kOutline, 2));
    p.setBrush(kWoodLight);
    p.drawRect(QRectF(76, 204, 178, 16));
    p.setBrush(kWood);
    p.drawPolygon(QPolygonF{{86, 220}, {244, 220}, {232, 332}, {98, 332}});
    p.setBrush(kWoodDark);
    p.drawRect(QRectF(112, 238, 106, 34));
    DrawText(p, QRectF(118, 242, 94, 26), QStringLiteral("厚生大臣"),
             {JapaneseFont(22), kGold, Qt::transparent, 0, 0.5});
}
}  // namespace lectern

namespace pressroom {
const QColor kWall(0xc8d4e0u);
const QColor kBanner(0x2a3c6eu);
const QColor kWhite(0xfafafau);
const QColor kWood(0x8a5a2eu);
const QColor kWoodDark(0x5e3918u);
const QColor kSkin(0xefc39au);
const QColor kHair(0x2a2424u);
const QColor kSuit(0x30343eu);
const QColor kOutline(0x141519u);
const QColor kGrey(0x7a7e87u);
const QColor kBrown(0x7a5a3cu);
const QColor kCamera(0x1c1c20u);
const QColor kFlashGlow(0xfff0a0u);
const QColor kFloor(0x98a4b0u);
const QColor kRed(0xb42a2au);

void DrawStillCamera(QPainter& p, QPointF centre, qreal size) {
    p.setPen(QPen(kOutline, 1.2));
    p.setBrush(kCamera);
    p.drawRoundedRect(QRectF(centre.x() - size, centre.y() - size * 0.6, size * 2, size * 1.2), 3,
                      3);
    p.setBrush(kGrey);
    p.drawEllipse(centre, size * 0.45, size * 0.45);
    p.setBrush(kCamera);
    p.drawRect(QRectF(centre.x() - size * 0.9, centre.y() - size * 1.0, size * 0.7, size * 0.45));
}

void Draw(QPainter& p, const QSizeF& size) {
    p.fillRect(QRectF(QPointF(0, 0), size), kWall);
    p.fillRect(QRectF(0, 200, 330, 130), kFloor);
    // The banner over the stage and two plain flags.
    p.setPen(QPen(kOutline, 1.5));
    p.setBrush(kBanner);
    p.drawRect(QRectF(40, 16, 250, 44));
    DrawText(p, QRectF(52, 22, 226, 32), QStringLiteral("大臣記者会見"),
             {JapaneseFont(28), kWhite, Qt::transparent, 0, 0.6});
    // Plain flags, each hanging towards the stage.
    for (const auto& [pole, cloth] :
         {std::pair{62.0, QRectF(64, 74, 28, 60)}, std::pair{268.0, QRectF(238, 74, 28, 60)}}) {
        p.setBrush(kWoodDark);
        p.drawRect(QRectF(pole - 2, 70, 4, 140));
        p.setBrush(kRed);
        p.drawRect(cloth);
    }

    // The minister, small, at the lectern on the stage.
    DrawBust(p, QRectF(136, 84, 58, 88), {kSkin, kHair, kSuit, kWhite, kRed, kOutline},
             {Hair::Short, Eyewear::Glasses});
    const MicrophoneColours mic{kGrey, kOutline, kOutline};
    for (const qreal x : {150.0, 165.0, 180.0})
        DrawMicrophone(p, {x, 162}, {165 + (x - 165) * 0.6, 140}, 4, mic);
    p.setPen(QPen(kOutline, 1.5));
    p.setBrush(kWood);
    p.drawPolygon(QPolygonF{{128, 160}, {202, 160}, {196, 216}, {134, 216}});
    p.setBrush(kWoodDark);
    p.drawRect(QRectF(100, 212, 130, 8));

    // Reporters from behind, two rows, some holding cameras up.
    const Outfit reporters[] = {
        {kSkin, kHair, kGrey, kWhite, kGrey, kOutline},
        {kSkin, kCamera, kBrown, kWhite, kBrown, kOutline},
        {kSkin, kHair, kSuit, kWhite, kSuit, kOutline},
    };
    int index = 0;
    for (int x = 20; x < 340; x += 52, ++index)
        DrawBackOfHead(p, QPointF(x, 240), 14, reporters[index % 3]);
    index = 1;
    for (int x = -6; x < 350; x += 62, ++index)
        DrawBackOfHead(p, QPointF(x, 286), 19, reporters[index % 3]);
    DrawStillCamera(p, {78, 206}, 14);
    DrawStillCamera(p, {250, 200}, 14);
    DrawFlash(p, {84, 184}, 26, kWhite, kFlashGlow);
    DrawFlash(p, {258, 178}, 20, kWhite, kFlashGlow);
}
}  // namespace pressroom

namespace archive {
const QColor kWall(0x3a3f4au);
const QColor kShelf(0x8e949cu);
const QColor kShelfDark(0x5d626bu);
const QColor kSpineBeige(0xd8c8a0u);
const QColor kSpineBrown(0x8a5a32u);
const QColor kSpineGreen(0x4e6b48u);
const QColor kSpineNavy(0x34446au);
const QColor kLabel(0xf0ece0u);
const QColor kFolder(0xe2c27au);
const QColor kFolderDark(0xb8963eu);
const QColor kPaper(0xfffdf6u);
const QColor kRed(0xc8242au);
const QColor kInk(0x1c1c1cu);
const QColor kTable(0x6a4a30u);
const QColor kLamp(0xf6e7a0u);

void DrawShelves(QPainter& p) {
    const QColor spines[] = {kSpineBeige, kSpineBrown, kSpineGreen,
                             kSpineNavy,  kSpineBeige, kSpineBrown};
    p.setPen(QPen(kInk, 1));
    for (int shelf = 0; shelf < 3; ++shelf) {
        const qreal base = 70 + shelf * 64;
        int n = shelf * 3;
        for (qreal x = 16; x < 312; ++n) {
            const qreal w = 14 + (n * 7) % 9;
            const qreal h = 46 + (n * 5) % 12;
            p.setBrush(spines[n % 6]);
            p.drawRect(QRectF(x, base - h, w, h));
            p.setBrush(kLabel);
            p.drawRect(QRectF(x + w * 0.2, base - h + 8, w * 0.6, 12));
            x += w + 1;
        }
        p.setBrush(kShelf);
        p.drawRect(QRectF(6, base, 318, 8));
    }
    p.setBrush(kShelfDark);
    p.drawRect(QRectF(0, 0, 8, 230));
    p.drawRect(QRectF(322, 0, 8, 230));
}

void Draw(QPainter& p, const QSizeF& size) {
    p.fillRect(QRectF(QPointF(0, 0), size), kWall);
    DrawShelves(p);
    // A bare bulb lighting the find.
    p.setPen(QPen(kInk, 1.5));
    p.drawLine(QPointF(250, 0), QPointF(250, 8));
    p.setBrush(kLamp);
    p.drawEllipse(QPointF(250, 14), 7, 8);

    p.setPen(QPen(kInk, 1.5));
    p.setBrush(kTable);
    p.drawRect(QRectF(-2, 226, 334, 106));

    // The open file: a folder, a report on the right, the stamp across it.
    p.save();
    p.translate(165, 280);
    p.rotate(-4);
    p.setBrush(kFolderDark);
    p.drawRect(QRectF(-150, -64, 300, 118));
    p.setBrush(kFolder);
    p.drawRect(QRectF(-146, -60, 144, 110));
    p.drawRect(QRectF(2, -60, 144, 110));
    DrawDocument(p, QRectF(-136, -54, 126, 98), QStringLiteral("内部資料"), 16,
                 {kPaper, kInk, kInk});
    DrawDocument(p, QRectF(12, -54, 126, 98), QStringLiteral("報告書"), 16, {kPaper, kInk, kInk});
    DrawSeal(p, QPointF(76, 8), 70, QStringLiteral("極秘"), kRed, false, -14);
    p.restore();

    // A box file pulled from the shelf, lid open.
    p.setBrush(kSpineNavy);
    p.drawRect(QRectF(18, 188, 70, 44));
    p.setBrush(kLabel);
    p.drawRect(QRectF(30, 198, 46, 20));
    DrawText(p, QRectF(32, 200, 42, 16), QStringLiteral("保存"), {JapaneseFont(13), kInk});
}
}  // namespace archive

}  // namespace

Scene MinistryProtestScene() {
    using namespace protest;
    return {kEventCanvas,
            PaletteOf({kSkyHigh, kSkyLow, kBuilding, kBuildingShade, kWindow, kOutline, kPavement,
                       kSkin, kHair, kNavy, kBrown, kWhite, kRed, kYellow, kPole, kGreen}),
            protest::Draw};
}

Scene MinistryTelephoneScene() {
    using namespace telephone;
    return {kEventCanvas,
            PaletteOf({kWall, kWallShade, kBlind, kBlindShade, kSteel, kDeskTop, kOutline, kPhone,
                       kPhoneShine, kPaper, kRed, kYellow, kWood, kInk}),
            telephone::Draw};
}

Scene MinisterAtLecternScene() {
    using namespace lectern;
    return {kEventCanvas,
            PaletteOf({kCurtain, kCurtainDark, kCurtainLight, kFlag, kFlagDark, kGold, kWood,
                       kWoodDark, kWoodLight, kSkin, kGreyHair, kSuit, kWhite, kOutline, kMetal}),
            lectern::Draw};
}

Scene MinistryPressRoomScene() {
    using namespace pressroom;
    return {kEventCanvas,
            PaletteOf({kWall, kBanner, kWhite, kWood, kWoodDark, kSkin, kHair, kSuit, kOutline,
                       kGrey, kBrown, kCamera, kFlashGlow, kFloor, kRed}),
            pressroom::Draw};
}

Scene ArchiveFilesScene() {
    using namespace archive;
    return {kEventCanvas,
            PaletteOf({kWall, kShelf, kShelfDark, kSpineBeige, kSpineBrown, kSpineGreen, kSpineNavy,
                       kLabel, kFolder, kFolderDark, kPaper, kRed, kInk, kTable, kLamp}),
            archive::Draw};
}

}  // namespace picgen
