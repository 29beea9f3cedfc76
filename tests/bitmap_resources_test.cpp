// The game's bitmaps and icon as they are compiled into the program: every picture the game loads
// must be a 4-bit, at most 16-colour BMP of the size the dialogs expect, and the icon must carry
// the two sizes the window system asks for.
#include <QFile>
#include <QImage>
#include <QImageReader>
#include <QSet>

#include <gtest/gtest.h>

#include <cstdint>
#include <ostream>

namespace {

constexpr std::uint32_t kBiRgb = 0;
constexpr std::uint32_t kBiRle4 = 2;

struct BitmapCase {
    int id;
    int width;
    int height;
    std::uint32_t compression;
};

void PrintTo(const BitmapCase &c, std::ostream *out)
{
    *out << c.id;
}

// The resources the dialogs draw: id, size in pixels, and the stored compression.
const BitmapCase kBitmaps[] = {
    {132, 320, 240, kBiRgb}, {133, 224, 22, kBiRgb},  {134, 410, 315, kBiRle4}, {137, 320, 240, kBiRgb},
    {140, 352, 236, kBiRgb}, {141, 352, 244, kBiRgb}, {142, 282, 430, kBiRgb},  {143, 352, 238, kBiRgb},
    {144, 262, 353, kBiRgb}, {145, 352, 264, kBiRgb}, {146, 240, 320, kBiRgb},  {147, 240, 320, kBiRgb},
    {148, 227, 219, kBiRgb}, {151, 289, 227, kBiRgb}, {152, 196, 312, kBiRgb},  {153, 320, 240, kBiRgb},
    {154, 230, 250, kBiRgb}, {155, 314, 385, kBiRgb}, {156, 320, 240, kBiRgb},  {157, 320, 240, kBiRgb},
    {159, 206, 252, kBiRgb}, {161, 138, 212, kBiRgb},
};

QString bitmapPath(int id)
{
    return QStringLiteral(":/bitmaps/%1.bmp").arg(id);
}

std::uint32_t u32(const QByteArray &bytes, int at)
{
    const auto *b = reinterpret_cast<const uchar *>(bytes.constData() + at);
    return b[0] | (b[1] << 8) | (b[2] << 16) | (std::uint32_t(b[3]) << 24);
}

std::uint16_t u16(const QByteArray &bytes, int at)
{
    const auto *b = reinterpret_cast<const uchar *>(bytes.constData() + at);
    return std::uint16_t(b[0] | (b[1] << 8));
}

QByteArray readResource(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

class BitmapResourceTest : public testing::TestWithParam<BitmapCase> {};

TEST_P(BitmapResourceTest, HeadersDescribeASixteenColourBitmapOfItsSize)
{
    const BitmapCase &expected = GetParam();
    const QByteArray file = readResource(bitmapPath(expected.id));
    constexpr int kFileHeader = 14;
    ASSERT_GE(file.size(), kFileHeader + 40) << "missing or truncated";

    EXPECT_EQ(file.left(2), QByteArray("BM"));
    EXPECT_EQ(u32(file, 2), std::uint32_t(file.size()));
    const std::uint32_t infoSize = u32(file, kFileHeader);
    EXPECT_GE(infoSize, 40u);
    EXPECT_EQ(std::int32_t(u32(file, kFileHeader + 4)), expected.width);
    EXPECT_EQ(std::int32_t(u32(file, kFileHeader + 8)), expected.height);  // positive: bottom-up rows
    EXPECT_EQ(u16(file, kFileHeader + 12), 1);
    EXPECT_EQ(u16(file, kFileHeader + 14), 4);
    EXPECT_EQ(u32(file, kFileHeader + 16), expected.compression);

    const std::uint32_t used = u32(file, kFileHeader + 32);
    const std::uint32_t colours = used == 0 ? 16 : used;
    EXPECT_LE(colours, 16u);
    const std::uint32_t pixelOffset = u32(file, 10);
    EXPECT_GE(pixelOffset, kFileHeader + infoSize + 4 * colours);
    EXPECT_LT(pixelOffset, std::uint32_t(file.size()));
}

TEST_P(BitmapResourceTest, QtLoadsItWithItsSizeAndPalette)
{
    const BitmapCase &expected = GetParam();
    const QImage image(bitmapPath(expected.id));
    ASSERT_FALSE(image.isNull());
    EXPECT_EQ(image.size(), QSize(expected.width, expected.height));
    EXPECT_GT(image.colorCount(), 0);
    EXPECT_LE(image.colorCount(), 16);
}

// A picture, not a blank: a fault in writing or packing the pixels shows up as one flat colour.
TEST_P(BitmapResourceTest, ShowsSeveralColours)
{
    const QImage image(bitmapPath(GetParam().id));
    ASSERT_FALSE(image.isNull());
    QSet<QRgb> seen;
    for (int y = 0; y < image.height(); y += 3)
        for (int x = 0; x < image.width(); x += 3)
            seen.insert(image.pixel(x, y));
    EXPECT_GE(seen.size(), 4);
}

INSTANTIATE_TEST_SUITE_P(Bitmaps, BitmapResourceTest, testing::ValuesIn(kBitmaps),
                         [](const auto &param) { return std::to_string(param.param.id); });

TEST(IconResourceTest, IconHoldsA32And16PixelImage)
{
    QImageReader reader(QStringLiteral(":/icons/zormade.ico"));
    ASSERT_TRUE(reader.canRead()) << reader.errorString().toStdString();
    ASSERT_EQ(reader.imageCount(), 2);
    QSet<int> sizes;
    for (int i = 0; i < reader.imageCount(); ++i) {
        ASSERT_TRUE(reader.jumpToImage(i));
        const QImage image = reader.read();
        ASSERT_FALSE(image.isNull()) << i;
        EXPECT_EQ(image.width(), image.height());
        sizes.insert(image.width());
        // The emblem stands on a transparent ground, so the mask must have done its work.
        const QImage argb = image.convertToFormat(QImage::Format_ARGB32);
        EXPECT_EQ(qAlpha(argb.pixel(0, 0)), 0) << image.width();
        EXPECT_EQ(qAlpha(argb.pixel(argb.width() / 2, argb.height() / 2)), 255) << image.width();
    }
    EXPECT_EQ(sizes, (QSet<int>{16, 32}));
}

TEST(IconResourceTest, DesktopIconsLoadAtTheirSizes)
{
    for (const int size : {16, 32, 48}) {
        const QImage image(QStringLiteral(":/icons/zormade-%1.png").arg(size));
        ASSERT_FALSE(image.isNull()) << size;
        EXPECT_EQ(image.size(), QSize(size, size));
    }
}

}  // namespace
