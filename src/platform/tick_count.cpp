// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/tick_count.h"

#include <chrono>

namespace zormade {

std::uint32_t SteadyMilliseconds() {
    const auto sinceStart = std::chrono::steady_clock::now().time_since_epoch();
    return static_cast<std::uint32_t>(
        std::chrono::duration_cast<std::chrono::milliseconds>(sinceStart).count());
}

}  // namespace zormade
