// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/picture_control.h"

#include <QPainter>

namespace zormade {

// Opaque, so that repainting the picture never repaints the dialog beneath it: dialogs draw
// their pictures from their own paint handlers, and that would go round without end.
PictureControl::PictureControl(QWidget* parent) : QFrame(parent) { setAutoFillBackground(true); }

QSize PictureControl::CanvasSize() const {
    const int frame = 2 * frameWidth();
    return design_.isValid() ? design_ - QSize(frame, frame) : contentsRect().size();
}

QImage& PictureControl::Canvas() {
    const QSize size = CanvasSize();
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
    const QSize designed = bitmap.size() + QSize(frame, frame);
    if (design_.isValid()) {
        // Reduced as the whole control is.
        const QSize reduced(designed.width() * width() / design_.width(),
                            designed.height() * height() / design_.height());
        design_ = designed;
        resize(reduced);
    } else {
        resize(designed);
    }
    QPainter(&Canvas()).drawImage(0, 0, bitmap);
}

void PictureControl::paintEvent(QPaintEvent* event) {
    QFrame::paintEvent(event);
    QPainter painter(this);
    if (blackFrame_) {
        painter.setPen(Qt::black);
        painter.drawRect(rect().adjusted(0, 0, -1, -1));
    }
    if (canvas_.size() == contentsRect().size()) {
        painter.drawImage(contentsRect().topLeft(), canvas_);
    } else {
        // Smoothed, so that the words in a reduced picture stay legible.
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        painter.drawImage(contentsRect(), canvas_);
    }
}

void PictureControl::resizeEvent(QResizeEvent* event) {
    QFrame::resizeEvent(event);
    Canvas();
}

}  // namespace zormade
