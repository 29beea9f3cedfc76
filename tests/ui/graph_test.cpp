#include <QChartView>
#include <QLineSeries>
#include <QScatterSeries>
#include <QListWidget>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "app_fixture.h"
#include "draw_seeds.h"
#include "event_answer.h"
#include "events/event_catalogue.h"
#include "game/graph_dlg.h"
#include "ui_helpers.h"

namespace zormade::test {
namespace {

// Each line by its name, as (month since 1991/01, value) pairs.
using Lines = std::map<std::string, std::vector<std::pair<int, int>>>;

struct GraphSeen {
    QString title, endLine;
    QStringList events;
    Lines series;  // from both charts
    std::vector<std::pair<int, int>> rings;  // where a capture crossed its limits
};

class GraphTest : public AppTest {
protected:
    void SetUp() override {
        QCoreApplication::addLibraryPath(CHARTS_MODULE_DIR);
        AppTest::SetUp();
    }

    bool GraphEnabled() { return MenuItem(ID_GRAPH)->isEnabled(); }

    // Plays the next month without an event and notes what the board shows after it.
    void PlayQuietMonth() {
        View().Random().Seed(SeedWithoutEvents(1));
        View().OnTimer(TURN_TIMER_ID);
        NoteBoard();
    }

    void NoteBoard() {
        const int x = (View().State().year - 1991) * 12 + View().State().month - 2;
        board["体力"].emplace_back(x, Bar(IDC_PROGRESS_STAMINA));
        board["ナガレ薬研信頼"].emplace_back(x, Bar(IDC_PROGRESS_TRUST));
        board["鵺田君パワー"].emplace_back(x, Bar(IDC_PROGRESS_RIVAL));
        board["厚生省疑惑"].emplace_back(x, Bar(IDC_PROGRESS_SUSPICION));
        board["所持金（万円）"].emplace_back(x, EditText(IDC_EDIT_MONEY).toInt() / 10000);
        board["ＨＩＶ患者数（人）"].emplace_back(x, EditText(IDC_EDIT_PATIENTS).toInt());
    }

    GraphSeen OpenGraph(int key, const char* screenshot) {
        GraphSeen seen;
        ModalAnswer graph([&](QWidget* w) {
            seen.title = w->windowTitle();
            seen.endLine = DialogText(w, CGraphDlg::kEndLineId);
            auto* list = DialogItem<QListWidget>(w, CGraphDlg::kEventListId);
            for (int i = 0; i < list->count(); ++i) seen.events << list->item(i)->text();
            for (QChartView* view : w->findChildren<QChartView*>()) {
                EXPECT_FALSE(view->accessibleName().isEmpty());
                for (QAbstractSeries* s : view->chart()->series()) {
                    if (s->name() == "限界") continue;
                    const bool ring = qobject_cast<QScatterSeries*>(s);
                    auto& points = ring ? seen.rings : seen.series[s->name().toStdString()];
                    for (const QPointF& p : static_cast<QXYSeries*>(s)->points()) {
                        points.emplace_back(p.x(), p.y());
                    }
                }
            }
            SaveScreenshot(w, screenshot);
            PressKey(key)(w);
        });
        Trigger(ID_GRAPH);
        EXPECT_TRUE(graph.Answered());
        return seen;
    }

    Lines board;
};

TEST_F(GraphTest, ACaptureShowsItsMonthsTheAnswerTakenAndTheValuesThatCrossed) {
    EXPECT_FALSE(GraphEnabled()) << "no run played since start-up";
    StartGame();
    EXPECT_FALSE(GraphEnabled()) << "while a run is going";
    Slider(IDC_SLIDER_DOSE)->setValue(10);
    Slider(IDC_SLIDER_DEMAND)->setValue(5);
    for (int month = 1; month <= 3; ++month) PlayQuietMonth();
    View().Random().Seed(SeedDrawing(2, 2));  // 1991/04: event 1
    {
        EventAnswer answer(3, PressKey(Qt::Key_Return));
        View().OnTimer(TURN_TIMER_ID);
        ASSERT_TRUE(answer.BoxAnswered());
    }
    NoteBoard();
    View().State().rivalPower = 4990;
    View().State().patients = 900;  // the rival gains 100 and crosses 5000
    View().State().stamina = 5;     // and the month costs 11 stamina
    PlayQuietMonth();
    {
        ModalAnswer end(PressKey(Qt::Key_Return));
        View().OnTimer(TURN_TIMER_ID);
        ASSERT_EQ(end.Window().title, "END");
    }
    EXPECT_TRUE(GraphEnabled());

    const GraphSeen seen = OpenGraph(Qt::Key_Return, "graph-capture");
    EXPECT_EQ(seen.title, "GRAPH");
    EXPECT_EQ(seen.series, board);
    EXPECT_EQ(seen.rings, (std::vector<std::pair<int, int>>{{4, 0}, {4, 5000}}));
    EXPECT_EQ(seen.endLine, "体力が尽きた、鵺田君パワーが限界を超えた (1991/05)　……そして捕まってしまった");
    ASSERT_EQ(seen.events.size(), 2);  // the event, then the answer taken
    const EventRecord& event = EventRecordAt(1);
    const QString promptStart = QString::fromUtf8(event.prompt).section("\r\n", 0, 0);
    EXPECT_EQ(seen.events[0], "1991/04　1-4　" + promptStart);
    EXPECT_TRUE(seen.events[1].endsWith("→ " + QString::fromUtf8(event.answers[3].text)));
}

TEST_F(GraphTest, AStoppedRunShowsItsMonthsAndANewStartForgetsThem) {
    StartGame();
    ModalAnswer yes(ClickButton("はい"));
    Trigger(ID_GAME_STOP);
    EXPECT_FALSE(GraphEnabled()) << "stopped before its first month";

    StartGame();
    PlayQuietMonth();
    PlayQuietMonth();
    ModalAnswer stop(ClickButton("はい"));
    Trigger(ID_GAME_STOP);
    ASSERT_TRUE(GraphEnabled());
    const GraphSeen seen = OpenGraph(Qt::Key_Escape, "graph-stopped");
    EXPECT_EQ(seen.series, board);
    EXPECT_EQ(seen.endLine, "1991/02 でゲームを中断した");
    EXPECT_TRUE(seen.rings.empty());
    EXPECT_TRUE(seen.events.isEmpty());

    StartGame();
    EXPECT_FALSE(GraphEnabled());
    ModalAnswer again(ClickButton("はい"));
    Trigger(ID_GAME_STOP);
    EXPECT_FALSE(GraphEnabled()) << "the new run played no month";
}

TEST_F(GraphTest, AClearNamesItsScore) {
    StartGame();
    View().State().year = 1996;
    View().State().month = 11;
    PlayQuietMonth();
    {
        ModalAnswer end(PressKey(Qt::Key_Return));
        View().OnTimer(TURN_TIMER_ID);
        ASSERT_EQ(end.Window().title, "END");
    }
    const GraphSeen seen = OpenGraph(Qt::Key_Escape, "graph-clear");
    EXPECT_EQ(seen.series, board);
    const int score = 1500000 / 7578;
    EXPECT_EQ(seen.endLine, QString("1996年12月まで逃げ切った！　POINT:%1").arg(score));
}

}  // namespace
}  // namespace zormade::test
