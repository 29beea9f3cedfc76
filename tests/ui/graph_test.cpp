// SPDX-License-Identifier: GPL-3.0-or-later
#include <QCategoryAxis>
#include <QChartView>
#include <QGraphicsPolygonItem>
#include <QGraphicsSimpleTextItem>
#include <QListWidget>
#include <QScreen>
#include <QSizeGrip>
#include <QValueAxis>
#include <QXYSeries>
#include <algorithm>
#include <functional>
#include <map>

#include "app_fixture.h"
#include "core/event_catalogue.h"
#include "platform/list_box.h"
#include "ui/graph_dialog.h"
#include "ui_helpers.h"
#include "window_fit.h"

namespace zormade::test {
namespace {

// Each line of both charts by its name, as (months since 1991/01, value); "" names the rings
// where a capture crossed its limits.
using Lines = std::map<std::string, std::vector<std::pair<int, int>>>;

// Money from 0 up is drawn above its zero line and patients below it, so that the two never lie
// on each other (the chart holds only those two); true of a chart without money.
bool MoneyAbovePatients(QChart* chart) {
    const QList<QAbstractSeries*> all = chart->series();
    const auto money = std::find_if(all.begin(), all.end(),
                                    [](auto* s) { return s->name().startsWith("所持金"); });
    if (money == all.end()) return true;
    const qreal zero = chart->mapToPosition({0, 0}, *money).y();
    bool apart = true;
    for (QAbstractSeries* s : all)
        for (const QPointF& v : static_cast<QXYSeries*>(s)->points()) {
            const qreal y = chart->mapToPosition(v, s).y();
            apart = apart && (s == *money ? v.y() < 0 || y <= zero + 1 : y >= zero - 1);
        }
    return apart;
}

// The upper chart, the one whose scale is a plain value axis; nullptr while none is drawn.
QChart* GaugesChart(QWidget* graph) {
    for (QChartView* view : graph->findChildren<QChartView*>()) {
        const QList<QAbstractAxis*> scales = view->chart()->axes(Qt::Vertical);
        if (scales.size() == 1 && !qobject_cast<QCategoryAxis*>(scales.front()))
            return view->chart();
    }
    return nullptr;
}

// What grows with the window: the upper plot's height, the list's and the lines' width; and
// the rows the list's lines take, fewer in a wider list.
struct Grown {
    qreal plotHeight = 0;
    int listHeight = 0;
    qreal lineWidth = 0;
    int rows = 0;
};

Grown Measure(QWidget* graph) {
    QChart* gauges = GaugesChart(graph);
    if (!gauges) return {};
    auto* list = DialogItem<QListWidget>(graph, GraphDialog::kEventListId.id);
    return {gauges->plotArea().height(), list->viewport()->height(),
            static_cast<QXYSeries*>(gauges->series().back())->pen().widthF(), list->count()};
}

// Every control inside the window and apart from the others, every text whole in its control, at
// the window's present size.
void ExpectLaidOutWhole(QWidget* graph) {
    for (int id :
         {GraphDialog::kValuesChartId.id, GraphDialog::kMoneyChartId.id, GraphDialog::kEndLineId.id,
          GraphDialog::kEventListId.id, GraphDialog::kAcceptButton.id})
        EXPECT_TRUE(graph->rect().contains(DialogItem<QWidget>(graph, id)->geometry())) << id;
    EXPECT_EQ(CutTexts(graph), QStringList());
    EXPECT_EQ(OverlappingControls(graph), QStringList());
    for (QChartView* view : graph->findChildren<QChartView*>()) {
        EXPECT_EQ(view->size(), view->parentWidget()->contentsRect().size());
        for (QAbstractAxis* axis : view->chart()->axes()) EXPECT_FALSE(axis->labelsTruncated());
    }
}

class GraphTest : public AppTest {
protected:
    void SetUp() override {
        QCoreApplication::addLibraryPath(CHARTS_MODULE_DIR);
        AppTest::SetUp();
    }

    bool GraphEnabled() { return MenuItem("graph")->isEnabled(); }

    // Plays a month, with no event unless the draws were seeded for one, and notes the board.
    void PlayMonth(bool quiet = true) {
        if (quiet) NextDraws(0, 0);
        Session().Tick();
        const int x =
            (Session().GameRun().State().year - 1991) * 12 + Session().GameRun().State().month - 2;
        const std::vector<int> b = BoardValues();
        // clang-format off
        const std::pair<const char*, int> shown[] = {
            {"体力", b[4]}, {"ナガレ薬研信頼", b[5]}, {"鵺田君パワー", b[6]}, {"厚生省疑惑", b[7]},
            {"所持金（万円）", b[2] / 10000}, {"ＨＩＶ患者数（人）", b[3]}};
        // clang-format on
        for (const auto& [name, value] : shown) board[name].emplace_back(x, value);
    }

