// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/bmp_writer.h"

#include <gtest/gtest.h>

#include <QImage>

#include "test_images.h"

namespace picgen {
namespace {

struct LayoutCase {
    const char* name;
    int width, height;
    test::PixelRule rule;
};

// The committed pictures pin the headers, and the title picture's runs reach single-colour runs
// past 255, one- and two-pixel leftovers and short absolute runs (PicturesMatchTheirGenerator).
// These shapes reach what it leaves out: alternation and noise past 255, rows too narrow for an
// absolute run, odd widths.
// clang-format off
const LayoutCase kLayouts[] = {
    {"one_pixel", 1, 1, [](int, int) { return 15; }},
    {"three_columns", 3, 4, [](int x, int y) { return (x * 5 + y) % 16; }},
    {"checkerboard", 41, 9, [](int x, int y) { return (x + y) % 2 == 0 ? 1 : 14; }},
    {"long_alternation", 530, 1, [](int x, int) { return x % 2 == 0 ? 4 : 11; }},
    {"short_runs", 77, 6, [](int x, int y) { return (x / (1 + (x + y) % 3)) % 16; }},
    {"noise", 101, 13, [](int x, int y) { return int((x * 2654435761u + y * 40503u) >> 7) & 15; }},
    {"noise_longer_than_255", 700, 2,
     [](int x, int y) { return int((x * 2246822519u + y) >> 9) & 15; }},
};
// clang-format on

class BmpLayoutTest : public testing::TestWithParam<LayoutCase> {};

TEST_P(BmpLayoutTest, QtReadsBackEveryPixelPlainAndRunLengthEncoded) {
    const LayoutCase& layout = GetParam();
    const QImage image =
        test::IndexedImage(layout.width, layout.height, test::SixteenColours(), layout.rule);
    for (const BmpCompression compression : {BmpCompression::Rgb, BmpCompression::Rle4}) {
        SCOPED_TRACE(compression == BmpCompression::Rle4 ? "rle4" : "rgb");
        test::ExpectSamePixels(QImage::fromData(EncodeBmp4(image, compression), "BMP"), image);
    }
}

INSTANTIATE_TEST_SUITE_P(Layouts, BmpLayoutTest, testing::ValuesIn(kLayouts),
                         [](const auto& param) { return std::string(param.param.name); });

TEST(BmpWriterTest, RefusesImagesThatDoNotFitFourBits) {
    const QImage seventeenColours = test::IndexedImage(
        4, 4, test::SixteenColours() << qRgb(1, 2, 3), [](int, int) { return 0; });
    EXPECT_THROW(EncodeBmp4(seventeenColours, BmpCompression::Rgb), std::invalid_argument);
    EXPECT_THROW(EncodeBmp4(QImage(4, 4, QImage::Format_RGB32), BmpCompression::Rle4),
                 std::invalid_argument);
}

}  // namespace
}  // namespace picgen
