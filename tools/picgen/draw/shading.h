// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QBrush>
#include <QColor>
#include <QPointF>

namespace picgen {

// A brush running from `top` colour at y = `from` to `bottom` colour at y = `to`; the palette
// reduction dithers the mixtures between them.
QBrush VerticalGradient(qreal from, qreal to, const QColor& top, const QColor& bottom);

// A brush glowing from `inner` at the centre to `outer` at `radius`.
QBrush RadialGlow(QPointF centre, qreal radius, const QColor& inner, const QColor& outer);

}  // namespace picgen
