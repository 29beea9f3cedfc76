// SPDX-License-Identifier: GPL-3.0-or-later
#include "draw/text.h"

#include <QCryptographicHash>
#include <QPainterPath>
#include <QRawFont>
#include <algorithm>

namespace picgen {
namespace {

QFont Unhinted(QFont font, qreal pixelSize) {
    font.setPixelSize(std::max(1, qRound(pixelSize)));
    font.setHintingPreference(
        QFont::PreferNoHinting);  // hinting would snap glyphs at the wrong scale
    return font;
}

// Places `path` in the box by the extent given (its ink, as a rule), scaled down if it does not
// fit.
QPainterPath Placed(QPainterPath path, const QRectF& ink, const QRectF& box,
                    Qt::Alignment alignment) {
    if (ink.isEmpty()) return path;
    const qreal scale = std::min({1.0, box.width() / ink.width(), box.height() / ink.height()});
    QTransform toOrigin = QTransform::fromTranslate(-ink.left(), -ink.top());
    path = (toOrigin * QTransform::fromScale(scale, scale)).map(path);
    const QSizeF size = ink.size() * scale;

    qreal x = box.left() + (box.width() - size.width()) / 2;
    if (alignment & Qt::AlignLeft)
        x = box.left();
    else if (alignment & Qt::AlignRight)
        x = box.right() - size.width();
    qreal y = box.top() + (box.height() - size.height()) / 2;
    if (alignment & Qt::AlignTop)
        y = box.top();
    else if (alignment & Qt::AlignBottom)
        y = box.bottom() - size.height();
    return QTransform::fromTranslate(x, y).map(path);
}

void PaintPath(QPainter& painter, const QPainterPath& path, const TextStyle& style) {
    painter.save();
    if (style.outlineWidth > 0) {
        painter.setPen(QPen(style.outline, 2 * style.outlineWidth, Qt::SolidLine, Qt::RoundCap,
                            Qt::RoundJoin));
        painter.setBrush(style.outline);
        painter.drawPath(path);
    }
    painter.setPen(style.weight > 0
                       ? QPen(style.fill, style.weight, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin)
                       : QPen(Qt::NoPen));
    painter.setBrush(style.fill);
    painter.drawPath(path);
    painter.restore();
}

}  // namespace

QFont JapaneseFont(qreal pixelSize) {
    return Unhinted(QFont(QStringLiteral("IPAPGothic")), pixelSize);
}

QFont LatinFont(qreal pixelSize, bool serif) {
    QFont font(serif ? QStringLiteral("DejaVu Serif") : QStringLiteral("DejaVu Sans"));
    font.setBold(true);
    return Unhinted(font, pixelSize);
}

QStringList FontFingerprint() {
    QStringList lines;
    for (const QFont& font : {JapaneseFont(16), LatinFont(16), LatinFont(16, true)}) {
        const QRawFont raw = QRawFont::fromFont(font);
        QCryptographicHash hash(QCryptographicHash::Sha256);
        for (const char* table : {"head", "cmap", "hmtx", "loca", "glyf", "CFF "})
            hash.addData(raw.fontTable(table));
        lines.append(QStringLiteral("%1: %2 %3 %4")
                         .arg(font.family(), raw.familyName(), raw.styleName(),
                              QString::fromLatin1(hash.result().toHex().left(16))));
    }
    return lines;
}

void DrawText(QPainter& painter, const QRectF& box, const QString& text, const TextStyle& style,
              Qt::Alignment alignment) {
    QPainterPath path;
    path.addText(0, 0, style.font, text);
    PaintPath(painter, Placed(path, path.boundingRect(), box, alignment), style);
}

void DrawVerticalText(QPainter& painter, const QRectF& box, const QString& text,
                      const TextStyle& style) {
    // Each character sits in a square cell of the font's size, so small kana keep their place.
    const qreal cell = style.font.pixelSize() * 1.05;
    QPainterPath column;
    const QFontMetricsF metrics(style.font);
    for (int i = 0; i < text.size(); ++i) {
        const QString character = text.mid(i, 1);
        const qreal x = (cell - metrics.horizontalAdvance(character)) / 2;
        column.addText(x, i * cell + metrics.ascent(), style.font, character);
    }
    // Centre by the cells rather than the ink, so short strokes (ー, ・) do not shift the column.
    const QRectF cells(0, 0, cell, cell * text.size());
    PaintPath(painter, Placed(column, cells, box, Qt::AlignCenter), style);
}

}  // namespace picgen
