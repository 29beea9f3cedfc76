// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/draw_picture.h"

#include <QPainter>

#include "platform/picture_control.h"
#include "platform/resources.h"
#include "platform/template_controls.h"

namespace zormade {

void DrawPicture(TemplateControls& window, int controlId, int bitmapId, QSize destination,
                 QSize source, PictureMode mode) {
    auto* control = window.Item<PictureControl>(controlId);
    if (!control) return;
    // A control that shows the bitmap by itself holds it decoded already.
    QImage bitmap = control->Bitmap(bitmapId);
    if (bitmap.isNull()) bitmap = LoadBitmap(bitmapId);
    if (bitmap.isNull()) return;
    {
        QPainter painter(&control->Canvas());
        painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
        const QRect target(QPoint(0, 0), destination);
        if (mode == PictureMode::Copy) {
            painter.drawImage(target, bitmap, target);
        } else {
            painter.drawImage(target, bitmap, QRect(QPoint(0, 0), source));
        }
    }
    control->CanvasChanged();
}

}  // namespace zormade