    // Lets the next tick end the run; what the end dialog says is the end test's.
    void EndTheRun() {
        ModalAnswer end(PressKey(Qt::Key_Return));
        Session().Tick();
        EXPECT_TRUE(end.Answered());
    }

    // Reads the graph window into endLine, events and lines, then closes it with `key`.
    void OpenGraph(int key, const char* screenshot) {
        lines.clear();
        events = axisTitles = axisLabels = timeSpans = QStringList();
        marks.clear();
        gaugesPlotHeight = 0;
        ModalAnswer graph([&](QWidget* w) {
            EXPECT_EQ(w->windowTitle(), "GRAPH");
            endLine = DialogText(w, GraphDialog::kEndLineId);
            auto* list = DialogItem<ListBox>(w, GraphDialog::kEventListId);
            const QFontMetrics metrics = list->fontMetrics();
            for (int i = 0; i < list->count(); ++i) {
                events << list->item(i)->text();
                // The focus frame runs round the row's text, not through it.
                EXPECT_GT(list->visualItemRect(list->item(i)).height(), metrics.height());
            }
            ExpectLaidOutWhole(w);
            for (QChartView* view : w->findChildren<QChartView*>()) {
                EXPECT_FALSE(view->accessibleName().isEmpty());
                QChart* chart = view->chart();
                const QRectF plot = chart->mapRectToScene(chart->plotArea());
                for (QGraphicsItem* item : chart->childItems()) {
                    if (auto* mark = qgraphicsitem_cast<QGraphicsPolygonItem*>(item)) {
                        marks.push_back(mark->sceneBoundingRect());
                        // Whole: a mark of the run's last months stays inside the chart.
                        EXPECT_TRUE(chart->sceneBoundingRect().contains(marks.back()));
                        EXPECT_FALSE(mark->toolTip().isEmpty());
                        EXPECT_LE(marks.back().bottom(), plot.top() + 1) << "above the plot";
                    }
                    if (auto* title = qgraphicsitem_cast<QGraphicsSimpleTextItem*>(item)) {
                        // Upright, one character above the other, beside the plot.
                        const QRectF box = title->sceneBoundingRect();
                        EXPECT_EQ(title->sceneTransform(),
                                  QTransform::fromTranslate(box.x(), box.y()));
                        const QStringList rows = title->text().split('\n');
                        EXPECT_GE(box.height(), rows.size() * QFontMetrics(title->font()).height());
                        EXPECT_FALSE(box.intersects(plot));
                        EXPECT_TRUE(chart->sceneBoundingRect().contains(box));
                        axisTitles
                            << QString(box.right() <= plot.left() ? "<" : ">") + rows.join("");
                    }
                }
                EXPECT_TRUE(MoneyAbovePatients(chart));
                if (chart == GaugesChart(w)) gaugesPlotHeight = chart->plotArea().height();
                for (QAbstractAxis* axis : view->chart()->axes())
                    if (auto* labelled = qobject_cast<QCategoryAxis*>(axis))
                        axisLabels << labelled->categoriesLabels().join(' ');
                for (QAbstractAxis* axis : view->chart()->axes(Qt::Horizontal))
                    if (auto* time = qobject_cast<QValueAxis*>(axis))
                        timeSpans << QString("%1-%2").arg(time->min()).arg(time->max());
                for (QAbstractSeries* s : view->chart()->series()) {
                    if (s->name() == "限界") continue;
                    auto& points = lines[s->name().toStdString()];
                    for (const QPointF& p : static_cast<QXYSeries*>(s)->points())
                        points.emplace_back(p.x(), p.y());
                }
            }
            whileOpen(w);
            SaveScreenshot(w, screenshot);
            PressKey(key)(w);
        });
        Trigger("graph");
    }

