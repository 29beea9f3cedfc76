// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <array>
#include <vector>

#include "core/run_history.h"

class QWidget;

namespace zormade {

// An event month as the chart marks it, with what hovering the mark tells.
struct EventMark {
    double month;  // MonthsSinceStart
    QString toolTip;
};

enum ChartLine {
    kStaminaLine,
    kTrustLine,
    kRivalLine,
    kSuspicionLine,
    kMoneyLine,
    kPatientsLine,
    kLimitLine,
    kChartLineCount
};

// What the charts module draws into two picture controls of the graph window: the four gauges
// with their limits and the event marks in the first, money and patients in the second. The
// charts follow the pictures as they grow from the size they were drawn at, with thicker lines.
struct RunCharts {
    QWidget* gauges = nullptr;
    QWidget* moneyAndPatients = nullptr;
    const std::vector<MonthRecord>* months = nullptr;
    std::array<QString, kChartLineCount> names;
    QString moneyUnit;  // the titles of the lower chart's two axes
    QString patientsUnit;
    std::vector<EventMark> events;
};

// The module's one entry. Qt Charts lengthens the start-up of every program that links it, so
// only this module does, and the graph window loads it when it first opens.
using ShowRunChartsFn = void (*)(const RunCharts&);
inline constexpr char kShowRunChartsSymbol[] = "ZormadeShowRunCharts";

}  // namespace zormade
