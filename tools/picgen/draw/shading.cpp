// SPDX-License-Identifier: GPL-3.0-or-later
#include "draw/shading.h"

#include <QLinearGradient>
#include <QRadialGradient>

namespace picgen {

QBrush VerticalGradient(qreal from, qreal to, const QColor& top, const QColor& bottom) {
    QLinearGradient gradient(0, from, 0, to);
    gradient.setColorAt(0, top);
    gradient.setColorAt(1, bottom);
    return QBrush(gradient);
}

QBrush RadialGlow(QPointF centre, qreal radius, const QColor& inner, const QColor& outer) {
    QRadialGradient gradient(centre, radius);
    gradient.setColorAt(0, inner);
    gradient.setColorAt(1, outer);
    return QBrush(gradient);
}

}  // namespace picgen
