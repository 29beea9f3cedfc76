#pragma once

#include <cstdint>

namespace zormade::test {

// A seed for the view's generator whose next month draws `first`, then `second`.
std::uint32_t SeedDrawing(int first, int second);

}  // namespace zormade::test