    Lines board, lines;  // as the board showed them, as the charts drew them
    QString endLine;
    // The list's rows as shown; the axes' titles; each labelled axis's labels: the years, then
    // money's and patients'.
    QStringList events, axisTitles, axisLabels, timeSpans;
    std::vector<QRectF> marks;   // where the events' marks stand
    qreal gaugesPlotHeight = 0;  // the upper chart's plot
    std::function<void(QWidget*)> whileOpen = [](QWidget*) {};
};

TEST_F(GraphTest, ACaptureShowsItsMonthsTheAnswerTakenAndTheValuesThatCrossed) {
    EXPECT_FALSE(GraphEnabled()) << "no run played since start-up";
    StartGame();
    EXPECT_FALSE(GraphEnabled()) << "while a run is going";
    Slider(Board::kDoseSlider)->setValue(10);
    Slider(Board::kDemandSlider)->setValue(5);
    for (int month = 1; month <= 3; ++month) PlayMonth();
    NextDraws(0, 2);  // 1991/04: event 0
    EventAnswer answer(3, PressKey(Qt::Key_Return));
    PlayMonth(false);
    ASSERT_TRUE(answer.BoxAnswered());
    Session().GameRun().State().values.rivalPower = 4990;
    Session().GameRun().State().values.patients = 900;  // the rival gains 100 and crosses 5000
    Session().GameRun().State().values.stamina = 5;     // and the month costs 11 stamina
    PlayMonth();
    EndTheRun();
    ASSERT_TRUE(GraphEnabled());

    OpenGraph(Qt::Key_Return, "graph-capture");
    board[""] = {{4, 0}, {4, 5000}};
    EXPECT_EQ(lines, board);
    EXPECT_EQ(endLine,
              "体力が尽きた、鵺田君パワーが限界を超えた（1991/05）　……そして捕まってしまった");
    const EventRecord& event = EventRecordAt(0);
    // The whole prompt runs on in indented rows, and the answer takes a row of its own.
    EXPECT_GE(events.size(), 2);
    EXPECT_EQ(events.join("").remove("　　　　　"),
              "1991/04　問1・答4　" + QString::fromUtf8(event.prompt).remove("\r\n") + "→ " +
                  QString::fromUtf8(event.answers[3].text));
    EXPECT_EQ(axisTitles, QStringList({"<万円", ">人"})) << "each beside its axis";
    // The run's own year only; money's and patients' highs rounded up to 1, 2 or 5 times a power of
    // ten.
    EXPECT_EQ(axisLabels, QStringList({"1991", "1991", "0 500", "0 1000"}));
    EXPECT_EQ(timeSpans, QStringList({"0-4", "0-4"})) << "both charts span the run's months";
}

// A run of the last months spans only them; one stopped before its first month has nothing to show.
TEST_F(GraphTest, AClearOfTheLastMonthsShowsOnlyThemAndItsScore) {
    StartGame();
    ModalAnswer yes(ClickButton("はい"));
    Trigger("stop");
    EXPECT_FALSE(GraphEnabled()) << "stopped before its first month";

    StartGame();
    // The last three months of a run, each adding 48 patients and taking 144 000 of the money:
    // POINT from the last month's 144 × 0.88 + 1 068 000 / 7578.
    Session().GameRun().State().year = 1996;
    Session().GameRun().State().month = 9;
    Slider(Board::kDoseSlider)->setValue(10);
    Slider(Board::kDonationSlider)->setValue(2);
    for (int month = 9; month <= 11; ++month) PlayMonth();
    EndTheRun();
    OpenGraph(Qt::Key_Escape, "graph-clear");
    EXPECT_EQ(lines, board);
    EXPECT_EQ(axisLabels.front(), "1996") << "a run of the last months spans only them";
    EXPECT_EQ(timeSpans, QStringList({"68-70", "68-70"}));
    EXPECT_EQ(endLine,
              "1996年12月まで逃げ切った！　POINT:266（患者144人×0.88＋所持金1068000円÷7578）");
}

// The window on the screen the tests run on, at today's size where a larger one would not fit a
// share of the screen (at 640 × 480 with a smaller face), else larger in today's proportions.
struct GraphOnScreen {
    QSize screen, today, opened;
};
// clang-format off
const GraphOnScreen kGraphOnScreens[] = {
    {{640, 480}, {552, 473}, {552, 473}},
    {{800, 600}, {552, 516}, {552, 516}},
    {{800, 800}, {552, 516}, {640, 598}},  // the offscreen platform's own
    {{1024, 768}, {552, 516}, {657, 614}},
    {{1600, 1200}, {552, 516}, {1026, 960}},
};
// clang-format on

// Two stopped runs, the second forgetting the first. Events crowding a run's last months, in months
// running: each has a mark of its own, and the upper plot keeps the height of a run without any.
// Opened on a larger screen the window is larger, inside the screen's free area, its plot higher,
// its list longer and its lines thicker; made as small as the player may, it is today's window,
// every text whole.
TEST_F(GraphTest, EventsCrowdingTheLastMonthsLeaveThePlotItsHeight) {
    const QScreen* screen = QGuiApplication::primaryScreen();
    const GraphOnScreen* expected =
        std::find_if(std::begin(kGraphOnScreens), std::end(kGraphOnScreens),
                     [&](const GraphOnScreen& g) { return g.screen == screen->size(); });
    ASSERT_NE(expected, std::end(kGraphOnScreens))
        << "no expectations for " << screen->size().width() << " x " << screen->size().height();
    // 1995/03 to 1996/02, as the schedule holds them: months 3 to 14 from 1995/01.
    const std::vector<int> nineEventMonths = {3, 4, 7, 8, 9, 10, 11, 13, 14};
    qreal heightWithout = 0;
    // The list's rows at the window's smallest, and those of them it shows whole: the first six.
    QStringList rows, shownWhole;
    Grown opened, smallest;
    whileOpen = [&](QWidget* w) {
        EXPECT_EQ(w->size(), expected->opened);
        EXPECT_EQ(w->minimumSize(), expected->today);
        EXPECT_TRUE(screen->availableGeometry().contains(w->geometry()))
            << w->x() << ", " << w->y() << " on the screen";
        ASSERT_NE(w->findChild<QSizeGrip*>(), nullptr) << "the player can resize it";
        opened = Measure(w);
        w->resize(w->minimumSize());
        QCoreApplication::sendPostedEvents();
        SCOPED_TRACE("smallest");
        ExpectLaidOutWhole(w);
        smallest = Measure(w);
        auto* list = DialogItem<ListBox>(w, GraphDialog::kEventListId);
        for (int i = 0; i < list->count(); ++i) {
            rows << list->item(i)->text();
            if (list->viewport()->rect().contains(list->visualItemRect(list->item(i))))
                shownWhole << rows.back();
        }
        w->resize(expected->opened);
    };
    for (const std::vector<int>& eventMonths : {std::vector<int>(), nineEventMonths}) {
        board.clear();
        StartGame();
        EXPECT_FALSE(GraphEnabled()) << "a new start forgets the last run's months";
        const auto start = Session().GameRun().State().values;
        PlayMonth();  // 1991/01, so that the run spans six years
        Session().GameRun().State().year = 1995;
        Session().GameRun().State().month = 1;
        for (int month = 1; month <= 23; ++month) {
            Session().GameRun().State().values = start;  // no limit crossed, whatever the answers
            if (std::count(eventMonths.begin(), eventMonths.end(), month) == 0) {
                PlayMonth();
                continue;
            }
            NextDraws(0, 2);
            EventAnswer answer(0, PressKey(Qt::Key_Return));
            PlayMonth(false);
            ASSERT_TRUE(answer.BoxAnswered());
        }
        ModalAnswer stop(ClickButton("はい"));
        Trigger("stop");
        OpenGraph(Qt::Key_Escape, eventMonths.empty() ? "graph-no-events" : "graph-marks");
        EXPECT_EQ(lines, board);
        EXPECT_EQ(endLine, "1996/11 でゲームを中断した");
        EXPECT_EQ(axisLabels.back(), "0 10") << "no patient at all";
        ASSERT_EQ(marks.size(), eventMonths.size()) << "one mark for each event";
        for (std::size_t i = 1; i < marks.size(); ++i) {
            EXPECT_EQ(marks[i].top(), marks[0].top()) << "one row";
            EXPECT_LT(marks[i - 1].center().x(), marks[i].center().x());
        }
        if (eventMonths.empty()) heightWithout = gaugesPlotHeight;
    }
    EXPECT_GT(heightWithout, 0);
    EXPECT_EQ(gaugesPlotHeight, heightWithout);
    ASSERT_GT(rows.size(), 6);
    EXPECT_EQ(shownWhole.join('\n').toStdString(), rows.mid(0, 6).join('\n').toStdString());
    EXPECT_GT(smallest.plotHeight, 0);
    EXPECT_EQ(smallest.lineWidth, 2);
    if (expected->opened == expected->today) {
        EXPECT_EQ(opened.plotHeight, smallest.plotHeight);
        EXPECT_EQ(opened.lineWidth, smallest.lineWidth);
        EXPECT_EQ(opened.rows, smallest.rows);
        return;
    }
    EXPECT_LT(opened.rows, smallest.rows) << "a prompt's last characters join its first row";
    EXPECT_GT(opened.plotHeight, smallest.plotHeight);
    EXPECT_GT(opened.listHeight, smallest.listHeight);
    EXPECT_GT(opened.lineWidth, smallest.lineWidth);
}

}  // namespace
}  // namespace zormade::test
