// SPDX-License-Identifier: GPL-3.0-or-later
#include "draw/figures.h"

#include <QPainterPath>
#include <algorithm>

namespace picgen {
namespace {

QPen OutlinePen(const Outfit& outfit, qreal size) {
    return QPen(outfit.outline, std::max(0.8, size * 0.012), Qt::SolidLine, Qt::RoundCap,
                Qt::RoundJoin);
}

// A limb: a thick round-ended stroke with an outline, along the given joints.
void DrawLimb(QPainter& painter, const QPolygonF& joints, qreal thickness, const QColor& colour,
              const QPen& outline) {
    painter.save();
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(outline.color(), thickness + 2 * outline.widthF(), Qt::SolidLine,
                        Qt::RoundCap, Qt::RoundJoin));
    painter.drawPolyline(joints);
    painter.setPen(QPen(colour, thickness, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.drawPolyline(joints);
    painter.restore();
}

void DrawHand(QPainter& painter, QPointF at, qreal radius, const Outfit& outfit,
              const QPen& outline) {
    painter.setPen(outline);
    painter.setBrush(outfit.skin);
    painter.drawEllipse(at, radius, radius);
}

// Hair over a head drawn as the ellipse `head`.
void DrawHair(QPainter& painter, const QRectF& head, Hair hair, const Outfit& outfit,
              const QPen& outline) {
    QPainterPath skull;
    skull.addEllipse(head);
    const qreal cy = head.center().y();
    const qreal ry = head.height() / 2;
    QPainterPath cover;
    switch (hair) {
    case Hair::Short:
        cover.addRect(QRectF(head.left() - 1, head.top() - 1, head.width() + 2, ry * 0.75 + 1));
        cover.addRect(QRectF(head.left() - 1, head.top(), head.width() * 0.14, ry * 1.1));
        cover.addRect(QRectF(head.right() - head.width() * 0.14 + 1, head.top(),
                             head.width() * 0.14, ry * 1.1));
        break;
    case Hair::SlickedBack:
        cover.addRect(QRectF(head.left() - 1, head.top() - 1, head.width() + 2, ry * 0.6 + 1));
        cover.addRect(QRectF(head.left() - 1, head.top(), head.width() * 0.1, ry * 1.05));
        cover.addRect(QRectF(head.right() - head.width() * 0.1 + 1, head.top(), head.width() * 0.1,
                             ry * 1.05));
        break;
    case Hair::WhiteFringe:
        cover.addRect(QRectF(head.left() - 1, cy - ry * 0.45, head.width() * 0.16, ry * 0.7));
        cover.addRect(QRectF(head.right() - head.width() * 0.16 + 1, cy - ry * 0.45,
                             head.width() * 0.16, ry * 0.7));
        break;
    }
    painter.setPen(outline);
    painter.setBrush(outfit.hair);
    painter.drawPath(skull.intersected(cover));
    if (hair == Hair::SlickedBack) {
        // A comb line catching the light.
        painter.setPen(QPen(outfit.shirt, outline.widthF(), Qt::SolidLine, Qt::RoundCap));
        painter.drawArc(QRectF(head.left() + head.width() * 0.25, head.top() + ry * 0.12,
                               head.width() * 0.5, ry * 0.5),
                        30 * 16, 120 * 16);
    }
}

}  // namespace

Hands DrawStandingPerson(QPainter& painter, QPointF feet, qreal height, const Outfit& outfit,
                         ArmPose pose) {
    painter.save();
    const qreal h = height;
    const qreal cx = feet.x();
    const qreal top = feet.y() - h;
    const qreal headRadius = 0.075 * h;
    const qreal shoulderY = top + 2 * headRadius + 0.012 * h;
    const qreal shoulderHalf = 0.15 * h;
    const qreal hipY = top + 0.56 * h;
    const qreal hipHalf = 0.115 * h;
    const QPen outline = OutlinePen(outfit, h);

    // Legs and shoes.
    painter.setPen(outline);
    painter.setBrush(outfit.trousers.alpha() != 0 ? outfit.trousers : outfit.suit);
    const qreal legWidth = hipHalf - 0.012 * h;
    for (int side : {-1, 1}) {
        const qreal left = side < 0 ? cx - hipHalf + 0.004 * h : cx + 0.008 * h;
        painter.drawRect(QRectF(left, hipY - 0.02 * h, legWidth, feet.y() - hipY - 0.01 * h));
    }
    painter.setBrush(outfit.outline);
    for (int side : {-1, 1})
        painter.drawEllipse(QPointF(cx + side * 0.06 * h, feet.y() - 0.012 * h), 0.065 * h,
                            0.022 * h);

    // Jacket, shirt and tie.
    QPainterPath torso;
    torso.moveTo(cx - shoulderHalf + 0.035 * h, shoulderY);
    torso.quadTo(cx - shoulderHalf, shoulderY, cx - shoulderHalf, shoulderY + 0.05 * h);
    torso.lineTo(cx - hipHalf, hipY);
    torso.lineTo(cx + hipHalf, hipY);
    torso.lineTo(cx + shoulderHalf, shoulderY + 0.05 * h);
    torso.quadTo(cx + shoulderHalf, shoulderY, cx + shoulderHalf - 0.035 * h, shoulderY);
    torso.closeSubpath();
    painter.setBrush(outfit.suit);
    painter.drawPath(torso);
    if (outfit.collar) {
        painter.setBrush(outfit.shirt);
        painter.drawPolygon(QPolygonF{
            {cx - 0.05 * h, shoulderY}, {cx + 0.05 * h, shoulderY}, {cx, shoulderY + 0.15 * h}});
        painter.setBrush(outfit.tie);
        painter.drawPolygon(QPolygonF{{cx - 0.014 * h, shoulderY + 0.005 * h},
                                      {cx + 0.014 * h, shoulderY + 0.005 * h},
                                      {cx + 0.02 * h, shoulderY + 0.11 * h},
                                      {cx, shoulderY + 0.14 * h},
                                      {cx - 0.02 * h, shoulderY + 0.11 * h}});
    } else {
        painter.setBrush(outfit.shirt);
        painter.drawChord(QRectF(cx - 0.045 * h, shoulderY - 0.03 * h, 0.09 * h, 0.06 * h),
                          180 * 16, 180 * 16);
    }

    // Head.
    const QRectF head(cx - headRadius, top, 2 * headRadius, 2 * headRadius);
    painter.setBrush(outfit.skin);
    painter.drawEllipse(head);
    DrawHair(painter, head, Hair::Short, outfit, outline);

    // Arms, each from the shoulder through the elbow to the hand.
    const qreal armWidth = 0.06 * h;
    const QPointF leftShoulder(cx - shoulderHalf + armWidth * 0.45, shoulderY + 0.035 * h);
    const QPointF rightShoulder(cx + shoulderHalf - armWidth * 0.45, shoulderY + 0.035 * h);
    const QPolygonF leftDown{leftShoulder, {cx - shoulderHalf - 0.01 * h, hipY + 0.01 * h}};
    const QPolygonF rightDown{rightShoulder, {cx + shoulderHalf + 0.01 * h, hipY + 0.01 * h}};
    QPolygonF leftArm = leftDown;
    QPolygonF rightArm = rightDown;
    switch (pose) {
    case ArmPose::Down: break;
    case ArmPose::HoldingInFront:
        leftArm = {leftShoulder,
                   {cx - shoulderHalf - 0.005 * h, top + 0.43 * h},
                   {cx - 0.07 * h, top + 0.38 * h}};
        rightArm = {rightShoulder,
                    {cx + shoulderHalf + 0.005 * h, top + 0.43 * h},
                    {cx + 0.07 * h, top + 0.38 * h}};
        break;
    case ArmPose::RaisingRight:
        rightArm = {rightShoulder,
                    {cx + shoulderHalf + 0.08 * h, shoulderY - 0.02 * h},
                    {cx + shoulderHalf + 0.08 * h, top + 0.02 * h}};
        break;
    case ArmPose::ReachingRight:
        rightArm = {rightShoulder, {cx + shoulderHalf + 0.24 * h, shoulderY + 0.07 * h}};
        break;
    }
    DrawLimb(painter, leftArm, armWidth, outfit.suit, outline);
    DrawLimb(painter, rightArm, armWidth, outfit.suit, outline);
    const qreal handRadius = 0.032 * h;
    const Hands hands{leftArm.last(), rightArm.last()};
    DrawHand(painter, hands.left, handRadius, outfit, outline);
    DrawHand(painter, hands.right, handRadius, outfit, outline);
    painter.restore();
    return hands;
}

void DrawBust(QPainter& painter, const QRectF& box, const Outfit& outfit,
              const BustDetails& details) {
    painter.save();
    const qreal w = box.width();
    const qreal cx = box.center().x();
    const qreal rx = 0.19 * w;
    const qreal ry = 0.23 * w;
    const QPointF headCentre(cx, box.top() + ry * 1.05);
    const qreal shoulderTop = headCentre.y() + ry * 1.2;
    const QPen outline = OutlinePen(outfit, w * 1.6);
    const bool coated = details.coat.alpha() != 0;
    painter.setPen(outline);

    // Neck, then the body from the shoulders to the bottom of the box.
    painter.setBrush(outfit.skin);
    painter.drawRect(QRectF(cx - rx * 0.45, headCentre.y() + ry * 0.5, rx * 0.9, ry * 0.9));
    QPainterPath body;
    body.moveTo(box.left() + 0.02 * w, box.bottom() + 1);
    body.lineTo(box.left() + 0.03 * w, shoulderTop + 0.2 * w);
    body.quadTo(box.left() + 0.04 * w, shoulderTop, cx - 0.25 * w, shoulderTop);
    body.lineTo(cx + 0.25 * w, shoulderTop);
    body.quadTo(box.right() - 0.04 * w, shoulderTop, box.right() - 0.03 * w, shoulderTop + 0.2 * w);
    body.lineTo(box.right() - 0.02 * w, box.bottom() + 1);
    body.closeSubpath();
    painter.setBrush(coated ? details.coat : outfit.suit);
    painter.drawPath(body);

    // The opening at the front: shirt and tie, framed by lapels.
    const qreal openHalf = (coated ? 0.17 : 0.11) * w;
    const qreal openDepth = (coated ? 0.55 : 0.38) * w;
    const QPointF vBottom(cx, shoulderTop + openDepth);
    if (coated) {
        painter.setBrush(outfit.suit);
        painter.drawPolygon(
            QPolygonF{{cx - openHalf, shoulderTop}, {cx + openHalf, shoulderTop}, vBottom});
    }
    painter.setBrush(outfit.shirt);
    const qreal shirtHalf = coated ? openHalf * 0.6 : openHalf;
    const QPointF shirtBottom(cx, shoulderTop + (coated ? openDepth * 0.7 : openDepth));
    painter.drawPolygon(
        QPolygonF{{cx - shirtHalf, shoulderTop}, {cx + shirtHalf, shoulderTop}, shirtBottom});
    painter.setBrush(outfit.tie);
    const qreal knot = 0.035 * w;
    painter.drawPolygon(QPolygonF{{cx - knot, shoulderTop + 0.005 * w},
                                  {cx + knot, shoulderTop + 0.005 * w},
                                  {cx + knot * 0.7, shoulderTop + 0.06 * w},
                                  {cx - knot * 0.7, shoulderTop + 0.06 * w}});
    painter.drawPolygon(QPolygonF{{cx - knot * 0.7, shoulderTop + 0.06 * w},
                                  {cx + knot * 0.7, shoulderTop + 0.06 * w},
                                  {cx + knot * 1.3, shirtBottom.y() - 0.06 * w},
                                  {cx, shirtBottom.y() - 0.01 * w},
                                  {cx - knot * 1.3, shirtBottom.y() - 0.06 * w}});
    // Lapel edges.
    painter.setBrush(Qt::NoBrush);
    painter.drawPolyline(QPolygonF{{cx - openHalf - 0.06 * w, shoulderTop},
                                   {cx - openHalf * 0.4, shoulderTop + openDepth * 0.55},
                                   vBottom});
    painter.drawPolyline(QPolygonF{{cx + openHalf + 0.06 * w, shoulderTop},
                                   {cx + openHalf * 0.4, shoulderTop + openDepth * 0.55},
                                   vBottom});

    // Ears, head and hair.
    painter.setBrush(outfit.skin);
    painter.drawEllipse(QPointF(cx - rx, headCentre.y() + ry * 0.1), rx * 0.18, ry * 0.22);
    painter.drawEllipse(QPointF(cx + rx, headCentre.y() + ry * 0.1), rx * 0.18, ry * 0.22);
    const QRectF head(cx - rx, headCentre.y() - ry, 2 * rx, 2 * ry);
    painter.drawEllipse(head);
    DrawHair(painter, head, details.hair, outfit, outline);

    // Glasses and mouth, the only features the faces get.
    const qreal eyeY = headCentre.y() + ry * 0.05;
    if (details.eyewear != Eyewear::None) {
        const bool dark = details.eyewear == Eyewear::DarkGlasses;
        painter.setPen(QPen(outfit.outline, outline.widthF() * 1.3));
        painter.setBrush(dark ? QBrush(outfit.outline) : QBrush(Qt::NoBrush));
        const qreal lensW = rx * 0.72;
        const qreal lensH = ry * (dark ? 0.34 : 0.3);
        painter.drawRoundedRect(QRectF(cx - rx * 0.1 - lensW, eyeY - lensH / 2, lensW, lensH),
                                lensH * 0.3, lensH * 0.3);
        painter.drawRoundedRect(QRectF(cx + rx * 0.1, eyeY - lensH / 2, lensW, lensH), lensH * 0.3,
                                lensH * 0.3);
        painter.drawLine(QPointF(cx - rx * 0.1, eyeY - lensH * 0.2),
                         QPointF(cx + rx * 0.1, eyeY - lensH * 0.2));
        painter.drawLine(QPointF(cx - rx * 0.1 - lensW, eyeY - lensH * 0.3),
                         QPointF(cx - rx * 0.98, eyeY - lensH * 0.4));
        painter.drawLine(QPointF(cx + rx * 0.1 + lensW, eyeY - lensH * 0.3),
                         QPointF(cx + rx * 0.98, eyeY - lensH * 0.4));
    }
    if (details.smirk) {
        painter.setPen(QPen(outfit.outline, outline.widthF() * 1.2, Qt::SolidLine, Qt::RoundCap));
        painter.setBrush(Qt::NoBrush);
        QPainterPath mouth;
        mouth.moveTo(cx - rx * 0.35, headCentre.y() + ry * 0.52);
        mouth.quadTo(cx + rx * 0.05, headCentre.y() + ry * 0.62, cx + rx * 0.4,
                     headCentre.y() + ry * 0.42);
        painter.drawPath(mouth);
    }
    painter.restore();
}

void DrawBowingPerson(QPainter& painter, QPointF shoulders, qreal width, const Outfit& outfit) {
    painter.save();
    const qreal w = width;
    const qreal sx = shoulders.x();
    const qreal sy = shoulders.y();
    const QPen outline = OutlinePen(outfit, w * 2.2);
    painter.setPen(outline);
    // The back, bent towards the viewer: widest at the shoulders, narrowing up to the waist.
    QPainterPath back;
    back.moveTo(sx - 0.46 * w, sy + 0.1 * w);
    back.quadTo(sx - 0.48 * w, sy - 0.12 * w, sx - 0.3 * w, sy - 0.42 * w);
    back.lineTo(sx + 0.3 * w, sy - 0.42 * w);
    back.quadTo(sx + 0.48 * w, sy - 0.12 * w, sx + 0.46 * w, sy + 0.1 * w);
    back.closeSubpath();
    painter.setBrush(outfit.suit);
    painter.drawPath(back);
    painter.drawLine(QPointF(sx, sy - 0.42 * w),
                     QPointF(sx, sy - 0.1 * w));  // the jacket's centre seam
    // Arms hanging straight down from the shoulders.
    const qreal armWidth = 0.17 * w;
    for (int side : {-1, 1}) {
        const QPolygonF arm{{sx + side * 0.38 * w, sy}, {sx + side * 0.4 * w, sy + 0.55 * w}};
        DrawLimb(painter, arm, armWidth, outfit.suit, outline);
        DrawHand(painter, arm.last() + QPointF(0, 0.07 * w), 0.08 * w, outfit, outline);
    }
    // The bowed head below the shoulder line: the top of the hair, ears at its sides.
    const qreal r = 0.2 * w;
    const QPointF crown(sx, sy + 0.1 * w);
    painter.setPen(outline);
    painter.setBrush(outfit.skin);
    for (int side : {-1, 1})
        painter.drawEllipse(QPointF(sx + side * r * 0.95, crown.y() + r * 0.35), r * 0.22, r * 0.3);
    painter.setBrush(outfit.hair);
    painter.drawEllipse(crown, r, r);
    // A band of sheen across the hair, as drawn on black hair in comics.
    painter.setPen(QPen(outfit.shirt, r * 0.16, Qt::SolidLine, Qt::RoundCap));
    painter.setBrush(Qt::NoBrush);
    painter.drawArc(QRectF(crown.x() - r * 0.7, crown.y() - r * 0.7, r * 1.4, r * 1.4), 35 * 16,
                    110 * 16);
    painter.restore();
}

void DrawBackOfHead(QPainter& painter, QPointF headCentre, qreal headRadius, const Outfit& outfit) {
    painter.save();
    const qreal r = headRadius;
    painter.setPen(OutlinePen(outfit, r * 12));
    painter.setBrush(outfit.suit);
    painter.drawEllipse(QPointF(headCentre.x(), headCentre.y() + r * 2.1), r * 2.1, r * 1.3);
    painter.setBrush(outfit.skin);
    painter.drawRect(QRectF(headCentre.x() - r * 0.4, headCentre.y() + r * 0.5, r * 0.8, r * 0.6));
    painter.setBrush(outfit.hair);
    painter.drawEllipse(headCentre, r, r * 1.1);
    painter.restore();
}

}  // namespace picgen
