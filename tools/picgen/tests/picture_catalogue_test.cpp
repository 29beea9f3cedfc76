#include "picture_catalogue.h"
#include "picture_renderer.h"

#include <QSet>

#include <gtest/gtest.h>

#include <ostream>

namespace picgen {

void PrintTo(const PictureEntry &entry, std::ostream *out)
{
    *out << entry.id;
}

namespace {

TEST(PictureCatalogueTest, IdsAreUniqueAndShownPartsFitTheirBitmaps)
{
    QSet<int> ids;
    for (const PictureEntry &entry : pictureCatalogue()) {
        SCOPED_TRACE(entry.id);
        EXPECT_FALSE(ids.contains(entry.id));
        ids.insert(entry.id);
        EXPECT_LE(entry.shownSize.width(), entry.bitmapSize.width());
        EXPECT_LE(entry.shownSize.height(), entry.bitmapSize.height());
        EXPECT_FALSE(entry.shownSize.isEmpty());
    }
}

class RenderedPictureTest : public testing::TestWithParam<PictureEntry> {};

// With only sixteen colours to spend, a palette entry the picture never uses is a colour lost.
TEST_P(RenderedPictureTest, IsASixteenColourBitmapOfItsSizeUsingEveryColour)
{
    const QImage bitmap = renderPicture(GetParam());
    EXPECT_EQ(bitmap.format(), QImage::Format_Indexed8);
    EXPECT_EQ(bitmap.size(), GetParam().bitmapSize);
    EXPECT_LE(bitmap.colorCount(), 16);
    QSet<int> used;
    for (int y = 0; y < bitmap.height(); ++y)
        for (int x = 0; x < bitmap.width(); ++x)
            used.insert(bitmap.pixelIndex(x, y));
    EXPECT_EQ(used.size(), bitmap.colorCount());
}

INSTANTIATE_TEST_SUITE_P(Catalogue, RenderedPictureTest, testing::ValuesIn(pictureCatalogue()),
                         [](const auto& param) { return std::to_string(param.param.id); });

}  // namespace
}  // namespace picgen
