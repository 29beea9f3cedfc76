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

void PictureControl::paintEvent(QPaintEvent* event) {
    QFrame::paintEvent(event);
    QPainter painter(this);
    painter.drawImage(contentsRect().topLeft(), canvas_);
}

void PictureControl::resizeEvent(QResizeEvent* event) {
    QFrame::resizeEvent(event);
    Canvas();
}

}  // namespace zormade
