// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QRect>
#include <QWidget>
#include <ostream>

QT_BEGIN_NAMESPACE
inline void PrintTo(const QRect& r, std::ostream* out) {
    *out << r.width() << " x " << r.height() << " at (" << r.x() << ", " << r.y() << ")";
}
inline std::ostream& operator<<(std::ostream& out, const QRect& r) {
    PrintTo(r, &out);
    return out;
}
QT_END_NAMESPACE

namespace zormade::test {

// The outer frame of top-level window `window` as the X server sees it: the window manager's
// frame round it, decoration included; null while it has none or the server cannot say.
QRect OuterFrame(WId window);

}  // namespace zormade::test
