// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/centred_origin.h"

#include <algorithm>

namespace zormade {

Origin CentredOrigin(int desktopRight, int desktopBottom, int width, int height) {
    return {(desktopRight - width) / 2, (desktopBottom - height) / 2};
}

Origin KeptOnDesktop(Origin origin, int desktopLeft, int desktopTop) {
    return {std::max(origin.x, desktopLeft), std::max(origin.y, desktopTop)};
}

}  // namespace zormade
