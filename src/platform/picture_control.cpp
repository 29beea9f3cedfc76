// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/picture_control.h"

#include <QPainter>

namespace zormade {

// Opaque, so that repainting the picture never repaints the dialog beneath it: dialogs draw
// their pictures from their own paint handlers, and that would go round without end.
PictureControl::PictureControl(QWidget* parent) : QFrame(parent) { setAutoFillBackground(true); }

QImage& PictureControl::Canvas() {
    const QSize size = contentsRect().size();
    if (canvas_.size() != size) {
        QImage resized(size.expandedTo(QSize(1, 1)), QImage::Format_ARGB32_Premultiplied);
        resized.fill(Qt::transparent);
        QPainter painter(&resized);
        painter.drawImage(0, 0, canvas_);
        canvas_ = resized;
    }
    return canvas_;
}

void PictureControl::ShowBitmap(int id, const QImage& bitmap) {
    bitmapId_ = id;
    bitmap_ = bitmap;
    const int frame = 2 * frameWidth();
    resize(bitmap.size() + QSize(frame, frame));
    QPainter(&Canvas()).drawImage(0, 0, bitmap);
}

void PictureControl::paintEvent(QPaintEvent* event) {
    QFrame::paintEvent(event);
    QPainter painter(this);
    if (blackFrame_) {
        painter.setPen(Qt::black);
        painter.drawRect(rect().adjusted(0, 0, -1, -1));
    }
    painter.drawImage(contentsRect().topLeft(), canvas_);
}

void PictureControl::resizeEvent(QResizeEvent* event) {
    QFrame::resizeEvent(event);
    Canvas();
}

}  // namespace zormade
