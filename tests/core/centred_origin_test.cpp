// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/centred_origin.h"

#include <gtest/gtest.h>

#include <tuple>

namespace zormade {
namespace {

// The opening picture is 409 x 314, the main window 555 x 544. The main window is then kept on
// the desktop; the opening is not.
TEST(CentredOrigin, CentresWithHalvesTruncatedTowardZeroOnADesktopAnywhere) {
    // clang-format off
    const struct {
        const char* name;
        int left, top, right, bottom, width, height, x, y, keptX, keptY;
    } cases[] = {
        {"opening on 640 x 480", 0, 0, 640, 480, 409, 314, 115, 83, 115, 83},
        {"main window on 640 x 480 sticks out at the top",
         0, 0, 640, 480, 555, 544, 42, -32, 42, 0},
        {"odd remainders truncate toward zero", 0, 0, 1025, 481, 555, 544, 235, -31, 235, 0},
        {"too narrow as well as too low", 0, 0, 400, 300, 555, 544, -77, -122, 0, 0},
        {"exactly the window's size", 0, 0, 555, 544, 555, 544, 0, 0, 0, 0},
        {"a screen right of and below another",
         1024, 768, 2048, 1536, 555, 544, 1258, 880, 1258, 880},
        {"a screen left of and above another", -800, -600, 0, 0, 409, 314, -605, -457, -605, -457},
        {"a small screen away from the corner", 100, 50, 500, 350, 555, 544, 23, -72, 100, 50},
    };
    // clang-format on
    for (const auto& c : cases) {
        const Origin origin = CentredOrigin(c.left, c.top, c.right, c.bottom, c.width, c.height);
        const Origin kept = KeptOnDesktop(origin, c.left, c.top);
        EXPECT_EQ(std::make_pair(origin.x, origin.y), std::make_pair(c.x, c.y)) << c.name;
        EXPECT_EQ(std::make_pair(kept.x, kept.y), std::make_pair(c.keptX, c.keptY)) << c.name;
    }
}

}  // namespace
}  // namespace zormade
