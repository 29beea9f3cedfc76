// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/ico_writer.h"

#include <gtest/gtest.h>

#include <QBuffer>
#include <QImageReader>

#include "test_images.h"

namespace picgen {
namespace {

// A disc of varied colours on a transparent ground (index 0), so the mask has both values on odd
// bit offsets.
QImage Disc(int size) {
    QList<QRgb> colours = test::SixteenColours();
    colours[0] = qRgba(0, 0, 0, 0);
    return test::IndexedImage(size, size, colours, [size](int x, int y) {
        const int dx = 2 * x + 1 - size;
        const int dy = 2 * y + 1 - size;
        return dx * dx + dy * dy < size * size ? 1 + (x + 2 * y) % 15 : 0;
    });
}

// The directory and header fields that Qt does not read are pinned byte for byte by the committed
// icon (PicturesMatchTheirGenerator); here a reader checks the pixels and the mask.
TEST(IcoWriterTest, QtReadsEachImageBack) {
    const QList<QImage> originals{Disc(32), Disc(16)};
    QByteArray file = EncodeIco(originals);
    QBuffer buffer(&file);
    QImageReader reader(&buffer, "ico");
    ASSERT_EQ(reader.imageCount(), 2);
    for (int i = 0; i < 2; ++i) {
        SCOPED_TRACE(i);
        reader.jumpToImage(i);
        test::ExpectSamePixels(reader.read(), originals[i]);
    }
}

TEST(IcoWriterTest, RefusesImagesAnIconCannotHold) {
    EXPECT_THROW(EncodeIco({QImage(16, 16, QImage::Format_ARGB32)}), std::invalid_argument);
    EXPECT_THROW(
        EncodeIco({test::IndexedImage(256, 256, Disc(1).colorTable(), [](int, int) { return 1; })}),
        std::invalid_argument);
}

}  // namespace
}  // namespace picgen
