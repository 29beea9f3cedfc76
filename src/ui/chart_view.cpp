// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/chart_view.h"

#include <QChart>
#include <QChartView>
#include <QEvent>
#include <QScatterSeries>
#include <QXYSeries>
#include <algorithm>

namespace zormade {
namespace {

// Every line and ring `detail` times as thick as at the smallest size.
void Thicken(QChart* chart, double detail) {
    for (QAbstractSeries* series : chart->series()) {
        auto* line = static_cast<QXYSeries*>(series);
        QPen pen = line->pen();
        pen.setWidthF(kChartLineWidth * detail);
        line->setPen(pen);
        if (auto* rings = qobject_cast<QScatterSeries*>(series))
            rings->setMarkerSize(kChartRingSize * detail);
    }
}

// Keeps a chart over its picture as the picture grows, its lines thicker as the picture is
// larger than when the chart was drawn into it.
class FollowPicture : public QObject {
public:
    FollowPicture(QWidget* picture, QChartView* view)
        : QObject(view), picture_(picture), view_(view), drawn_(picture->contentsRect().size()) {
        picture->installEventFilter(this);
    }

    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() != QEvent::Resize || drawn_.isEmpty()) return false;
        const QRect inside = picture_->contentsRect();
        view_->setGeometry(inside);
        Thicken(view_->chart(),
                std::max(1.0, std::min(static_cast<double>(inside.width()) / drawn_.width(),
                                       static_cast<double>(inside.height()) / drawn_.height())));
        return false;
    }

private:
    QWidget* picture_;
    QChartView* view_;
    QSize drawn_;
};

}  // namespace

QChartView* ViewIn(QWidget* picture, QChart* chart) {
    auto* view = new QChartView(chart, picture);
    view->setGeometry(picture->contentsRect());
    view->setFrameShape(QFrame::NoFrame);
    view->setFocusPolicy(Qt::NoFocus);
    view->setAccessibleName(picture->accessibleName());
    new FollowPicture(picture, view);
    view->show();
    return view;
}

}  // namespace zormade
