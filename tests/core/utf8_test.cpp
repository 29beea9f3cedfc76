// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/utf8.h"

#include <gtest/gtest.h>

namespace zormade {
namespace {

// Each code where an encoding's length changes or a forbidden range starts or ends, written and
// read back whole.
TEST(Utf8, EveryLengthsFirstAndLastCodeReadsBackAsWritten) {
    // clang-format off
    const std::pair<std::uint32_t, std::size_t> codes[] = {
        {0x00, 1},   {0x7F, 1},   {0x80, 2},   {0x7FF, 2},   {0x800, 3},
        {0xD7FF, 3}, {0xE000, 3}, {0xFFFF, 3}, {0x10000, 4}, {0x10FFFF, 4}};
    // clang-format on
    for (const auto& [code, length] : codes) {
        std::string text;
        AppendUtf8(text, code);
        std::uint32_t read = 0;
        EXPECT_EQ(text.size(), length) << std::hex << code;
        EXPECT_EQ(Utf8Character(text + "x", 0, read), length) << std::hex << code;
        EXPECT_EQ(read, code);
    }
}

// What a damaged or foreign profile holds is refused, so that it is kept as bytes.
TEST(Utf8, OverlongFormsSurrogatesAndBrokenSequencesAreRefused) {
    // clang-format off
    const char* refused[] = {"\xC0\x80",         "\xC1\xBF",     "\xE0\x80\x80", "\xE0\x9F\xBF",
                             "\xF0\x8F\xBF\xBF", "\xED\xA0\x80", "\xED\xBF\xBF", "\xF4\x90\x80\x80",
                             "\xF5\x80\x80\x80", "\x80",         "\xBF",         "\xE3\x81",
                             "\xE3\x41\x82",     "\xE3\x81\xC2", "\x83\x5A"};
    // clang-format on
    for (const char* bytes : refused) {
        std::uint32_t code = 0;
        EXPECT_EQ(Utf8Character(bytes, 0, code), 0u) << testing::PrintToString(bytes);
        EXPECT_FALSE(IsUtf8(std::string("ok") + bytes)) << testing::PrintToString(bytes);
    }
    EXPECT_TRUE(IsUtf8("ok \xE3\x82\xBE\xE3\x83\xAB \xF0\x9F\x98\x80"));
    EXPECT_TRUE(IsUtf8(""));
}

}  // namespace
}  // namespace zormade
