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

    // The drawing surface: starts transparent, the size of the control.
    QImage& Canvas();
    void CanvasChanged() { update(); }

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    QImage canvas_;
};

}  // namespace zormade
