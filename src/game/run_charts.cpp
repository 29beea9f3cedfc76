#include "game/run_charts.h"

#include <QCategoryAxis>
#include <QChart>
#include <QChartView>
#include <QFontMetrics>
#include <QGraphicsLineItem>
#include <QGraphicsSimpleTextItem>
#include <QLegendMarker>
#include <QLineSeries>
#include <QValueAxis>
#include <algorithm>


namespace zormade {
namespace {

// The sixteen colours our pictures are drawn in; the charts use the same.
const QColor kBlack(0, 0, 0);
const QColor kMaroon(128, 0, 0);
const QColor kGreen(0, 128, 0);
const QColor kOlive(128, 128, 0);
const QColor kNavy(0, 0, 128);
const QColor kPurple(128, 0, 128);
const QColor kTeal(0, 128, 128);
const QColor kSilver(192, 192, 192);
const QColor kGrey(128, 128, 128);
const QColor kRed(255, 0, 0);
const QColor kWhite(255, 255, 255);

constexpr int kScaleMax = 5000;
constexpr int kFirstYear = 1991;
constexpr int kLastYear = 1996;
constexpr double kLastMonth = 71;  // December 1996, the month a clear ends on
constexpr int kLabelGap = 3;
constexpr int kAxisRoom = 60;  // what the value axis and the margins take from a chart's width

QLineSeries* Line(const QString& name, const QColor& colour, Qt::PenStyle style = Qt::SolidLine) {
    auto* series = new QLineSeries;
    series->setName(name);
    QPen pen(colour, 2);
    pen.setStyle(style);
    series->setPen(pen);
    return series;
}

QChart* NewChart(const QFont& font) {
    auto* chart = new QChart;
    chart->setAnimationOptions(QChart::NoAnimation);
    chart->setBackgroundRoundness(0);
    chart->setBackgroundBrush(kSilver);
    chart->setPlotAreaBackgroundBrush(kWhite);
    chart->setPlotAreaBackgroundVisible(true);
    chart->setMargins(QMargins(2, 2, 2, 2));
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

// One band per year, its label in the middle.
QCategoryAxis* YearAxis(const QFont& font) {
    auto* axis = new QCategoryAxis;
    axis->setRange(0, kLastMonth);
    for (int year = kFirstYear; year <= kLastYear; ++year) {
        axis->append(QString::number(year), std::min(MonthsSinceStart(year + 1, 1), kLastMonth));
    }
    axis->setLabelsFont(font);
    axis->setLabelsColor(kBlack);
    axis->setGridLineColor(kSilver);
    return axis;
}

void Attach(QChart* chart, QLineSeries* series, QAbstractAxis* x, QAbstractAxis* y) {
    chart->addSeries(series);
    series->attachAxis(x);
    series->attachAxis(y);
}

QChartView* ViewIn(QWidget* picture, QChart* chart) {
    auto* view = new QChartView(chart, picture);
    view->setGeometry(picture->contentsRect());
    view->setFrameShape(QFrame::NoFrame);
    view->setFocusPolicy(Qt::NoFocus);
    view->setAccessibleName(picture->accessibleName());
    view->show();
    return view;
}

// The row above the plot each label goes in: the first where it clears the label before it.
std::vector<int> LabelRows(const std::vector<EventMark>& events, const QFontMetrics& metrics,
                           double pixelsPerMonth) {
    std::vector<double> rowEnds;
    std::vector<int> rows;
    for (const EventMark& e : events) {
        const double left = e.month * pixelsPerMonth;
        std::size_t row = 0;
        while (row < rowEnds.size() && rowEnds[row] + kLabelGap > left) ++row;
        if (row == rowEnds.size()) rowEnds.push_back(0);
        rowEnds[row] = left + metrics.horizontalAdvance(e.label);
        rows.push_back(static_cast<int>(row));
    }
    return rows;
}

// A dotted line down the plot at each event month, its label above the plot and the prompt and
// answer on hover. They follow the plot area, which is known only once the chart is laid out.
void MarkEvents(QChart* chart, const std::vector<EventMark>& events, const QFont& font,
                double width) {
    const QFontMetrics metrics(font);
    // Room for the rows the labels need, guessed from the plot being a little narrower than the
    // chart; the labels take their rows from the real plot below.
    const std::vector<int> guessed = LabelRows(events, metrics, (width - kAxisRoom) / kLastMonth);
    const int rowCount = guessed.empty() ? 0 : *std::max_element(guessed.begin(), guessed.end()) + 1;
    chart->setMargins(QMargins(2, 2 + rowCount * metrics.height(), 2, 2));
    std::vector<QGraphicsLineItem*> lines;
    std::vector<QGraphicsSimpleTextItem*> labels;
    for (const EventMark& e : events) {
        auto* line = new QGraphicsLineItem(chart);
        line->setPen(QPen(kGrey, 1, Qt::DotLine));
        line->setToolTip(e.toolTip);
        auto* label = new QGraphicsSimpleTextItem(e.label, chart);
        label->setFont(font);
        label->setBrush(kBlack);
        label->setToolTip(e.toolTip);
        lines.push_back(line);
        labels.push_back(label);
    }
    QObject::connect(chart, &QChart::plotAreaChanged, chart, [=](const QRectF& plot) {
        const std::vector<int> rows = LabelRows(events, metrics, plot.width() / kLastMonth);
        for (std::size_t i = 0; i < events.size(); ++i) {
            const double x = chart->mapToPosition(QPointF(events[i].month, 0)).x();
            const double y = plot.top() - (rows[i] + 1) * metrics.height();
            lines[i]->setLine(x, y, x, plot.bottom());
            labels[i]->setPos(x + 1, y);
        }
    });
}

// Money and patients on their own axes, from 0 (or fewer patients) to a round number.
void FitRange(QValueAxis* axis, const QLineSeries* series) {
    double low = 0;
    double high = 10;
    for (const QPointF& p : series->points()) {
        low = std::min(low, p.y());
        high = std::max(high, p.y());
    }
    axis->setRange(low, high);
    axis->applyNiceNumbers();
}

}  // namespace

}  // namespace zormade

extern "C" Q_DECL_EXPORT void ZormadeShowRunCharts(const zormade::RunCharts& charts) {
    using namespace zormade;
    const QFont font = charts.gauges->font();
    const auto& names = charts.names;

    QChart* top = NewChart(font);
    QCategoryAxis* topTime = YearAxis(font);
    QValueAxis* scale = ValueAxis(font);
    scale->setRange(0, kScaleMax);
    scale->setTickCount(6);
    top->addAxis(topTime, Qt::AlignBottom);
    top->addAxis(scale, Qt::AlignLeft);
    QLineSeries* stamina = Line(names[kStaminaLine], kGreen);
    QLineSeries* trust = Line(names[kTrustLine], kNavy);
    QLineSeries* rival = Line(names[kRivalLine], kPurple);
    QLineSeries* suspicion = Line(names[kSuspicionLine], kTeal);
    QLineSeries* upperLimit = Line(names[kLimitLine], kRed, Qt::DashLine);
    QLineSeries* lowerLimit = Line(names[kLimitLine], kRed, Qt::DashLine);
    upperLimit->append({{0, kScaleMax}, {kLastMonth, kScaleMax}});
    lowerLimit->append({{0, 0}, {kLastMonth, 0}});

    QChart* bottom = NewChart(font);
    QCategoryAxis* bottomTime = YearAxis(font);
    QValueAxis* yen = ValueAxis(font);
    QValueAxis* persons = ValueAxis(font);
    yen->setTickCount(3);
    persons->setTickCount(3);
    bottom->addAxis(bottomTime, Qt::AlignBottom);
    bottom->addAxis(yen, Qt::AlignLeft);
    bottom->addAxis(persons, Qt::AlignRight);
    QLineSeries* money = Line(names[kMoneyLine], kOlive);
    QLineSeries* patients = Line(names[kPatientsLine], kMaroon);

    // A line needs two months; a run stopped after one shows its points.
    const bool onePoint = charts.months->size() == 1;
    for (QLineSeries* s : {stamina, trust, rival, suspicion, money, patients}) s->setPointsVisible(onePoint);
    for (const MonthRecord& m : *charts.months) {
        const double x = MonthsSinceStart(m.year, m.month);
        stamina->append(x, m.values.stamina);
        trust->append(x, m.values.trust);
        rival->append(x, m.values.rivalPower);
        suspicion->append(x, m.values.suspicion);
        money->append(x, m.values.money);
        patients->append(x, m.values.patients);
    }
    for (QLineSeries* s : {stamina, trust, rival, suspicion, upperLimit, lowerLimit}) {
        Attach(top, s, topTime, scale);
    }
    // Both limits are one red line in the legend.
    top->legend()->markers(lowerLimit).front()->setVisible(false);
    Attach(bottom, money, bottomTime, yen);
    Attach(bottom, patients, bottomTime, persons);
    FitRange(yen, money);
    FitRange(persons, patients);

    MarkEvents(top, charts.events, font, charts.gauges->contentsRect().width());
    ViewIn(charts.gauges, top);
    ViewIn(charts.moneyAndPatients, bottom);
}
