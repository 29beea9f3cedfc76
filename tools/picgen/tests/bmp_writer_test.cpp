#include "core/bmp_writer.h"
#include "test_images.h"

#include <QImage>

#include <gtest/gtest.h>

#include <optional>
#include <vector>

namespace picgen {
namespace {

using test::PixelRule;
using test::readU32;

constexpr int kPixelOffsetField = 10;

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

// A strict decoder of our own: it accepts no delta code and checks that every row is complete and
// every absolute run is word-aligned, so a fault in the stream cannot hide behind a lenient reader.
std::optional<std::vector<int>> decodeRle4Strictly(const QByteArray &data, int width, int height)
{
    std::vector<int> pixels(size_t(width) * height, -1);
    const auto *bytes = reinterpret_cast<const uchar *>(data.constData());
    int at = 0;
    int x = 0;
    int row = height - 1;
    auto put = [&](int index) {
        if (x >= width || row < 0)
            return false;
        pixels[size_t(row) * width + x++] = index;
        return true;
    };
    while (at + 1 < data.size()) {
        const int count = bytes[at];
        const int value = bytes[at + 1];
        at += 2;
        if (count > 0) {
            for (int i = 0; i < count; ++i)
                if (!put(i % 2 == 0 ? value >> 4 : value & 15))
                    return std::nullopt;
        } else if (value == 0 || value == 1) {
            if (x != width)
                return std::nullopt;
            x = 0;
            --row;
            if (value == 1)
                return at == data.size() && row == -1 ? std::optional(pixels) : std::nullopt;
        } else if (value == 2) {
            return std::nullopt;  // delta
        } else {
            const int byteCount = (value + 1) / 2;
            for (int i = 0; i < value; ++i)
                if (!put(i % 2 == 0 ? bytes[at + i / 2] >> 4 : bytes[at + i / 2] & 15))
                    return std::nullopt;
            at += byteCount + byteCount % 2;
        }
    }
    return std::nullopt;  // no end-of-bitmap code
}

class BmpLayoutTest : public testing::TestWithParam<std::tuple<LayoutCase, BmpCompression>> {};

TEST_P(BmpLayoutTest, QtReadsBackEveryPixel)
{
    const auto &[layout, compression] = GetParam();
    const QImage image = test::indexedImage(layout.width, layout.height, test::sixteenColours(), layout.rule);
    const QImage read = QImage::fromData(encodeBmp4(image, compression), "BMP");

    ASSERT_FALSE(read.isNull());
    ASSERT_EQ(read.size(), image.size());
    EXPECT_LE(read.colorCount(), 16);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            ASSERT_EQ(read.pixel(x, y), image.pixel(x, y)) << "at " << x << "," << y;
}

class Rle4StreamTest : public testing::TestWithParam<LayoutCase> {};

TEST_P(Rle4StreamTest, UsesNoDeltaAndDecodesExactly)
{
    const LayoutCase &layout = GetParam();
    const QImage image = test::indexedImage(layout.width, layout.height, test::sixteenColours(), layout.rule);
    const QByteArray file = encodeBmp4(image, BmpCompression::Rle4);

    const auto decoded = decodeRle4Strictly(file.mid(int(readU32(file, kPixelOffsetField))),
                                            layout.width, layout.height);
    ASSERT_TRUE(decoded.has_value());
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            ASSERT_EQ((*decoded)[size_t(y) * layout.width + x], image.pixelIndex(x, y))
                << "at " << x << "," << y;
}

INSTANTIATE_TEST_SUITE_P(
    Layouts, BmpLayoutTest,
    testing::Combine(testing::ValuesIn(kLayouts), testing::Values(BmpCompression::Rgb, BmpCompression::Rle4)),
    [](const auto &param) {
        const bool rle = std::get<1>(param.param) == BmpCompression::Rle4;
        return std::string(std::get<0>(param.param).name) + (rle ? "_rle4" : "_rgb");
    });

INSTANTIATE_TEST_SUITE_P(Layouts, Rle4StreamTest, testing::ValuesIn(kLayouts),
                         [](const auto& param) { return std::string(param.param.name); });

TEST(BmpWriterTest, RunLengthShrinksFlatPictures)
{
    const QImage flat = test::indexedImage(400, 300, test::sixteenColours(),
                                           [](int x, int y) { return x < 200 ? 2 : (y < 150 ? 5 : 8); });
    const int plain = encodeBmp4(flat, BmpCompression::Rgb).size();
    const int packed = encodeBmp4(flat, BmpCompression::Rle4).size();
    EXPECT_LT(packed * 10, plain);
}

TEST(BmpWriterTest, RefusesImagesThatDoNotFitFourBits)
{
    QList<QRgb> seventeen = test::sixteenColours();
    seventeen.append(qRgb(1, 2, 3));
    const QImage tooMany = test::indexedImage(4, 4, seventeen, [](int, int) { return 0; });
    const QImage truecolour(4, 4, QImage::Format_RGB32);
    EXPECT_THROW(encodeBmp4(tooMany, BmpCompression::Rgb), std::invalid_argument);
    EXPECT_THROW(encodeBmp4(truecolour, BmpCompression::Rle4), std::invalid_argument);
}

}  // namespace
}  // namespace picgen
