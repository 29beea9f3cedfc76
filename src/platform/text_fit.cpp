// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/text_fit.h"

#include <QFontMetrics>
#include <QStringList>
#include <QWidget>

namespace zormade {

void ShrinkFontToFit(QWidget* control, const QString& text, int availableWidth) {
    QFont font = control->font();
    const int original = font.pixelSize();
    if (original <= 0 || text.isEmpty()) return;
    auto widest = [&text](const QFont& f) {
        const QFontMetrics metrics(f);
        int width = 0;
        for (const QString& line : text.split(QLatin1Char('\n'))) {
            width = qMax(width, metrics.horizontalAdvance(line));
        }
        return width;
    };
    const int width = widest(font);
    if (width <= availableWidth) return;
    bool number = false;
    text.toLongLong(&number);
    const int smallest = number ? original / 2 : original * 3 / 4;
    // A text's width follows its size closely, so the search starts one above the size that
    // should just fit instead of trying every size on the way down: each size loads a face.
    int size = qBound(smallest, original * availableWidth / width + 1, original - 1);
    font.setPixelSize(size);
    while (widest(font) > availableWidth && size > smallest) font.setPixelSize(--size);
    control->setFont(font);
}

void WidenToFit(QWidget* control, const QString& text, Qt::Alignment alignment, const QRect& room) {
    const QFontMetrics metrics(control->font());
    const QRect box = control->geometry();
    if (metrics.horizontalAdvance(text) <= box.width()) return;
    // The ink of a last letter may reach past its advance.
    const int needed =
        qMax(metrics.horizontalAdvance(text), metrics.tightBoundingRect(text).right() + 1);
    const int more = needed - box.width();
    const int left = alignment & Qt::AlignRight     ? box.x() - more
                     : alignment & Qt::AlignHCenter ? box.x() - more / 2
                                                    : box.x();
    int first = left;
    int end = left + needed;
    // Within the room, and never narrower than the control was.
    if (room.isValid()) {
        first = qMin(box.x(), qMax(first, room.x()));
        end = qMax(box.x() + box.width(), qMin(end, room.x() + room.width()));
    }
    control->setGeometry(first, box.y(), end - first, box.height());
}

}  // namespace zormade
