// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/terminal_echo.h"

#include <algorithm>
#include <cstdint>
#include <iterator>
#include <utility>

#include "core/utf8.h"

namespace zormade {
namespace {

// Characters that show nothing or turn the text's direction: a reader could not tell what the
// line holds.
bool Invisible(std::uint32_t code) {
    static constexpr std::pair<std::uint32_t, std::uint32_t> kRanges[] = {
        {0xAD, 0xAD},     {0x61C, 0x61C},   {0x180E, 0x180E}, {0x200B, 0x200F},   {0x2028, 0x202E},
        {0x2060, 0x206F}, {0xFEFF, 0xFEFF}, {0xFFF9, 0xFFFB}, {0xE0000, 0xE007F},
    };
    return std::any_of(std::begin(kRanges), std::end(kRanges), [code](const auto& range) {
        return code >= range.first && code <= range.second;
    });
}

}  // namespace

std::string TerminalEcho(std::string_view text) {
    constexpr std::size_t kShown = 80;
    static constexpr char kDigits[] = "0123456789abcdef";
    std::string shown;
    std::size_t characters = 0;
    for (std::size_t i = 0, length = 0; i < text.size(); i += length) {
        if (characters++ == kShown) return shown + "...";
        std::uint32_t code = 0;
        length = Utf8Character(text, i, code);
        // A byte that starts no character, a C0 or C1 control: a terminal must never see it raw.
        if (length == 0 || code < 0x20 || (code >= 0x7F && code < 0xA0) || Invisible(code)) {
            for (std::size_t k = i; k < i + std::max<std::size_t>(length, 1); ++k) {
                const auto byte = static_cast<unsigned char>(text[k]);
                shown += {'\\', 'x', kDigits[byte >> 4], kDigits[byte & 15]};
            }
            length = std::max<std::size_t>(length, 1);
        } else {
            shown.append(text, i, length);
        }
    }
    return shown;
}

}  // namespace zormade
