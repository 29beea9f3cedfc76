// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QRect>
#include <QSize>
#include <vector>

class QWidget;

namespace zormade {

// How a control of a window that grows follows the window.
enum class Follow {
    Grow,    // takes the extra width and a share of the extra height
    Widen,   // takes the extra width; one line high, it keeps its height
    Centre,  // keeps its size and stays in the middle
};

// Controls placed at a window's smallest size, laid out again at any larger size: the extra
// height goes to the growing controls in proportion to their heights, the others move down with
// them.
class GrowingLayout {
public:
    // Takes the control's present place as its place at the smallest size.
    void Add(QWidget* control, Follow follow);
    void LayOut(QSize smallest, QSize now) const;

private:
    // Where a line `y` pixels down at the smallest size lies `extra` pixels higher.
    int Down(int y, int extra) const;

    struct Placed {
        QWidget* control;
        QRect smallest;
        Follow follow;
    };
    std::vector<Placed> placed_;
};

// The size a window of `smallest` takes in `room`: its share of the room, in its own proportions,
// never smaller than `smallest`.
QSize ShareOfRoom(QSize smallest, QSize room);

}  // namespace zormade
