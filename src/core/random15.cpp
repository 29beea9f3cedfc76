// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/random15.h"

namespace zormade {

int Random15::Next() {
    state_ = state_ * 214013u + 2531011u;
    return static_cast<int>((state_ >> 16) & 0x7fffu);
}

int ThreeWayOf(int r) {
    if (0 < r && r < 10922) return 0;
    if (10922 < r && r < 21844) return 1;
    if (0 < r && r < 32767) return 2;
    return 0;
}

}  // namespace zormade
