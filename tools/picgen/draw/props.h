// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QPainter>
#include <QRectF>
#include <QString>

#include "draw/text.h"

namespace picgen {

struct PaperColours {
    QColor paper;
    QColor text;  // heading and the grey lines standing for body text
    QColor outline;
};

// A sheet of paper with a heading over lines of text. Vertical sheets carry their heading as a
// column down the right-hand side, as a Japanese legal paper does.
void DrawDocument(QPainter& painter, const QRectF& sheet, const QString& heading, qreal headingSize,
                  const PaperColours& colours, bool vertical = false);

// A red seal impression: a ring (round or square) with the text inside, turned by `angle` degrees.
void DrawSeal(QPainter& painter, QPointF centre, qreal size, const QString& text, const QColor& red,
              bool round, qreal angle);

struct MicrophoneColours {
    QColor body;
    QColor grille;
    QColor outline;
};

// A microphone on a thin stand from `base` to its head at `head`.
void DrawMicrophone(QPainter& painter, QPointF base, QPointF head, qreal size,
                    const MicrophoneColours& colours);

// A camera flash: a bright core with rays.
void DrawFlash(QPainter& painter, QPointF centre, qreal radius, const QColor& core,
               const QColor& glow);

// A placard on a pole: the board with its slogan written down it, the pole ending at `poleBottom`.
void DrawPlacard(QPainter& painter, const QRectF& board, qreal poleBottom, const QString& slogan,
                 const TextStyle& sloganStyle, const QColor& boardColour, const QColor& poleColour,
                 const QColor& outline);

struct BoxColours {
    QColor front;
    QColor side;
    QColor tape;
    QColor label;
    QColor outline;
};

// A closed cardboard box seen from the front and a little above, with an optional label.
void DrawCardboardBox(QPainter& painter, const QRectF& front, const QString& label,
                      const TextStyle& labelStyle, const BoxColours& colours);

struct CapsuleColours {
    QColor left;
    QColor right;
    QColor shine;
    QColor outline;
};

// A two-coloured medicine capsule centred on `centre`, turned by `angle` degrees.
void DrawCapsule(QPainter& painter, QPointF centre, qreal length, qreal thickness, qreal angle,
                 const CapsuleColours& colours);

struct CoinColours {
    QColor face;
    QColor rim;
    QColor shine;
    QColor mark;
};

// A gold coin seen from the front, with a yen mark.
void DrawCoin(QPainter& painter, QPointF centre, qreal radius, const CoinColours& colours);

}  // namespace picgen
