#include "core/bmp_writer.h"
#include "test_images.h"

#include <QImage>

#include <gtest/gtest.h>

namespace picgen {
namespace {

using test::PixelRule;

struct LayoutCase {
    const char *name;
    int width;
    int height;
    PixelRule rule;
};

// Shapes that reach every branch of a run-length encoder: long runs, runs past 255, two-colour
// alternation, stretches too short for absolute mode, noise, and odd widths.
const LayoutCase kLayouts[] = {
    {"solid", 37, 5, [](int, int) { return 7; }},
    {"one_pixel", 1, 1, [](int, int) { return 15; }},
    {"two_columns", 2, 3, [](int x, int y) { return (x + y) % 16; }},
    {"three_columns", 3, 4, [](int x, int y) { return (x * 5 + y) % 16; }},
    {"run_longer_than_255", 600, 2, [](int x, int) { return x < 530 ? 3 : 9; }},
    {"checkerboard", 41, 9, [](int x, int y) { return (x + y) % 2 == 0 ? 1 : 14; }},
    {"long_alternation", 530, 1, [](int x, int) { return x % 2 == 0 ? 4 : 11; }},
    {"short_runs", 77, 6, [](int x, int y) { return (x / (1 + (x + y) % 3)) % 16; }},
    {"single_pixels_between_runs", 50, 3, [](int x, int) { return x % 6 == 0 ? 2 : 12; }},
    {"noise", 101, 13, [](int x, int y) { return int((x * 2654435761u + y * 40503u) >> 7) & 15; }},
    {"noise_longer_than_255", 700, 2, [](int x, int y) { return int((x * 2246822519u + y) >> 9) & 15; }},
    {"literal_of_three", 9, 1, [](int x, int) { const int v[] = {1, 2, 3, 5, 5, 5, 5, 5, 5}; return v[x]; }},
};

void PrintTo(const LayoutCase &layout, std::ostream *out)
{
    *out << layout.name;
}

class BmpLayoutTest : public testing::TestWithParam<std::tuple<LayoutCase, BmpCompression>> {};

TEST_P(BmpLayoutTest, QtReadsBackEveryPixel)
{
    const auto &[layout, compression] = GetParam();
    const QImage image = test::indexedImage(layout.width, layout.height, test::sixteenColours(), layout.rule);
    const QByteArray file = encodeBmp4(image, compression);
    const QImage read = QImage::fromData(file, "BMP");
    EXPECT_LE(read.colorCount(), 16);
    // Qt's reader stops at the end of the data; stricter ones need the end-of-bitmap code.
    EXPECT_TRUE(compression != BmpCompression::Rle4 || file.endsWith(QByteArray("\0\1", 2)));
    test::expectSamePixels(read, image);
}

INSTANTIATE_TEST_SUITE_P(
    Layouts, BmpLayoutTest,
    testing::Combine(testing::ValuesIn(kLayouts), testing::Values(BmpCompression::Rgb, BmpCompression::Rle4)),
    [](const auto &param) {
        const bool rle = std::get<1>(param.param) == BmpCompression::Rle4;
        return std::string(std::get<0>(param.param).name) + (rle ? "_rle4" : "_rgb");
    });

TEST(BmpWriterTest, RunLengthShrinksFlatPictures)
{
    const QImage flat = test::indexedImage(400, 300, test::sixteenColours(),
                                           [](int x, int y) { return x < 200 ? 2 : (y < 150 ? 5 : 8); });
    EXPECT_LT(encodeBmp4(flat, BmpCompression::Rle4).size() * 10, encodeBmp4(flat, BmpCompression::Rgb).size());
}

TEST(BmpWriterTest, RefusesImagesThatDoNotFitFourBits)
{
    QList<QRgb> seventeen = test::sixteenColours();
    seventeen.append(qRgb(1, 2, 3));
    const QImage tooMany = test::indexedImage(4, 4, seventeen, [](int, int) { return 0; });
    EXPECT_THROW(encodeBmp4(tooMany, BmpCompression::Rgb), std::invalid_argument);
    EXPECT_THROW(encodeBmp4(QImage(4, 4, QImage::Format_RGB32), BmpCompression::Rle4), std::invalid_argument);
}

}  // namespace
}  // namespace picgen
