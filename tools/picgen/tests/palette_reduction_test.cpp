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
    // A pixel less than half covered becomes the transparent entry; one more covered keeps its colour.
    {"faint", [](QPainter &p) { p.setCompositionMode(QPainter::CompositionMode_Source); p.fillRect(0, 0, 10, 30, QColor(255, 255, 255, 0)); p.fillRect(10, 0, 10, 30, QColor(200, 30, 30, 100)); p.fillRect(20, 0, 10, 30, QColor(200, 30, 30, 200)); }},
};

class FlatAreaTest : public testing::TestWithParam<FlatCase> {};

TEST_P(FlatAreaTest, KeepsPaletteColoursWithoutSpeckles)
{
    const QImage source = painted(40, 30, GetParam().draw);
    const QImage reduced = reduceToPalette(source, kPalette);
    for (int y = 0; y < source.height(); ++y)
        for (int x = 0; x < source.width(); ++x) {
            const QRgb wanted = source.pixel(x, y);
            const QRgb got = reduced.pixel(x, y);
            if (qAlpha(wanted) < 128) {
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

// A grey ramp (25 to 225) between black and white cannot be matched pixel by pixel. Dithering
// keeps each band's average brightness where the ramp had it, where banding would make it black
// or white; icons skip it, and there each pixel takes its nearest colour so edges stay clean.
TEST(PaletteReductionTest, DitheringKeepsEachBandsBrightnessAndWithoutItEachPixelIsNearest)
{
    constexpr int kSize = 64;
    constexpr int kBand = 8;
    QImage ramp(kSize, kSize, QImage::Format_RGB32);
    for (int y = 0; y < kSize; ++y)
        for (int x = 0; x < kSize; ++x) {
            const int grey = 25 + 200 * x / (kSize - 1);
            ramp.setPixel(x, y, qRgb(grey, grey, grey));
        }
    const QList<QRgb> blackAndWhite{qRgb(0, 0, 0), qRgb(255, 255, 255)};
    const QImage dithered = reduceToPalette(ramp, blackAndWhite);
    const QImage nearest = reduceToPalette(ramp, blackAndWhite, Dithering::None);
    for (int band = 0; band < kSize; band += kBand) {
        double wanted = 0;
        double got = 0;
        for (int y = 0; y < kSize; ++y)
            for (int x = band; x < band + kBand; ++x) {
                wanted += qGray(ramp.pixel(x, y));
                got += qGray(dithered.pixel(x, y));
                ASSERT_EQ(nearest.pixelIndex(x, y), qGray(ramp.pixel(x, y)) < 128 ? 0 : 1) << x << "," << y;
            }
        EXPECT_NEAR(got / (kBand * kSize), wanted / (kBand * kSize), 12.0) << band;
    }
}

TEST(PaletteReductionTest, RefusesAPaletteWithoutOpaqueColours)
{
    const QImage source(4, 4, QImage::Format_RGB32);
    EXPECT_THROW(reduceToPalette(source, {}), std::invalid_argument);
    EXPECT_THROW(reduceToPalette(source, {qRgba(0, 0, 0, 0)}), std::invalid_argument);
}

}  // namespace
}  // namespace picgen
