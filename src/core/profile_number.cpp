// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/profile_number.h"

#include <cstdint>

namespace zormade {

std::optional<int> ParseProfileInt(std::string_view text) {
    auto isBlank = [](char c) { return c == ' ' || c == '\t'; };
    while (!text.empty() && isBlank(text.front())) text.remove_prefix(1);
    while (!text.empty() && isBlank(text.back())) text.remove_suffix(1);
    bool negative = false;
    if (!text.empty() && (text.front() == '-' || text.front() == '+')) {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }
    if (text.empty()) return std::nullopt;
    std::int64_t value = 0;
    for (char c : text) {
        if (c < '0' || c > '9') return std::nullopt;
        value = value * 10 + (c - '0');
        if (value > 4294967295LL) return std::nullopt;
    }
    if (negative) {
        if (value > 2147483648LL) return std::nullopt;
        value = -value;
    }
    return static_cast<int>(static_cast<std::uint32_t>(value));
}

}  // namespace zormade
