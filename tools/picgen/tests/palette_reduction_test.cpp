#include "core/palette_reduction.h"

#include <QImage>
#include <QPainter>

#include <gtest/gtest.h>

#include <functional>

namespace picgen {
namespace {

const QList<QRgb> kPalette{qRgb(0, 0, 0), qRgb(255, 255, 255), qRgb(200, 30, 30), qRgb(30, 60, 160),
                           qRgba(0, 0, 0, 0)};
constexpr int kTransparent = 4;

QImage painted(int width, int height, const std::function<void(QPainter &)> &draw)
{
    QImage image(width, height, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    draw(painter);
    return image;
}

struct FlatCase {
    const char *name;
    std::function<void(QPainter &)> draw;
};

// Hard-edged shapes in palette colours, some off by the rounding a smooth scale may leave.
const FlatCase kFlatCases[] = {
    {"halves", [](QPainter &p) { p.fillRect(0, 0, 20, 30, QColor(kPalette[2])); p.fillRect(20, 0, 20, 30, QColor(kPalette[3])); }},
    {"stripes", [](QPainter &p) { for (int x = 0; x < 40; x += 3) p.fillRect(x, 0, 1, 30, Qt::white); p.fillRect(0, 10, 40, 1, Qt::black); }},
    {"rounded_off", [](QPainter &p) { p.fillRect(0, 0, 40, 30, QColor(202, 28, 31)); p.fillRect(10, 10, 5, 5, QColor(29, 61, 158)); }},
};

class FlatAreaTest : public testing::TestWithParam<FlatCase> {};

TEST_P(FlatAreaTest, KeepsPaletteColoursWithoutSpeckles)
{
    QImage source = painted(40, 30, GetParam().draw);
    const QImage reduced = reduceToPalette(source, kPalette);
    for (int y = 0; y < source.height(); ++y)
        for (int x = 0; x < source.width(); ++x) {
            const QRgb wanted = source.pixel(x, y);
            const QRgb got = reduced.pixel(x, y);
            if (qAlpha(wanted) == 0) {
                ASSERT_EQ(reduced.pixelIndex(x, y), kTransparent);
                continue;
            }
            ASSERT_LE(std::abs(qRed(got) - qRed(wanted)), 2) << x << "," << y;
            ASSERT_LE(std::abs(qGreen(got) - qGreen(wanted)), 2) << x << "," << y;
            ASSERT_LE(std::abs(qBlue(got) - qBlue(wanted)), 2) << x << "," << y;
        }
}

INSTANTIATE_TEST_SUITE_P(Shapes, FlatAreaTest, testing::ValuesIn(kFlatCases),
                         [](const auto& param) { return std::string(param.param.name); });

// A grey ramp between black and white cannot be matched pixel by pixel; dithering keeps each
// band's average brightness where the ramp had it, where banding would make it black or white.
TEST(PaletteReductionTest, DitheredRampKeepsAverageBrightness)
{
    constexpr int kWidth = 64;
    constexpr int kHeight = 64;
    constexpr int kBand = 8;
    QImage ramp(kWidth, kHeight, QImage::Format_RGB32);
    for (int y = 0; y < kHeight; ++y)
        for (int x = 0; x < kWidth; ++x) {
            const int grey = 25 + 200 * x / (kWidth - 1);
            ramp.setPixel(x, y, qRgb(grey, grey, grey));
        }
    const QImage reduced = reduceToPalette(ramp, {qRgb(0, 0, 0), qRgb(255, 255, 255)});

    for (int band = 0; band < kWidth; band += kBand) {
        double wanted = 0;
        double got = 0;
        for (int y = 0; y < kHeight; ++y)
            for (int x = band; x < band + kBand; ++x) {
                wanted += qGray(ramp.pixel(x, y));
                got += qGray(reduced.pixel(x, y));
            }
        SCOPED_TRACE(band);
        EXPECT_NEAR(got / (kBand * kHeight), wanted / (kBand * kHeight), 12.0);
    }
}

// Icons skip the dithering: each pixel simply takes its nearest colour, so edges stay clean.
TEST(PaletteReductionTest, WithoutDitheringEachPixelTakesTheNearestColour)
{
    QImage ramp(64, 8, QImage::Format_RGB32);
    for (int y = 0; y < ramp.height(); ++y)
        for (int x = 0; x < ramp.width(); ++x)
            ramp.setPixel(x, y, qRgb(x * 4, x * 4, x * 4));
    const QImage reduced = reduceToPalette(ramp, {qRgb(0, 0, 0), qRgb(255, 255, 255)}, Dithering::None);
    for (int y = 0; y < ramp.height(); ++y)
        for (int x = 0; x < ramp.width(); ++x)
            ASSERT_EQ(reduced.pixelIndex(x, y), x * 4 < 128 ? 0 : 1) << x << "," << y;
}

TEST(PaletteReductionTest, OnlyClearPixelsBecomeTransparent)
{
    const QImage source = painted(10, 1, [](QPainter &p) {
        p.fillRect(0, 0, 3, 1, QColor(255, 255, 255, 0));
        p.fillRect(3, 0, 3, 1, QColor(200, 30, 30, 100));
        p.fillRect(6, 0, 4, 1, QColor(200, 30, 30, 200));
    });
    const QImage reduced = reduceToPalette(source, kPalette);
    for (int x = 0; x < 10; ++x)
        EXPECT_EQ(reduced.pixelIndex(x, 0) == kTransparent, x < 6) << x;
}

TEST(PaletteReductionTest, RefusesAPaletteWithoutOpaqueColours)
{
    const QImage source(4, 4, QImage::Format_RGB32);
    EXPECT_THROW(reduceToPalette(source, {}), std::invalid_argument);
    EXPECT_THROW(reduceToPalette(source, {qRgba(0, 0, 0, 0)}), std::invalid_argument);
}

}  // namespace
}  // namespace picgen
