// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QSize>

namespace zormade {

class TemplateControls;

enum class PictureMode { Copy, Stretch };

// Draws bitmap `bitmapId` into picture control `controlId` of `window`, from the top-left corners:
// a copy of `destination` pixels, or the `source` rectangle stretched onto `destination`.
// The bitmap is loaded on every call, unless the control shows it by itself and so holds it;
// a missing one draws nothing and leaves the control as it was.
void DrawPicture(TemplateControls& window, int controlId, int bitmapId, QSize destination,
                 QSize source, PictureMode mode);

}  // namespace zormade
