#pragma once

#include <cstdint>

namespace zormade::test {

// Seeds for the view's generator that make the draws of the coming months known.

// The next month draws `first`, then `second`.
std::uint32_t SeedDrawing(int first, int second);

// None of the next `months` months draws a second 2, so no event interrupts them.
std::uint32_t SeedWithoutEvents(int months);

}  // namespace zormade::test
