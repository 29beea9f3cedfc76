// SPDX-License-Identifier: GPL-3.0-or-later
// The application icon: a red and white capsule with a "Z".
#include "draw/props.h"
#include "draw/text.h"
#include "scenes/scenes.h"

namespace picgen {
namespace {

const QColor kClear(0, 0, 0, 0);
const QColor kOutline(0x1a1020u);
const QColor kRed(0xd02030u);
const QColor kRedDark(0x8a1020u);
const QColor kWhite(0xfafafau);
const QColor kShade(0xc0c0ccu);

QList<QRgb> IconPalette() { return PaletteOf({kClear, kOutline, kRed, kRedDark, kWhite, kShade}); }

void DrawEmblem(QPainter& p, const QSizeF& size) {
    const qreal s = size.width();
    const QPointF centre(s / 2, s / 2);
    DrawCapsule(p, centre, s * 0.98, s * 0.5, -40, {kRed, kWhite, kClear, kOutline});
    // A shadow along the white half's lower edge gives it body.
    p.save();
    p.translate(centre);
    p.rotate(-40);
    p.setPen(Qt::NoPen);
    p.setBrush(kShade);
    p.drawRoundedRect(QRectF(s * 0.04, s * 0.08, s * 0.38, s * 0.1), s * 0.05, s * 0.05);
    p.restore();
    // The "Z" on the red half, upright.
    const QPointF redHalf = centre + QPointF(-s * 0.2, s * 0.17);
    DrawText(p, QRectF(redHalf.x() - s * 0.16, redHalf.y() - s * 0.17, s * 0.32, s * 0.34),
             QStringLiteral("Z"), {LatinFont(s * 0.36), kWhite, Qt::transparent, 0, s * 0.02});
}

// At 16 pixels a letter would only blur: the bold capsule alone carries the emblem.
void DrawSmallEmblem(QPainter& p, const QSizeF& size) {
    const qreal s = size.width();
    DrawCapsule(p, QPointF(s / 2, s / 2), s * 1.1, s * 0.6, -40, {kRed, kWhite, kClear, kOutline});
}

}  // namespace

Scene IconScene() { return {QSize(48, 48), IconPalette(), DrawEmblem}; }

Scene SmallIconScene() { return {QSize(16, 16), IconPalette(), DrawSmallEmblem}; }

}  // namespace picgen
