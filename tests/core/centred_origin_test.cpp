// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "core/centred_origin.h"

namespace zormade {
namespace {

// The opening picture is 409 x 314, the main window 555 x 544.
TEST(CentredOrigin, CentresWithHalvesTruncatedTowardZero) {
    const struct { const char* name; int desktopRight, desktopBottom, width, height, x, y; } cases[] = {
        {"opening on 640 x 480", 640, 480, 409, 314, 115, 83},
        {"main window on 640 x 480 sticks out at the top", 640, 480, 555, 544, 42, -32},
        {"main window on 1024 x 479 truncates toward zero", 1024, 479, 555, 544, 234, -32},
        {"opening on 1920 x 1080", 1920, 1080, 409, 314, 755, 383},
        {"odd remainders round down", 1025, 481, 555, 544, 235, -31},
        {"too narrow as well as too low", 400, 300, 555, 544, -77, -122},
        {"exactly the window's size", 555, 544, 555, 544, 0, 0},
    };
    for (const auto& c : cases) {
        const Origin origin = CentredOrigin(c.desktopRight, c.desktopBottom, c.width, c.height);
        EXPECT_EQ(std::make_pair(origin.x, origin.y), std::make_pair(c.x, c.y)) << c.name;
    }
}

}  // namespace
}  // namespace zormade
