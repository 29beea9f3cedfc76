// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QFont>
#include <QPainter>
#include <QRectF>
#include <QString>
#include <QStringList>

namespace picgen {

QFont JapaneseFont(qreal pixelSize);                   // IPAPGothic, for every Japanese text
QFont LatinFont(qreal pixelSize, bool serif = false);  // bold Latin lettering for names and numbers

struct TextStyle {
    QFont font;
    QColor fill;
    QColor outline = Qt::transparent;
    qreal outlineWidth = 0;
    qreal weight = 0;  // extra stroke in the fill colour, for lettering heavier than the face
};

// One line per face the pictures use: the family asked for, the face found, and a hash of its
// outlines and metrics. Pictures made where these lines differ differ in their lettering.
QStringList FontFingerprint();

// Draws the text's ink centred in the box (or aligned left/right/top/bottom as asked), shrunk to
// fit the box if it is too large, never enlarged.
void DrawText(QPainter& painter, const QRectF& box, const QString& text, const TextStyle& style,
              Qt::Alignment alignment = Qt::AlignCenter);

// Japanese written top to bottom: one character under the other, the column centred in the box.
void DrawVerticalText(QPainter& painter, const QRectF& box, const QString& text,
                      const TextStyle& style);

}  // namespace picgen
