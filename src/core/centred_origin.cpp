// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/centred_origin.h"

#include <algorithm>

namespace zormade {

Origin CentredOrigin(int desktopLeft, int desktopTop, int desktopRight, int desktopBottom,
                     int width, int height) {
    return {desktopLeft + (desktopRight - desktopLeft - width) / 2,
            desktopTop + (desktopBottom - desktopTop - height) / 2};
}

Origin KeptOnDesktop(Origin origin, int desktopLeft, int desktopTop) {
    return {std::max(origin.x, desktopLeft), std::max(origin.y, desktopTop)};
}

}  // namespace zormade
