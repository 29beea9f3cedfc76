// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/palette_reduction.h"

#include <gtest/gtest.h>

#include <QImage>

#include "test_images.h"

namespace picgen {
namespace {

// Flat areas, and colours a step or two off a palette entry, fill every committed picture, which
// PicturesMatchTheirGenerator pins; the coverage boundary is only brushed by the icons' edges.
// A pixel less than half covered takes the transparent entry; one at least half covered keeps its
// colour.
TEST(PaletteReductionTest, LessThanHalfCoveredPixelsTakeTheTransparentEntry) {
    const QList<QRgb> palette{qRgb(0, 0, 0), qRgb(200, 30, 30), qRgba(0, 0, 0, 0)};
    const QList<QRgb> coverings{qRgba(255, 255, 255, 0), qRgba(200, 30, 30, 127),
                                qRgba(200, 30, 30, 128)};
    const QImage reduced =
        ReduceToPalette(test::IndexedImage(3, 1, coverings, [](int x, int) { return x; }), palette);
    EXPECT_EQ(
        (QList<int>{reduced.pixelIndex(0, 0), reduced.pixelIndex(1, 0), reduced.pixelIndex(2, 0)}),
        (QList<int>{2, 2, 1}));
}

// A grey ramp (25 to 225) between black and white cannot be matched pixel by pixel. Dithering
// keeps each band's average brightness where the ramp had it, where banding would make it black
// or white; icons skip it, and there each pixel takes its nearest colour so edges stay clean.
TEST(PaletteReductionTest, DitheringKeepsEachBandsBrightnessAndWithoutItEachPixelIsNearest) {
    constexpr int kSize = 64;
    constexpr int kBand = 8;
    QImage ramp(kSize, kSize, QImage::Format_RGB32);
    for (int y = 0; y < kSize; ++y)
        for (int x = 0; x < kSize; ++x) {
            const int grey = 25 + 200 * x / (kSize - 1);
            ramp.setPixel(x, y, qRgb(grey, grey, grey));
        }
    const QList<QRgb> blackAndWhite{qRgb(0, 0, 0), qRgb(255, 255, 255)};
    const QImage dithered = ReduceToPalette(ramp, blackAndWhite);
    const QImage nearest = ReduceToPalette(ramp, blackAndWhite, Dithering::None);
    for (int band = 0; band < kSize; band += kBand) {
        double wanted = 0;
        double got = 0;
        for (int y = 0; y < kSize; ++y)
            for (int x = band; x < band + kBand; ++x) {
                wanted += qGray(ramp.pixel(x, y));
                got += qGray(dithered.pixel(x, y));
                ASSERT_EQ(nearest.pixelIndex(x, y), qGray(ramp.pixel(x, y)) < 128 ? 0 : 1)
                    << x << "," << y;
            }
        EXPECT_NEAR(got / (kBand * kSize), wanted / (kBand * kSize), 12.0) << band;
    }
}

TEST(PaletteReductionTest, RefusesAPaletteWithoutOpaqueColours) {
    const QImage source(4, 4, QImage::Format_RGB32);
    EXPECT_THROW(ReduceToPalette(source, {}), std::invalid_argument);
    EXPECT_THROW(ReduceToPalette(source, {qRgba(0, 0, 0, 0)}), std::invalid_argument);
}

}  // namespace
}  // namespace picgen
