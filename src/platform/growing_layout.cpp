// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/growing_layout.h"

#include <QWidget>
#include <algorithm>
#include <cmath>

namespace zormade {
namespace {

// Room left round the window for the desktop's own windows.
constexpr double kShare = 0.8;

}  // namespace

void GrowingLayout::Add(QWidget* control, Follow follow) {
    placed_.push_back({control, control->geometry(), follow});
}

int GrowingLayout::Down(int y, int extra) const {
    int growingAbove = 0;
    int growing = 0;
    for (const Placed& p : placed_) {
        if (p.follow != Follow::Grow) continue;
        growing += p.smallest.height();
        growingAbove += std::clamp(y - p.smallest.top(), 0, p.smallest.height());
    }
    if (growing == 0) return y;
    return y + static_cast<int>(std::lround(static_cast<double>(extra) * growingAbove / growing));
}

void GrowingLayout::LayOut(QSize smallest, QSize now) const {
    const int wider = std::max(0, now.width() - smallest.width());
    const int higher = std::max(0, now.height() - smallest.height());
    for (const Placed& p : placed_) {
        QRect place = p.smallest;
        const int top = Down(place.top(), higher);
        const int bottom =
            p.follow == Follow::Grow ? Down(place.bottom() + 1, higher) : top + place.height();
        place.setRect(place.left(), top, place.width(), bottom - top);
        if (p.follow == Follow::Centre) {
            place.translate(wider / 2, 0);
        } else {
            place.setWidth(place.width() + wider);
        }
        p.control->setGeometry(place);
    }
}

QSize ShareOfRoom(QSize smallest, QSize room) {
    if (smallest.isEmpty()) return smallest;
    const double scale =
        std::max(1.0, kShare * std::min(static_cast<double>(room.width()) / smallest.width(),
                                        static_cast<double>(room.height()) / smallest.height()));
    return QSize(static_cast<int>(smallest.width() * scale),
                 static_cast<int>(smallest.height() * scale));
}

}  // namespace zormade
