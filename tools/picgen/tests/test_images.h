// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <gtest/gtest.h>

#include <QImage>
#include <QList>
#include <functional>

// Indexed test images built from a rule giving each pixel's palette index.
namespace picgen::test {

using PixelRule = std::function<int(int x, int y)>;

inline QList<QRgb> SixteenColours() {
    QList<QRgb> colours;
    for (int i = 0; i < 16; ++i) colours.append(qRgb(i * 16, 255 - i * 13, (i * 97) % 256));
    return colours;
}

inline QImage IndexedImage(int width, int height, const QList<QRgb>& colours,
                           const PixelRule& rule) {
    QImage image(width, height, QImage::Format_Indexed8);
    image.setColorTable(colours);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) image.setPixel(x, y, uint(rule(x, y)));
    return image;
}

// Every pixel of `read` as `original` has it; pixels transparent there need only be transparent.
inline void ExpectSamePixels(const QImage& read, const QImage& original) {
    ASSERT_EQ(read.size(), original.size());
    const QImage argb = read.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < original.height(); ++y)
        for (int x = 0; x < original.width(); ++x) {
            const QRgb wanted = original.pixel(x, y);
            ASSERT_EQ(qAlpha(wanted) == 0 ? qAlpha(argb.pixel(x, y)) : argb.pixel(x, y),
                      qAlpha(wanted) == 0 ? 0 : wanted)
                << "at " << x << "," << y;
        }
}

}  // namespace picgen::test
