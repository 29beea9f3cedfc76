// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/run_charts.h"

#include <QCategoryAxis>
#include <QChart>
#include <QChartView>
#include <QEvent>
#include <QGraphicsLineItem>
#include <QGraphicsPolygonItem>
#include <QGraphicsSimpleTextItem>
#include <QLegendMarker>
#include <QLineSeries>
#include <QScatterSeries>
#include <QValueAxis>
#include <algorithm>
#include <cmath>
#include <tuple>
#include <utility>

#include "ui/chart_view.h"

namespace zormade {
namespace {

using rules::kFirstYear;
using rules::kScaleMax;
constexpr double kYenPerUnit = 10000;  // money is charted in 万円, which keeps its axis narrow
constexpr int kChartMargin = 2;
constexpr int kTitleGap = 2;  // between an axis's title and its labels
// An event's mark: a small triangle pointing down at the plot's top edge.
constexpr double kMarkHalfWidth = 3;
constexpr int kMarkHeight = 6;
constexpr int kMarkGap = 1;

QLineSeries* Line(const QString& name, const QColor& colour, Qt::PenStyle style = Qt::SolidLine) {
    auto* series = new QLineSeries;
    series->setName(name);
    QPen pen(colour, kChartLineWidth);
    pen.setStyle(style);
    series->setPen(pen);
    return series;
}

double ValueOf(const MonthRecord& m, ChartLine line) {
    switch (line) {
    case StaminaLine: return m.values.stamina;
    case TrustLine: return m.values.trust;
    case RivalLine: return m.values.rivalPower;
    case SuspicionLine: return m.values.suspicion;
    case MoneyLine: return m.values.money / kYenPerUnit;
    case PatientsLine: return m.values.patients;
    default: return 0;
    }
}

// Adds the run's values of `line`; a run stopped after one month shows them as points, since a
// line needs two.
QLineSeries* RunLine(const RunCharts& charts, ChartLine line, const QColor& colour) {
    QLineSeries* series = Line(charts.names[line], colour);
    for (const MonthRecord& m : *charts.months) {
        series->append(MonthsSinceStart(m.year, m.month), ValueOf(m, line));
    }
    series->setPointsVisible(charts.months->size() == 1);
    return series;
}

// The months the run lasted, at least one apart so that the axis has a length.
struct Span {
    double first;
    double last;
    double Length() const { return last - first; }
};

Span SpanOf(const std::vector<MonthRecord>& months) {
    if (months.empty()) return {0, 1};
    const double first = MonthsSinceStart(months.front().year, months.front().month);
    return {first, std::max(first + 1, MonthsSinceStart(months.back().year, months.back().month))};
}

QChart* NewChart(const QFont& font) {
    auto* chart = new QChart;
    chart->setAnimationOptions(QChart::NoAnimation);
    chart->setBackgroundRoundness(0);
    chart->setBackgroundBrush(kSilver);
    chart->setPlotAreaBackgroundBrush(kWhite);
    chart->setPlotAreaBackgroundVisible(true);
    chart->setMargins(QMargins(kChartMargin, kChartMargin, kChartMargin, kChartMargin));
    chart->legend()->setAlignment(Qt::AlignBottom);
    chart->legend()->setFont(font);
    chart->legend()->setLabelColor(kBlack);
    return chart;
}

QValueAxis* ValueAxis(const QFont& font) {
    auto* axis = new QValueAxis;
    axis->setLabelsFont(font);
    axis->setLabelsColor(kBlack);
    axis->setLabelFormat(QStringLiteral("%.0f"));
    axis->setGridLineColor(kSilver);
    return axis;
}

// One band per year of the run, its label in the middle.
QCategoryAxis* YearAxis(const QFont& font, const Span& span) {
    auto* axis = new QCategoryAxis;
    axis->setRange(span.first, span.last);
    axis->setStartValue(span.first);
    for (int year = kFirstYear + static_cast<int>(span.first) / rules::kMonthsPerYear;
         MonthsSinceStart(year, 1) <= span.last; ++year) {
        axis->append(QString::number(year), std::min(MonthsSinceStart(year + 1, 1), span.last));
    }
    axis->setLabelsFont(font);
    axis->setLabelsColor(kBlack);
    axis->setGridLineColor(kSilver);
    return axis;
}

void Attach(QChart* chart, QXYSeries* series, QAbstractAxis* x, QAbstractAxis* y) {
    chart->addSeries(series);
    series->attachAxis(x);
    series->attachAxis(y);
}

// A short mark above the plot at each event month, a dotted line down the plot, and the prompt
// and answer on hover. The marks keep to one row, so that the plot's height is the same whatever
// the events; the list below the charts gives each event in full.
void MarkEvents(QChart* chart, const std::vector<EventMark>& events) {
    std::vector<QGraphicsLineItem*> lines;
    std::vector<QGraphicsPolygonItem*> marks;
    for (const EventMark& e : events) {
        auto* line = new QGraphicsLineItem(chart);
        line->setPen(QPen(kGrey, 1, Qt::DotLine));
        line->setToolTip(e.toolTip);
        auto* mark = new QGraphicsPolygonItem(chart);
        mark->setPen(Qt::NoPen);
        mark->setBrush(kBlack);
        mark->setToolTip(e.toolTip);
        lines.push_back(line);
        marks.push_back(mark);
    }
    QObject::connect(chart, &QChart::plotAreaChanged, chart, [=](const QRectF& plot) {
        for (std::size_t i = 0; i < events.size(); ++i) {
            const double x = chart->mapToPosition(QPointF(events[i].month, 0)).x();
            const double top = plot.top() - kMarkHeight - kMarkGap;
            lines[i]->setLine(x, top, x, plot.bottom());
            marks[i]->setPolygon(QPolygonF(
                {{x - kMarkHalfWidth, top}, {x + kMarkHalfWidth, top}, {x, top + kMarkHeight}}));
        }
    });
}

// Whether a title reads in the stacked way of Japanese, one character above the other.
bool Stacks(const QString& title) {
    return std::any_of(title.begin(), title.end(), [](QChar c) {
        const QChar::Script script = c.script();
        return script == QChar::Script_Han || script == QChar::Script_Hiragana ||
               script == QChar::Script_Katakana;
    });
}

// An axis's title beside the axis's labels on `side`, level with the plot's middle: a Japanese
// title upright, one character above the other (turned on its side, it reads wrongly), any other
// turned to read upwards, as such titles are.
void UprightTitle(QChart* chart, const QString& title, const QFont& font, Qt::Alignment side) {
    QStringList characters;
    for (const QChar c : title) characters << QString(c);
    const bool stacked = Stacks(title);
    auto* text =
        new QGraphicsSimpleTextItem(stacked ? characters.join(QLatin1Char('\n')) : title, chart);
    text->setFont(font);
    text->setBrush(kBlack);
    if (!stacked) text->setRotation(-90);
    // The title's box as it stands, from its position.
    const QRectF box = text->mapRectToParent(text->boundingRect()).translated(-text->pos());
    const int room = static_cast<int>(std::ceil(box.width())) + kTitleGap;
    const bool left = side == Qt::AlignLeft;
    chart->setMargins(chart->margins() + QMargins(left ? room : 0, 0, left ? 0 : room, 0));
    QObject::connect(chart, &QChart::plotAreaChanged, chart, [=](const QRectF& plot) {
        const double x = side == Qt::AlignLeft ? kChartMargin
                                               : chart->size().width() - kChartMargin - box.width();
        text->setPos(x - box.left(), plot.center().y() - box.height() / 2 - box.top());
    });
}

// Where a capture's last month crossed its limits, ringed in red; nullptr for any other run.
QScatterSeries* Crossings(const std::vector<MonthRecord>& months) {
    if (months.empty()) return nullptr;
    const MonthRecord& last = months.back();
    const double x = MonthsSinceStart(last.year, last.month);
    auto* ring = new QScatterSeries;
    ring->setMarkerShape(QScatterSeries::MarkerShapeCircle);
    ring->setMarkerSize(kChartRingSize);
    ring->setBrush(Qt::NoBrush);
    ring->setPen(QPen(kRed, kChartLineWidth));
    if (last.crossed.stamina) ring->append(x, 0);
    if (last.crossed.rivalPower || last.crossed.suspicion) ring->append(x, kScaleMax);
    if (ring->count() > 0) return ring;
    delete ring;
    return nullptr;
}

// The smallest of 1, 2 and 5 times a power of ten that is at least `value`.
double NiceCeiling(double value) {
    double step = 1;
    while (step * 10 <= value) step *= 10;
    for (double factor : {1.0, 2.0, 5.0}) {
        if (step * factor >= value) return step * factor;
    }
    return step * 10;
}

// Money or patients on an axis of its own, labelled from 0 to a round number in its half of
// the chart, money above and patients below, so that the two lines never lie on each other.
QCategoryAxis* HalfAxis(const QFont& font, const QLineSeries* series, bool upper) {
    double high = 10;
    for (const QPointF& p : series->points()) high = std::max(high, std::abs(p.y()));
    high = NiceCeiling(high);
    auto* axis = new QCategoryAxis;
    axis->setLabelsPosition(QCategoryAxis::AxisLabelsPositionOnValue);
    axis->setRange(upper ? -high : -high / 20, upper ? high * 1.05 : 2 * high);
    axis->setStartValue(0);
    // Only 0 and the top: on a small screen the half is too short for a third label.
    axis->append(QStringLiteral("0"), 0);
    axis->append(QString::number(std::llround(high)), high);
    axis->setLabelsFont(font);
    axis->setLabelsColor(kBlack);
    axis->setGridLineVisible(false);
    // Charts share a label's height out by the axis's whole height, which a short chart makes
    // too small for a digit; the labels stand far enough apart to be whole.
    axis->setTruncateLabels(false);
    return axis;
}

// Stamina, trust, rival power and suspicion on their shared scale, with the limits a run ends
// at, the ring where a capture crossed them and the event marks.
QChart* GaugesChart(const RunCharts& charts, const QFont& font) {
    const auto& names = charts.names;
    QChart* chart = NewChart(font);
    const Span span = SpanOf(*charts.months);
    QCategoryAxis* time = YearAxis(font, span);
    QValueAxis* scale = ValueAxis(font);
    scale->setRange(0, kScaleMax);
    scale->setTickCount(6);
    chart->addAxis(time, Qt::AlignBottom);
    chart->addAxis(scale, Qt::AlignLeft);
    QLineSeries* upperLimit = Line(names[LimitLine], kRed, Qt::DashLine);
    QLineSeries* lowerLimit = Line(names[LimitLine], kRed, Qt::DashLine);
    upperLimit->append({{span.first, kScaleMax}, {span.last, kScaleMax}});
    lowerLimit->append({{span.first, 0}, {span.last, 0}});
    // The limits first, so that a value lying on one is drawn over it.
    Attach(chart, upperLimit, time, scale);
    Attach(chart, lowerLimit, time, scale);
    const std::pair<ChartLine, QColor> gauges[] = {
        {StaminaLine, kGreen}, {TrustLine, kNavy}, {RivalLine, kPurple}, {SuspicionLine, kTeal}};
    for (const auto& [line, colour] : gauges) {
        Attach(chart, RunLine(charts, line, colour), time, scale);
    }
    // Both limits are one red line in the legend.
    chart->legend()->markers(lowerLimit).front()->setVisible(false);
    if (QScatterSeries* crossing = Crossings(*charts.months)) {
        Attach(chart, crossing, time, scale);
        chart->legend()->markers(crossing).front()->setVisible(false);
    }
    // The row of event marks is kept in every run, so that every run's plot is as high.
    chart->setMargins(
        QMargins(kChartMargin, kChartMargin + kMarkHeight + kMarkGap, kChartMargin, kChartMargin));
    MarkEvents(chart, charts.events);
    return chart;
}

// Money (left axis, upper half) and patients (right axis, lower half), each on a scale of its own.
QChart* MoneyChart(const RunCharts& charts, const QFont& font) {
    QChart* chart = NewChart(font);
    QCategoryAxis* time = YearAxis(font, SpanOf(*charts.months));
    chart->addAxis(time, Qt::AlignBottom);
    const std::tuple<ChartLine, QColor, Qt::Alignment, QString> lines[] = {
        {MoneyLine, kOlive, Qt::AlignLeft, charts.moneyUnit},
        {PatientsLine, kMaroon, Qt::AlignRight, charts.patientsUnit}};
    for (const auto& [line, colour, side, unit] : lines) {
        QLineSeries* series = RunLine(charts, line, colour);
        QCategoryAxis* axis = HalfAxis(font, series, line == MoneyLine);
        chart->addAxis(axis, side);
        UprightTitle(chart, unit, font, side);
        Attach(chart, series, time, axis);
    }
    return chart;
}

}  // namespace
}  // namespace zormade

extern "C" Q_DECL_EXPORT void ZormadeShowRunCharts(const zormade::RunCharts& charts) {
    using namespace zormade;
    const QFont font = charts.gauges->font();
    ViewIn(charts.gauges, GaugesChart(charts, font));
    ViewIn(charts.moneyAndPatients, MoneyChart(charts, font));
}
