#include "core/ico_writer.h"
#include "test_images.h"

#include <QBuffer>
#include <QImageReader>

#include <gtest/gtest.h>

namespace picgen {
namespace {

// A disc of varied colours on a transparent ground (index 0), so the mask has both values on odd
// bit offsets.
QImage disc(int size)
{
    QList<QRgb> colours{qRgba(0, 0, 0, 0)};
    for (int i = 1; i < 16; ++i)
        colours.append(qRgb(i * 17, 200 - i * 9, 40 + i * 11));
    return test::indexedImage(size, size, colours, [size](int x, int y) {
        const int dx = 2 * x + 1 - size;
        const int dy = 2 * y + 1 - size;
        return dx * dx + dy * dy < size * size ? 1 + (x + 2 * y) % 15 : 0;
    });
}

// Qt reads the pixels but not every field of the directory and headers, so those are read here.
TEST(IcoWriterTest, QtReadsEachImageAndTheDirectoryDescribesIt)
{
    const QList<QImage> originals{disc(32), disc(16)};
    QByteArray file = encodeIco(originals);
    ASSERT_GE(file.size(), 6 + 2 * 16);
    EXPECT_EQ(test::readU16(file, 4), 2);
    QBuffer buffer(&file);
    QImageReader reader(&buffer, "ico");
    ASSERT_EQ(reader.imageCount(), 2);
    for (int i = 0; i < 2; ++i) {
        SCOPED_TRACE(i);
        const int entry = 6 + 16 * i;
        EXPECT_EQ(uchar(file[entry + 2]), 16);
        EXPECT_EQ(test::readU16(file, entry + 6), 4);
        const std::uint32_t offset = test::readU32(file, entry + 12);
        EXPECT_LE(offset + test::readU32(file, entry + 8), std::uint32_t(file.size()));
        EXPECT_EQ(test::readU32(file, int(offset) + 8), 2u * originals[i].height());  // colour + mask
        reader.jumpToImage(i);
        test::expectSamePixels(reader.read(), originals[i]);
    }
}

TEST(IcoWriterTest, RefusesImagesAnIconCannotHold)
{
    EXPECT_THROW(encodeIco({QImage(16, 16, QImage::Format_ARGB32)}), std::invalid_argument);
    EXPECT_THROW(encodeIco({test::indexedImage(256, 256, disc(1).colorTable(), [](int, int) { return 1; })}),
                 std::invalid_argument);
}

}  // namespace
}  // namespace picgen
