// SPDX-License-Identifier: GPL-3.0-or-later
#include <QChartView>
#include <QListWidget>
#include <QXYSeries>
#include <map>

#include "app_fixture.h"
#include "core/event_catalogue.h"
#include "ui/end_dlg.h"
#include "ui/graph_dlg.h"
#include "ui_helpers.h"

namespace zormade::test {
namespace {

// Each line of both charts by its name, as (months since 1991/01, value); "" names the rings
// where a capture crossed its limits.
using Lines = std::map<std::string, std::vector<std::pair<int, int>>>;

class GraphTest : public AppTest {
protected:
    void SetUp() override {
        QCoreApplication::addLibraryPath(CHARTS_MODULE_DIR);
        AppTest::SetUp();
    }

    bool GraphEnabled() { return MenuItem(ID_GRAPH)->isEnabled(); }

    // Plays a month, with no event unless the draws were seeded for one, and notes the board.
    void PlayMonth(bool quiet = true) {
        if (quiet) NextDraws(0, 0);
        View().OnTimer();
        const int x = (View().State().year - 1991) * 12 + View().State().month - 2;
        const std::vector<int> b = Board();
        const std::pair<const char*, int> shown[] = {
            {"体力", b[4]}, {"ナガレ薬研信頼", b[5]}, {"鵺田君パワー", b[6]}, {"厚生省疑惑", b[7]},
            {"所持金（万円）", b[2] / 10000}, {"ＨＩＶ患者数（人）", b[3]}};
        for (const auto& [name, value] : shown) board[name].emplace_back(x, value);
    }

    // Gives the end dialog's message.
    QString EndTheRun() {
        QString message;
        ModalAnswer end([&message](QWidget* w) {
            message = DialogText(w, CEndDlg::IDC_MESSAGE);
            PressKey(Qt::Key_Return)(w);
        });
        View().OnTimer();
        EXPECT_EQ(end.Window().title, "END");
        return message;
    }

    // Reads the graph window into endLine, events and lines, then closes it with `key`.
    void OpenGraph(int key, const char* screenshot) {
        events.clear();
        lines.clear();
        ModalAnswer graph([&](QWidget* w) {
            EXPECT_EQ(w->windowTitle(), "GRAPH");
            endLine = DialogText(w, CGraphDlg::kEndLineId);
            auto* list = DialogItem<QListWidget>(w, CGraphDlg::kEventListId);
            for (int i = 0; i < list->count(); ++i) events << list->item(i)->text();
            for (QChartView* view : w->findChildren<QChartView*>()) {
                EXPECT_FALSE(view->accessibleName().isEmpty());
                for (QAbstractSeries* s : view->chart()->series()) {
                    if (s->name() == "限界") continue;
                    auto& points = lines[s->name().toStdString()];
                    for (const QPointF& p : static_cast<QXYSeries*>(s)->points()) points.emplace_back(p.x(), p.y());
                }
            }
            SaveScreenshot(w, screenshot);
            PressKey(key)(w);
        });
        Trigger(ID_GRAPH);
        EXPECT_TRUE(graph.Answered());
    }

    Lines board, lines;  // as the board showed them, as the charts drew them
    QString endLine;
    QStringList events;
};

TEST_F(GraphTest, ACaptureShowsItsMonthsTheAnswerTakenAndTheValuesThatCrossed) {
    EXPECT_FALSE(GraphEnabled()) << "no run played since start-up";
    StartGame();
    EXPECT_FALSE(GraphEnabled()) << "while a run is going";
    Slider(IDC_SLIDER_DOSE)->setValue(10);
    Slider(IDC_SLIDER_DEMAND)->setValue(5);
    for (int month = 1; month <= 3; ++month) PlayMonth();
    NextDraws(0, 2);  // 1991/04: event 0
    EventAnswer answer(3, PressKey(Qt::Key_Return));
    PlayMonth(false);
    ASSERT_TRUE(answer.BoxAnswered());
    View().State().rivalPower = 4990;
    View().State().patients = 900;  // the rival gains 100 and crosses 5000
    View().State().stamina = 5;     // and the month costs 11 stamina
    PlayMonth();
    EndTheRun();
    ASSERT_TRUE(GraphEnabled());

    OpenGraph(Qt::Key_Return, "graph-capture");
    board[""] = {{4, 0}, {4, 5000}};
    EXPECT_EQ(lines, board);
    EXPECT_EQ(endLine, "体力が尽きた、鵺田君パワーが限界を超えた（1991/05）　……そして捕まってしまった");
    const EventRecord& event = EventRecordAt(0);
    const QString promptStart = QString::fromUtf8(event.prompt).section("\r\n", 0, 0);
    EXPECT_EQ(events, QStringList({"1991/04　0-4　" + promptStart,
                                        "　　　→ " + QString::fromUtf8(event.answers[3].text)}));
}

TEST_F(GraphTest, AStoppedRunShowsItsMonthsUntilANewStartForgetsThem) {
    StartGame();
    ModalAnswer yes(ClickButton("はい"));
    Trigger(ID_GAME_STOP);
    EXPECT_FALSE(GraphEnabled()) << "stopped before its first month";

    StartGame();
    View().State().month = 10;  // a two-digit month in the date
    PlayMonth();
    PlayMonth();
    ModalAnswer stop(ClickButton("はい"));
    Trigger(ID_GAME_STOP);
    ASSERT_TRUE(GraphEnabled());
    OpenGraph(Qt::Key_Escape, "graph-stopped");
    EXPECT_EQ(lines, board);
    EXPECT_EQ(endLine, "1991/11 でゲームを中断した");
    EXPECT_TRUE(events.isEmpty());

    board.clear();
    StartGame();
    EXPECT_FALSE(GraphEnabled());
    // The last three months of a run, each adding 48 patients and taking 144 000 of the money:
    // the POINT is the end dialog's, from the last month's 144 × 0.88 + 1 068 000 / 7578.
    View().State().year = 1996;
    View().State().month = 9;
    Slider(IDC_SLIDER_DOSE)->setValue(10);
    Slider(IDC_SLIDER_DONATION)->setValue(2);
    for (int month = 9; month <= 11; ++month) PlayMonth();
    const QString told = EndTheRun();
    OpenGraph(Qt::Key_Escape, "graph-clear");
    EXPECT_EQ(lines, board) << "the stopped run's months are gone";
    EXPECT_EQ(told, "POINT:266\r\n「わはははは！！」");
    EXPECT_EQ(endLine, "1996年12月まで逃げ切った！　" + told.section("\r\n", 0, 0));
}

}  // namespace
}  // namespace zormade::test
