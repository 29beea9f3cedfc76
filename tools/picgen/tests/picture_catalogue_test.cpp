// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>
#include <QSet>

#include "picture_catalogue.h"
#include "picture_renderer.h"

namespace picgen {
namespace {

class RenderedPictureTest : public testing::TestWithParam<PictureEntry> {};

// Ids, sizes and the sixteen-colour limit are pinned by the committed pictures
// (PicturesMatchTheirGenerator); this rule still holds a picture to account when it is redrawn.
// With only sixteen colours to spend, a palette entry the picture never uses is a colour lost.
TEST_P(RenderedPictureTest, UsesEveryColourOfItsPalette) {
    const QImage bitmap = renderPicture(GetParam());
    QSet<int> used;
    for (int y = 0; y < bitmap.height(); ++y)
        for (int x = 0; x < bitmap.width(); ++x) used.insert(bitmap.pixelIndex(x, y));
    EXPECT_EQ(used.size(), bitmap.colorCount());
}

INSTANTIATE_TEST_SUITE_P(Catalogue, RenderedPictureTest, testing::ValuesIn(pictureCatalogue()),
                         [](const auto& param) { return std::to_string(param.param.id); });

}  // namespace
}  // namespace picgen
