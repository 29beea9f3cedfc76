// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <functional>

namespace zormade {

// Milliseconds on a monotonic clock, cut to 32 bits: it wraps after about 49.7 days, so only
// differences taken in unsigned 32-bit arithmetic mean anything.
std::uint32_t SteadyMilliseconds();

using TickSource = std::function<std::uint32_t()>;

}  // namespace zormade
