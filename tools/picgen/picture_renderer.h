// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>

#include "picture_catalogue.h"
#include "scene.h"

namespace picgen {

// The scene drawn smoothly at `size`, whatever the canvas's proportions.
QImage RenderScene(const Scene& scene, const QSize& size);

// The finished 16-colour bitmap of one catalogue entry.
QImage RenderPicture(const PictureEntry& entry);

// How the game shows a bitmap: its shown part stretched (nearest pixel) onto the scene's canvas.
QImage DisplayedPicture(const PictureEntry& entry, const QImage& bitmap);

}  // namespace picgen
