// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFrame>
#include <QImage>

namespace zormade {

// A static picture control. Qt paints only from paint events, so the control keeps what was drawn
// into it and paints that; what lies outside the control is cut off.
class PictureControl : public QFrame {
    Q_OBJECT
public:
    explicit PictureControl(QWidget* parent = nullptr);

    // The size the control has at its template's own face; a window shown at a smaller face shows
    // what is drawn at that size reduced to its own.
    void SetDesignSize(QSize size) { design_ = size; }
    // The drawing surface: starts transparent, the size of the control at its template's face.
    QImage& Canvas();
    void CanvasChanged() { update(); }
    // Shows bitmap `id` by itself, at its own size inside the control's edge, and keeps it.
    void ShowBitmap(int id, const QImage& bitmap);
    // The bitmap the control shows by itself, when it is `id`; a null image otherwise.
    QImage Bitmap(int id) const { return id == bitmapId_ ? bitmap_ : QImage(); }
    // A black frame drawn inside the control, which pictures drawn into it cover.
    void SetBlackFrame() { blackFrame_ = true; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    QSize CanvasSize() const;

    QImage canvas_;
    QSize design_;
    bool blackFrame_ = false;
    int bitmapId_ = 0;
    QImage bitmap_;
};

}  // namespace zormade
