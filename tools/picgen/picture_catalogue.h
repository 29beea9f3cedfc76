// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QSize>
#include <vector>

#include "core/bmp_writer.h"
#include "core/picture_ids.h"
#include "scene.h"

namespace picgen {

// A picture of the game's table, with the scene that draws it and how its bitmap is encoded.
struct PictureEntry {
    PictureEntry(const zormade::Picture& picture, Scene (*drawing)(),
                 BmpCompression encoding = BmpCompression::Rgb);

    int id = 0;
    QSize bitmapSize;
    QSize shownSize;  // the top-left part the game draws; the rest repeats its edge
    BmpCompression compression = BmpCompression::Rgb;
    Scene (*scene)() = nullptr;
};

const std::vector<PictureEntry>& PictureCatalogue();

}  // namespace picgen
