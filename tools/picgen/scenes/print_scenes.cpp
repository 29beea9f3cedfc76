// SPDX-License-Identifier: GPL-3.0-or-later
// In print: a book that accuses, and a cartoonist's protest.
#include <QPainterPath>
#include <utility>

#include "draw/figures.h"
#include "draw/props.h"
#include "draw/text.h"
#include "scenes/scenes.h"

namespace picgen {
namespace {

namespace book {
const QColor kWall(0xe8e0ccu);
const QColor kWood(0xa06a3au);
const QColor kWoodDark(0x6e4422u);
const QColor kCover(0x8c1c26u);
const QColor kCoverDark(0x5c1016u);
const QColor kWhite(0xfbfaf4u);
const QColor kNewsprint(0xe6e3d6u);
const QColor kInk(0x1a1a1au);
const QColor kGrey(0x8c8a84u);
const QColor kGold(0xd8b048u);
const QColor kRed(0xc8262cu);
const QColor kPhoto(0x6a6e74u);
const QColor kPaperShade(0xc6c2b4u);

void DrawBook(QPainter& p) {
    p.setPen(QPen(kInk, 1.8));
    // Spine and page edges, then the cover.
    p.setBrush(kCoverDark);
    p.drawPolygon(QPolygonF{{44, 40}, {66, 28}, {66, 262}, {44, 274}});
    p.setBrush(kWhite);
    p.drawPolygon(QPolygonF{{66, 28}, {196, 22}, {196, 256}, {66, 262}});
    p.setBrush(kCover);
    p.drawPolygon(QPolygonF{{44, 40}, {178, 34}, {178, 268}, {44, 274}});
    p.setBrush(kGold);
    p.drawRect(QRectF(52, 56, 118, 6));
    p.drawRect(QRectF(52, 232, 118, 6));
    DrawVerticalText(p, QRectF(80, 72, 80, 150), QStringLiteral("告発"),
                     {JapaneseFont(68), kWhite, Qt::transparent, 0, 1.2});
    DrawVerticalText(p, QRectF(52, 76, 26, 150), QStringLiteral("薬害の闇を追う"),
                     {JapaneseFont(18), kGold});
    DrawText(p, QRectF(60, 244, 104, 18), QStringLiteral("取材班 著"), {JapaneseFont(14), kWhite});
}

void DrawNewspaper(QPainter& p) {
    p.save();
    p.translate(250, 226);
    p.rotate(8);
    const QRectF sheet(-86, -120, 168, 220);
    p.setPen(QPen(kInk, 1.6));
    p.setBrush(kPaperShade);
    p.drawRect(sheet.translated(6, 6));
    p.setBrush(kNewsprint);
    p.drawRect(sheet);
    // Vertical headline on the right, a red band, columns and a photo.
    p.setBrush(kInk);
    p.drawRect(QRectF(28, -112, 46, 120));
    DrawVerticalText(p, QRectF(30, -108, 42, 112), QStringLiteral("薬害"),
                     {JapaneseFont(44), kWhite, Qt::transparent, 0, 0.8});
    p.setBrush(kRed);
    p.drawRect(QRectF(-78, -112, 98, 28));
    DrawText(p, QRectF(-74, -108, 90, 20), QStringLiteral("責任は誰に"),
             {JapaneseFont(18), kWhite, Qt::transparent, 0, 0.4});
    p.setBrush(kPhoto);
    p.drawRect(QRectF(-78, -76, 98, 62));
    p.setPen(QPen(kGrey, 2));
    for (qreal x = -76; x < 76; x += 8) p.drawLine(QPointF(x, 18), QPointF(x, 92));
    for (qreal x = -76; x < 18; x += 8) p.drawLine(QPointF(x, -6), QPointF(x, 10));
    p.restore();
}

void Draw(QPainter& p, const QSizeF& size) {
    p.fillRect(QRectF(QPointF(0, 0), size), kWall);
    p.setPen(QPen(kInk, 1.8));
    p.setBrush(kWood);
    p.drawRect(QRectF(-2, 240, 334, 92));
    p.setBrush(kWoodDark);
    p.drawRect(QRectF(-2, 240, 334, 10));
    DrawBook(p);
    DrawNewspaper(p);
}
}  // namespace book

namespace comic {
const QColor kWhite(0xffffffu);
const QColor kBlack(0x111111u);
const QColor kSkin(0xf6d0a8u);
const QColor kHair(0x2a2222u);
const QColor kCompanySuit(0x3a4a7au);
const QColor kOfficialSuit(0x6a6a6au);
const QColor kRed(0xd02828u);
const QColor kEnvelope(0xe8d090u);
const QColor kTone(0xcfcfcfu);
const QColor kSky(0xd6e6f2u);
const QColor kYellow(0xf8e070u);
const QColor kSweat(0x5a9ee0u);

const Outfit kCompanyMan{kSkin, kHair, kCompanySuit, kWhite, kRed, kBlack};
const Outfit kOfficial{kSkin, kHair, kOfficialSuit, kWhite, kCompanySuit, kBlack};

// A speech balloon with its tail pointing at the speaker.
void DrawBalloon(QPainter& p, const QRectF& balloon, QPointF tail, const QString& text,
                 qreal fontSize) {
    QPainterPath shape;
    shape.addEllipse(balloon);
    QPainterPath pointer;
    const QPointF c = balloon.center();
    const QPointF across = QPointF(-(tail - c).y(), (tail - c).x()) *
                           (balloon.width() * 0.08 / QLineF(c, tail).length());
    pointer.moveTo(c + across);
    pointer.lineTo(tail);
    pointer.lineTo(c - across);
    pointer.closeSubpath();
    p.setPen(QPen(kBlack, 1.8));
    p.setBrush(kWhite);
    p.drawPath(shape.united(pointer));
    DrawText(p,
             balloon.adjusted(balloon.width() * 0.14, balloon.height() * 0.22,
                              -balloon.width() * 0.14, -balloon.height() * 0.22),
             text, {JapaneseFont(fontSize), kBlack, Qt::transparent, 0, 0.3});
}

// Two dots for eyes: these cartoon people need a little more face than the rest.
void DrawEyes(QPainter& p, QPointF between, qreal gap, bool shut) {
    p.setPen(QPen(kBlack, 2.4, Qt::SolidLine, Qt::RoundCap));
    for (int side : {-1, 1}) {
        const QPointF eye = between + QPointF(side * gap, 0);
        if (shut)
            p.drawLine(eye - QPointF(3, 0), eye + QPointF(3, 0));
        else
            p.drawPoint(eye);
    }
}

void DrawSweat(QPainter& p, QPointF at) {
    QPainterPath drop;
    drop.moveTo(at);
    drop.cubicTo(at + QPointF(6, 8), at + QPointF(4, 14), at + QPointF(0, 14));
    drop.cubicTo(at + QPointF(-4, 14), at + QPointF(-6, 8), at);
    p.setPen(QPen(kBlack, 1));
    p.setBrush(kSweat);
    p.drawPath(drop);
}

void PanelHandover(QPainter& p) {
    p.fillRect(QRectF(8, 8, 153, 153), kSky);
    DrawBust(p, QRectF(14, 76, 64, 100), kCompanyMan, {});
    DrawBust(p, QRectF(96, 76, 64, 100), kOfficial, {Hair::Short, Eyewear::Glasses});
    DrawEyes(p, {46, 102}, 7, true);
    p.save();
    p.translate(86, 132);
    p.rotate(-10);
    p.setPen(QPen(kBlack, 1.5));
    p.setBrush(kEnvelope);
    p.drawRect(QRectF(-24, -14, 48, 28));
    DrawText(p, QRectF(-20, -11, 40, 22), QStringLiteral("献金"), {JapaneseFont(17), kRed});
    p.restore();
    DrawBalloon(p, QRectF(14, 14, 92, 54), {44, 78}, QStringLiteral("よろしく…"), 16);
}

void PanelApproval(QPainter& p) {
    p.fillRect(QRectF(169, 8, 153, 153), kWhite);
    DrawBust(p, QRectF(216, 70, 70, 110), kOfficial, {Hair::Short, Eyewear::Glasses});
    p.setPen(QPen(kBlack, 1.5));
    p.setBrush(kWhite);
    p.drawRect(QRectF(180, 128, 60, 32));
    DrawSeal(p, QPointF(210, 144), 28, QStringLiteral("承認"), kRed, true, -10);
    p.setPen(QPen(kYellow, 4, Qt::SolidLine, Qt::RoundCap));
    for (int i = 0; i < 4; ++i) p.drawLine(QPointF(196 + i * 10, 118), QPointF(192 + i * 12, 108));
    DrawBalloon(p, QRectF(226, 14, 92, 54), {262, 76}, QStringLiteral("問題なし！"), 16);
}

void PanelQuestion(QPainter& p) {
    p.fillRect(QRectF(8, 169, 153, 153), kTone);
    DrawBust(p, QRectF(22, 236, 62, 96), kOfficial, {Hair::Short, Eyewear::Glasses});
    DrawBust(p, QRectF(86, 236, 62, 96), kCompanyMan, {});
    DrawSweat(p, {82, 248});
    DrawSweat(p, {144, 250});
    DrawBalloon(p, QRectF(18, 174, 132, 54), {80, 240}, QStringLiteral("責任は？"), 20);
}

void PanelDenial(QPainter& p) {
    p.fillRect(QRectF(169, 169, 153, 153), kSky);
    // Both turn away, backs to the reader.
    DrawBackOfHead(p, {214, 272}, 20, kOfficial);
    DrawBackOfHead(p, {280, 272}, 20, kCompanyMan);
    DrawSweat(p, {238, 250});
    DrawSweat(p, {302, 250});
    DrawBalloon(p, QRectF(176, 176, 138, 58), {244, 254}, QStringLiteral("記憶にない"), 20);
}

void Draw(QPainter& p, const QSizeF& size) {
    p.fillRect(QRectF(QPointF(0, 0), size), kWhite);
    const std::pair<QRectF, void (*)(QPainter&)> panels[] = {
        {{8, 8, 153, 153}, PanelHandover},
        {{169, 8, 153, 153}, PanelApproval},
        {{8, 169, 153, 153}, PanelQuestion},
        {{169, 169, 153, 153}, PanelDenial},
    };
    for (const auto& [frame, drawPanel] : panels) {
        p.save();
        p.setClipRect(frame);
        drawPanel(p);
        p.restore();
        p.setPen(QPen(kBlack, 3));
        p.setBrush(Qt::NoBrush);
        p.drawRect(frame);
    }
}
}  // namespace comic

}  // namespace

Scene CritiqueBookScene() {
    using namespace book;
    return {kEventCanvas,
            PaletteOf({kWall, kWood, kWoodDark, kCover, kCoverDark, kWhite, kNewsprint, kInk, kGrey,
                       kGold, kRed, kPhoto, kPaperShade}),
            book::Draw};
}

Scene ComicStripScene() {
    using namespace comic;
    return {kEventCanvas,
            PaletteOf({kWhite, kBlack, kSkin, kHair, kCompanySuit, kOfficialSuit, kRed, kEnvelope,
                       kTone, kSky, kYellow, kSweat}),
            comic::Draw};
}

}  // namespace picgen
