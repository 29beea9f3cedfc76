// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QPainter>
#include <QPointF>
#include <QRectF>

// Simple, faceless people: round heads, suits, a line of outline. Sizes are given by the figure's
// height or width, so the same figure serves a crowd and a close-up.
namespace picgen {

struct Outfit {
    QColor skin;
    QColor hair;
    QColor suit;
    QColor shirt;
    QColor tie;
    QColor outline;
    bool collar = true;  // shirt and tie under a jacket; without them, a plain jumper
    QColor trousers = Qt::transparent;  // the suit's colour when unset
};

enum class ArmPose {
    Down,
    HoldingInFront,  // hands together before the chest, to carry a box or hold up a paper
    RaisingRight,    // the right hand (viewer's right) above the head, holding a pole
    ReachingRight,   // the right arm stretched out sideways, handing something over
};

struct Hands {
    QPointF left;
    QPointF right;
};

// A person standing, facing the viewer, feet centred on `feet`. Returns where the hands are.
Hands DrawStandingPerson(QPainter& painter, QPointF feet, qreal height, const Outfit& outfit,
                         ArmPose pose = ArmPose::Down);

enum class Hair { Short, SlickedBack, WhiteFringe };

enum class Eyewear { None, Glasses, DarkGlasses };

struct BustDetails {
    Hair hair = Hair::Short;
    Eyewear eyewear = Eyewear::None;
    bool smirk = false;
    QColor coat = Qt::transparent;  // a white coat over the suit, when set
};

// Head and shoulders, filling the width of `box` and reaching its bottom edge.
void DrawBust(QPainter& painter, const QRectF& box, const Outfit& outfit,
              const BustDetails& details);

// A person bowing deeply towards the viewer: the crown of the head below the hunched shoulders.
void DrawBowingPerson(QPainter& painter, QPointF shoulders, qreal width, const Outfit& outfit);

// The back of a seated or standing listener: hair and shoulders, as seen from behind.
void DrawBackOfHead(QPainter& painter, QPointF headCentre, qreal headRadius, const Outfit& outfit);

}  // namespace picgen
