// SPDX-License-Identifier: GPL-3.0-or-later
#include "picture_catalogue.h"

#include <gtest/gtest.h>

#include <QList>
#include <QSet>
#include <iterator>

#include "picture_renderer.h"

namespace picgen {
namespace {

class RenderedPictureTest : public testing::TestWithParam<PictureEntry> {};

// Ids, sizes and the sixteen-colour limit are pinned by the committed pictures
// (PicturesMatchTheirGenerator); this rule still holds a picture to account when it is redrawn.
// With only sixteen colours to spend, a palette entry the picture never uses is a colour lost.
TEST_P(RenderedPictureTest, UsesEveryColourOfItsPalette) {
    const QImage bitmap = RenderPicture(GetParam());
    QSet<int> used;
    for (int y = 0; y < bitmap.height(); ++y)
        for (int x = 0; x < bitmap.width(); ++x) used.insert(bitmap.pixelIndex(x, y));
    EXPECT_EQ(used.size(), bitmap.colorCount());
}

INSTANTIATE_TEST_SUITE_P(Catalogue, RenderedPictureTest, testing::ValuesIn(PictureCatalogue()),
                         [](const auto& param) { return std::to_string(param.param.id); });

// A picture added to the game's table without a scene would leave the game a missing bitmap.
TEST(PictureCatalogueTest, DrawsEachPictureOfTheGamesTableOnce) {
    QList<int> drawn;
    for (const PictureEntry& entry : PictureCatalogue()) drawn.append(entry.id);
    for (const zormade::Picture& picture : zormade::pictures::kAll)
        EXPECT_EQ(drawn.count(picture.id), 1) << picture.id;
    EXPECT_EQ(drawn.size(), static_cast<qsizetype>(std::size(zormade::pictures::kAll)));
}

}  // namespace
}  // namespace picgen
