// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>

class QChart;
class QChartView;
class QWidget;

namespace zormade {

// The sixteen colours our pictures are drawn in; the charts use the same.
inline const QColor kBlack(0, 0, 0);
inline const QColor kMaroon(128, 0, 0);
inline const QColor kGreen(0, 128, 0);
inline const QColor kOlive(128, 128, 0);
inline const QColor kNavy(0, 0, 128);
inline const QColor kPurple(128, 0, 128);
inline const QColor kTeal(0, 128, 128);
inline const QColor kSilver(192, 192, 192);
inline const QColor kGrey(128, 128, 128);
inline const QColor kRed(255, 0, 0);
inline const QColor kWhite(255, 255, 255);

// Pens at the smallest size; a larger picture draws them thicker.
inline constexpr double kChartLineWidth = 2;
inline constexpr double kChartRingSize = 12;

// Shows `chart` over the picture control, following the picture as it grows.
QChartView* ViewIn(QWidget* picture, QChart* chart);

}  // namespace zormade
