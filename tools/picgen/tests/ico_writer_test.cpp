#include "core/ico_writer.h"
#include "test_images.h"

#include <QBuffer>
#include <QImageReader>

#include <gtest/gtest.h>

namespace picgen {
namespace {

// Index 0 is the transparent entry; the rest are opaque.
QList<QRgb> iconColours()
{
    QList<QRgb> colours{qRgba(0, 0, 0, 0)};
    for (int i = 1; i < 16; ++i)
        colours.append(qRgb(i * 17, 200 - i * 9, 40 + i * 11));
    return colours;
}

// A disc of varied colours on a transparent ground, so the mask has both values on odd bit offsets.
QImage disc(int size)
{
    return test::indexedImage(size, size, iconColours(), [size](int x, int y) {
        const int dx = 2 * x + 1 - size;
        const int dy = 2 * y + 1 - size;
        return dx * dx + dy * dy < size * size ? 1 + (x + 2 * y) % 15 : 0;
    });
}

QList<QImage> readAll(const QByteArray &bytes)
{
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer, "ico");
    QList<QImage> images;
    for (int i = 0; i < reader.imageCount(); ++i) {
        reader.jumpToImage(i);
        images.append(reader.read());
    }
    return images;
}

TEST(IcoWriterTest, DirectoryListsEachImageAsSixteenColours)
{
    const QByteArray file = encodeIco({disc(32), disc(16)});
    ASSERT_GE(file.size(), 6 + 2 * 16);
    EXPECT_EQ(test::readU16(file, 2), 1);  // icon
    EXPECT_EQ(test::readU16(file, 4), 2);
    const int sizes[] = {32, 16};
    for (int i = 0; i < 2; ++i) {
        const int entry = 6 + 16 * i;
        SCOPED_TRACE(i);
        EXPECT_EQ(uchar(file[entry]), sizes[i]);
        EXPECT_EQ(uchar(file[entry + 1]), sizes[i]);
        EXPECT_EQ(uchar(file[entry + 2]), 16);
        EXPECT_EQ(test::readU16(file, entry + 6), 4);
        const std::uint32_t bytes = test::readU32(file, entry + 8);
        const std::uint32_t offset = test::readU32(file, entry + 12);
        EXPECT_LE(offset + bytes, std::uint32_t(file.size()));
        EXPECT_EQ(test::readU32(file, int(offset) + 8), std::uint32_t(2 * sizes[i]));  // colour + mask
    }
}

TEST(IcoWriterTest, QtReadsColoursAndTransparency)
{
    const QList<QImage> originals{disc(32), disc(16)};
    const QList<QImage> read = readAll(encodeIco(originals));
    ASSERT_EQ(read.size(), originals.size());
    for (int i = 0; i < originals.size(); ++i) {
        SCOPED_TRACE(i);
        ASSERT_EQ(read[i].size(), originals[i].size());
        const QImage argb = read[i].convertToFormat(QImage::Format_ARGB32);
        for (int y = 0; y < argb.height(); ++y)
            for (int x = 0; x < argb.width(); ++x) {
                const QRgb expected = originals[i].pixel(x, y);
                if (qAlpha(expected) == 0)
                    ASSERT_EQ(qAlpha(argb.pixel(x, y)), 0) << x << "," << y;
                else
                    ASSERT_EQ(argb.pixel(x, y), expected) << x << "," << y;
            }
    }
}

TEST(IcoWriterTest, RefusesImagesAnIconCannotHold)
{
    const QImage truecolour(16, 16, QImage::Format_ARGB32);
    const QImage tooLarge = test::indexedImage(256, 256, iconColours(), [](int, int) { return 1; });
    EXPECT_THROW(encodeIco({truecolour}), std::invalid_argument);
    EXPECT_THROW(encodeIco({tooLarge}), std::invalid_argument);
}

}  // namespace
}  // namespace picgen
