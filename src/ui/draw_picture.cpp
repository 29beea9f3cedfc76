#include "ui/draw_picture.h"

#include <QPainter>

#include "platform/dialog_host.h"
#include "platform/picture_control.h"
#include "platform/resources.h"

namespace zormade {

void DrawPicture(DialogHost& window, int controlId, int bitmapId, QSize destination, QSize source,
                 PictureMode mode) {
    auto* control = window.Item<PictureControl>(controlId);
    if (!control) return;
    const QImage bitmap = LoadBitmap(bitmapId);
    if (bitmap.isNull()) return;
    QImage& canvas = control->Canvas();
    const QImage before = canvas;  // shares the pixels until the painter writes
    {
        QPainter painter(&canvas);
        painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
        const QRect target(QPoint(0, 0), destination);
        if (mode == PictureMode::Copy) {
            painter.drawImage(target, bitmap, target);
        } else {
            painter.drawImage(target, bitmap, QRect(QPoint(0, 0), source));
        }
    }
    // Callers draw from their paint handlers; asking to repaint a picture that came out the same
    // would repaint the dialog beneath it and draw it again, without end.
    if (canvas != before) control->CanvasChanged();
}

}  // namespace zormade
