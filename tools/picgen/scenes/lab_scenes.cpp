// SPDX-License-Identifier: GPL-3.0-or-later
// Laboratories, the former research chief facing the press, and the player: a physician of the
// ministry's research group.
#include <QPainterPath>

#include "draw/figures.h"
#include "draw/props.h"
#include "draw/shading.h"
#include "draw/text.h"
#include "scenes/scenes.h"

namespace picgen {
namespace {

struct GlassColours {
    QColor glass;
    QColor edge;
    QColor outline;
};

// A test tube standing upright, filled to `level` (0 to 1) with `liquid`.
void DrawTestTube(QPainter& p, const QRectF& tube, qreal level, const QColor& liquid,
                  const GlassColours& colours) {
    QPainterPath shape;
    const qreal r = tube.width() / 2;
    shape.moveTo(tube.topLeft());
    shape.lineTo(tube.left(), tube.bottom() - r);
    shape.arcTo(QRectF(tube.left(), tube.bottom() - 2 * r, 2 * r, 2 * r), 180, 180);
    shape.lineTo(tube.topRight());
    shape.closeSubpath();
    p.setPen(QPen(colours.outline, 1.4));
    p.setBrush(colours.glass);
    p.drawPath(shape);
    QPainterPath filled;
    filled.addRect(QRectF(tube.left() - 1, tube.bottom() - tube.height() * level, tube.width() + 2,
                          tube.height() * level + 1));
    p.setBrush(liquid);
    p.drawPath(shape.intersected(filled));
    p.setPen(QPen(colours.edge, 2));
    p.drawLine(QPointF(tube.left() + r * 0.5, tube.top() + 4),
               QPointF(tube.left() + r * 0.5, tube.bottom() - r * 1.4));
}

namespace report {
const QColor kWall(0xdde8eeu);
const QColor kWallShade(0xb3c4cfu);
const QColor kBench(0x5b6a76u);
const QColor kBenchTop(0x8596a4u);
const QColor kWhite(0xffffffu);
const QColor kPaper(0xfffcf0u);
const QColor kInk(0x1c2127u);
const QColor kRed(0xd0262cu);
const QColor kBody(0xe6e8eau);
const QColor kMetal(0x98a2abu);
const QColor kGlass(0xcfe6eeu);
const QColor kGlassEdge(0x86b0c4u);
const QColor kBlue(0x3a78c8u);
const QColor kGreen(0x49a657u);
const QColor kAmber(0xe0a040u);

void DrawMicroscope(QPainter& p) {
    p.setPen(QPen(kInk, 1.8));
    p.setBrush(kBody);
    p.drawRoundedRect(QRectF(18, 236, 110, 20), 4, 4);  // foot
    QPainterPath arm;
    arm.moveTo(96, 238);
    arm.cubicTo(130, 200, 128, 120, 96, 96);
    arm.lineTo(80, 112);
    arm.cubicTo(102, 136, 104, 196, 78, 238);
    arm.closeSubpath();
    p.drawPath(arm);
    p.setBrush(kMetal);
    p.drawRect(QRectF(26, 186, 84, 10));  // stage
    p.save();
    p.translate(66, 110);
    p.rotate(24);
    p.setBrush(kInk);
    p.drawRect(QRectF(-12, -70, 24, 104));  // tube
    p.setBrush(kMetal);
    p.drawRect(QRectF(-9, -86, 18, 18));  // eyepiece
    p.drawRect(QRectF(-8, 34, 16, 22));   // objective
    p.restore();
    p.setBrush(kMetal);
    p.drawEllipse(QPointF(110, 160), 12, 12);  // focus knob
    p.setBrush(kGlass);
    p.drawRect(QRectF(34, 180, 44, 6));  // slide
}

void DrawReport(QPainter& p) {
    p.save();
    p.translate(228, 140);
    p.rotate(4);
    const QRectF sheet(-86, -112, 172, 226);
    p.setPen(QPen(kInk, 1.8));
    p.setBrush(kPaper);
    p.drawRect(sheet);
    DrawText(p, QRectF(-74, -102, 148, 30), QStringLiteral("調査報告書"),
             {JapaneseFont(26), kInk, Qt::transparent, 0, 0.5});
    // Axes, grid and a line climbing steeply.
    const QRectF chart(-62, -56, 132, 110);
    p.setPen(QPen(kWallShade, 1.2));
    for (int i = 1; i < 5; ++i)
        p.drawLine(QPointF(chart.left(), chart.bottom() - i * 22),
                   QPointF(chart.right(), chart.bottom() - i * 22));
    p.setPen(QPen(kInk, 2));
    p.drawLine(chart.bottomLeft(), chart.topLeft());
    p.drawLine(chart.bottomLeft(), chart.bottomRight());
    p.setPen(QPen(kRed, 5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPolyline(QPolygonF{{-58, 46}, {-30, 38}, {-4, 24}, {22, 0}, {44, -28}, {64, -52}});
    p.setBrush(kRed);
    p.setPen(Qt::NoPen);
    p.drawPolygon(QPolygonF{{74, -66}, {50, -56}, {68, -40}});
    p.setPen(QPen(kInk, 1.5));
    for (int i = 0; i < 3; ++i)
        p.drawLine(QPointF(-70, 72 + i * 12), QPointF(i == 2 ? 20 : 70, 72 + i * 12));
    DrawText(p, QRectF(-62, -76, 90, 16), QStringLiteral("感染率"), {JapaneseFont(14), kRed});
    p.restore();
}

void Draw(QPainter& p, const QSizeF& size) {
    p.fillRect(QRectF(QPointF(0, 0), size), kWall);
    p.fillRect(QRectF(0, 0, 330, 16), kWallShade);
    p.setPen(QPen(kInk, 1.8));
    p.setBrush(kBenchTop);
    p.drawRect(QRectF(-2, 252, 334, 16));
    p.setBrush(kBench);
    p.drawRect(QRectF(-2, 268, 334, 64));
    DrawMicroscope(p);
    DrawReport(p);
    // A rack of test tubes at the front.
    const GlassColours glass{kGlass, kGlassEdge, kInk};
    const QColor liquids[] = {kBlue, kGreen, kAmber, kRed, kBlue};
    p.setPen(QPen(kInk, 1.6));
    p.setBrush(kWhite);
    p.drawRect(QRectF(118, 264, 118, 10));
    for (int i = 0; i < 5; ++i)
        DrawTestTube(p, QRectF(126 + i * 22, 214, 14, 60), 0.5 + 0.08 * (i % 3), liquids[i], glass);
    p.setPen(QPen(kInk, 1.6));
    p.setBrush(kWhite);
    p.drawRect(QRectF(114, 286, 126, 12));
    p.drawRect(QRectF(116, 264, 8, 34));
    p.drawRect(QRectF(230, 264, 8, 34));
}
}  // namespace report

namespace chief {
const QColor kBackdrop(0x9fb0c0u);
const QColor kBackdropDark(0x7a8ca0u);
const QColor kSkin(0xefc39au);
const QColor kWhite(0xf4f4f2u);
const QColor kCoatShade(0xc8ccd0u);
const QColor kSuit(0x3a3e48u);
const QColor kShirt(0xdde5eeu);
const QColor kTie(0x5a6a8au);
const QColor kOutline(0x18191du);
const QColor kMic(0x2a2a2eu);
const QColor kRed(0xc03030u);
const QColor kBlue(0x3050a0u);
const QColor kGreen(0x3a8a50u);
const QColor kYellow(0xe8c040u);
const QColor kFlashGlow(0xfff2a0u);

void Draw(QPainter& p, const QSizeF& size) {
    p.fillRect(QRectF(QPointF(0, 0), size), kBackdrop);
    p.setPen(QPen(kBackdropDark, 4));
    for (int x = 20; x < 330; x += 60) p.drawLine(QPointF(x, 0), QPointF(x, 330));
    DrawBust(p, QRectF(70, 40, 190, 300), {kSkin, kWhite, kSuit, kShirt, kTie, kOutline},
             {Hair::WhiteFringe, Eyewear::Glasses, false, kWhite});
    p.setPen(QPen(kCoatShade, 3));
    p.drawLine(QPointF(120, 260), QPointF(118, 330));
    p.drawLine(QPointF(210, 260), QPointF(212, 330));

    // A thicket of microphones, each with a coloured tag.
    const MicrophoneColours mic{kMic, kMic, kOutline};
    const QColor tags[] = {kRed, kBlue, kGreen, kYellow, kWhite, kRed};
    for (int i = 0; i < 6; ++i) {
        const qreal baseX = 40 + i * 50;
        const QPointF head(118 + i * 19, 196 + (i % 2) * 16);
        DrawMicrophone(p, {baseX, 350}, head, 15, mic);
        const QPointF tagAt = head + (QPointF(baseX, 340) - head) * 0.3;
        p.setPen(QPen(kOutline, 1.2));
        p.setBrush(tags[i]);
        p.drawRect(QRectF(tagAt.x() - 15, tagAt.y() - 12, 30, 24));
    }
    DrawFlash(p, {40, 70}, 34, kWhite, kFlashGlow);
    DrawFlash(p, {296, 120}, 26, kWhite, kFlashGlow);
}
}  // namespace chief

namespace portrait {
// The same man as in the ending's cell: the skin and the cropped hair match.
const QColor kBackTop(0x8696a8u);
const QColor kBackBottom(0x46505cu);
const QColor kSkin(0xc89c7cu);
const QColor kHair(0x242428u);
const QColor kCoat(0xf4f4f2u);
const QColor kCoatShade(0x9ca6b4u);
const QColor kSuit(0x3a3e48u);
const QColor kShirt(0xdde5eeu);
const QColor kTie(0x5a6a8au);
const QColor kOutline(0x0e0e10u);
const QColor kMetal(0x80848cu);
const QColor kRed(0xc03030u);

void Draw(QPainter& p, const QSizeF& size) {
    p.fillRect(QRectF(QPointF(0, 0), size),
               VerticalGradient(0, size.height(), kBackTop, kBackBottom));
    DrawBust(p, QRectF(6, 26, 126, 190), {kSkin, kHair, kSuit, kShirt, kTie, kOutline},
             {Hair::Short, Eyewear::Glasses, true, kCoat});
    // The coat's folds and its breast pocket with two pens.
    p.setPen(QPen(kCoatShade, 2));
    p.drawLine(QPointF(30, 168), QPointF(28, 212));
    p.drawLine(QPointF(108, 168), QPointF(110, 212));
    p.setPen(QPen(kOutline, 1.2));
    p.setBrush(kCoat);
    p.drawRect(QRectF(90, 168, 24, 26));
    p.setPen(QPen(kOutline, 1));
    p.setBrush(kRed);
    p.drawRect(QRectF(95, 160, 4, 10));
    p.setBrush(kSuit);
    p.drawRect(QRectF(102, 158, 4, 12));
    // The stethoscope round the neck, its chest piece hanging on the left.
    QPainterPath tube;
    tube.moveTo(50, 118);
    tube.cubicTo(38, 150, 40, 170, 44, 184);
    tube.moveTo(88, 118);
    tube.cubicTo(98, 140, 92, 160, 74, 170);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(kOutline, 4.5, Qt::SolidLine, Qt::RoundCap));
    p.drawPath(tube);
    p.setPen(QPen(kMetal, 2.5, Qt::SolidLine, Qt::RoundCap));
    p.drawPath(tube);
    p.setPen(QPen(kOutline, 1.2));
    p.setBrush(kMetal);
    p.drawEllipse(QPointF(45, 190), 7, 7);
}
}  // namespace portrait

}  // namespace

Scene ResearchReportScene() {
    using namespace report;
    return {kEventCanvas,
            PaletteOf({kWall, kWallShade, kBench, kBenchTop, kWhite, kPaper, kInk, kRed, kBody,
                       kMetal, kGlass, kGlassEdge, kBlue, kGreen, kAmber}),
            report::Draw};
}

Scene ResearchChiefScene() {
    using namespace chief;
    return {kEventCanvas,
            PaletteOf({kBackdrop, kBackdropDark, kSkin, kWhite, kCoatShade, kSuit, kShirt, kTie,
                       kOutline, kMic, kRed, kBlue, kGreen, kYellow, kFlashGlow}),
            chief::Draw};
}

Scene BriefingPortraitScene() {
    using namespace portrait;
    return {QSize(138, 212),
            PaletteOf({kBackTop, kBackBottom, kSkin, kHair, kCoat, kCoatShade, kSuit, kShirt, kTie,
                       kOutline, kMetal, kRed}),
            portrait::Draw};
}

}  // namespace picgen
