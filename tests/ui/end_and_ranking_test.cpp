#include <QLabel>
#include <QLineEdit>
#include <QTextDocument>

#include "app_fixture.h"
#include "platform/multi_line_edit.h"
#include "ui_helpers.h"

namespace zormade::test {
namespace {

using Answer = ModalSequence::Answer;
using Table = std::vector<std::pair<QString, QString>>;  // points and name, place 1 first

constexpr int kRankingPoints[] = {1027, 1028, 1029, 1030, 1015};
constexpr int kRankingNames[] = {1016, 1017, 1018, 1031, 1032};

struct EndSeen {
    QString title, message, focus;
    int messageLines = 0;
    bool closeBox = true;
};

struct RankInSeen {
    QString rank, points, focus;
};

const Table kDefaultTable{{"1570", "ZORMASTER"}, {"1300", "??????"}, {"820", "??????"},
                          {"610", "??????"}, {"450", "??????"}};

class EndAndRankingTest : public AppTest {
protected:
    // Starts a run and lets the next tick end it: by capture, or as the December 1996 clear with
    // these patients and money. Answers the windows that open, in order.
    void EndRun(bool caught, int patients, int money, std::vector<Answer> answers) {
        StartGame();
        GameState& state = View().State();
        state.caught = caught ? 1 : 0;
        state.year = 1996;
        state.month = caught ? 6 : 12;
        state.patients = patients;
        state.money = money;
        ModalSequence windows(std::move(answers));
        View().OnTimer(TURN_TIMER_ID);
        shown.clear();
        for (const ModalAnswer::Seen& w : windows.Windows()) shown << w.title;
    }

    Answer ReadEnd(EndSeen& seen, int key, const char* screenshot = nullptr) {
        return [this, &seen, key, screenshot](QWidget* w) {
            seen.title = DialogText(w, 1027);
            seen.message = DialogText(w, 1028);
            seen.messageLines = DialogItem<MultiLineEdit>(w, 1028)->document()->blockCount();
            seen.focus = WindowText(w->focusWidget());
            seen.closeBox = w->windowFlags().testFlag(Qt::WindowCloseButtonHint);
            timerRanWhileOpen |= View().Timers().IsActive(TURN_TIMER_ID);
            if (screenshot) SaveScreenshot(w, screenshot);
            PressKey(key)(w);
        };
    }

    // Reads the rank-in dialog, types `name` into the name field and closes with `key`.
    Answer EnterName(RankInSeen& seen, const QString& name, int key, const char* screenshot = nullptr) {
        return [this, &seen, name, key, screenshot](QWidget* w) {
            seen.rank = DialogText(w, 1028);
            seen.points = DialogText(w, 1027);
            seen.focus = WindowText(w->focusWidget());
            timerRanWhileOpen |= View().Timers().IsActive(TURN_TIMER_ID);
            if (!name.isEmpty()) {
                auto* field = DialogItem<QLineEdit>(w, 1029);
                field->setFocus();
                TypeText(field, name);
            }
            if (screenshot) SaveScreenshot(w, screenshot);
            PressKey(key)(w);
        };
    }

    Answer ReadRanking(Table& seen, const char* screenshot = nullptr) {
        return [this, &seen, screenshot](QWidget* w) {
            seen.clear();
            for (int i = 0; i < 5; ++i) {
                seen.emplace_back(DialogText(w, kRankingPoints[i]), DialogText(w, kRankingNames[i]));
            }
            timerRanWhileOpen |= View().Timers().IsActive(TURN_TIMER_ID);
            if (screenshot) SaveScreenshot(w, screenshot);
            PressKey(Qt::Key_Escape)(w);
        };
    }

    Table StoredTable() {
        Table table;
        for (int i = 0; i < 5; ++i) {
            table.emplace_back(QString::number(View().Ranking().points[i]),
                               QString::fromStdString(View().Ranking().names[i]));
        }
        return table;
    }

    void ExpectIdleStartBoard(const char* when) {
        EXPECT_EQ(EditText(IDC_EDIT_YEAR), "1991") << when;
        EXPECT_EQ(EditText(IDC_EDIT_MONTH), "1") << when;
        EXPECT_EQ(Bar(IDC_PROGRESS_STAMINA), 5000) << when;
        EXPECT_TRUE(LogLines().isEmpty()) << when;
        EXPECT_FALSE(View().Timers().IsActive(TURN_TIMER_ID)) << when;
        EXPECT_TRUE(MenuItem(ID_RANKING)->isEnabled()) << when;
        EXPECT_TRUE(MenuItem(ID_OPTION)->isEnabled()) << when;
        EXPECT_TRUE(MenuItem(ID_GAME_START)->isEnabled()) << when;
    }

    QStringList shown;  // titles of the windows the last run's end opened
    bool timerRanWhileOpen = false;
};

TEST_F(EndAndRankingTest, ACaptureShowsGameOverAndNoScore) {
    EndSeen end;
    EndRun(true, 10000, 1500000, {ReadEnd(end, Qt::Key_Return, "end-capture")});
    EXPECT_EQ(shown, QStringList{"END"});
    EXPECT_EQ(end.title, "GAME OVER");
    EXPECT_EQ(end.message, "捕まってしまった......");
    EXPECT_EQ(end.focus, "OK");
    EXPECT_FALSE(end.closeBox);
    EXPECT_FALSE(timerRanWhileOpen);
    EXPECT_EQ(StoredTable(), kDefaultTable);
    ExpectIdleStartBoard("after a capture");
}

TEST_F(EndAndRankingTest, AClearEntersTheTableWithTheTypedNameOnlyAfterOk) {
    const struct {
        const char* typed;
        int key;
        Table expected;
    } runs[] = {
        {"ﾇｴﾀﾞ", Qt::Key_Return,
         {{"8997", "ﾇｴﾀﾞ"}, {"1570", "ZORMASTER"}, {"1300", "??????"}, {"820", "??????"}, {"610", "??????"}}},
        {"鵺田", Qt::Key_Escape,
         {{"8997", "ZORMADER"}, {"8997", "ﾇｴﾀﾞ"}, {"1570", "ZORMASTER"}, {"1300", "??????"}, {"820", "??????"}}},
        {"", Qt::Key_Return,
         {{"8997", "ZORMADER"}, {"8997", "ZORMADER"}, {"8997", "ﾇｴﾀﾞ"}, {"1570", "ZORMASTER"}, {"1300", "??????"}}},
    };
    for (const auto& run : runs) {
        SCOPED_TRACE(run.typed);
        EndSeen end;
        RankInSeen rankIn;
        Table ranking;
        EndRun(false, 10000, 1500000,
               {ReadEnd(end, Qt::Key_Escape, "end-clear"), EnterName(rankIn, run.typed, run.key, "rank-in"),
                ReadRanking(ranking, "ranking-after-clear")});
        EXPECT_EQ(shown, QStringList({"END", "RANK IN!!", "RANKING"}));
        EXPECT_EQ(end.title, "CLEAR!!");
        EXPECT_EQ(end.message, "POINT:8997\r\n「わはははは！！」");
        EXPECT_EQ(end.messageLines, 2);
        EXPECT_EQ(rankIn.rank, "1");
        EXPECT_EQ(rankIn.points, "8997");
        EXPECT_EQ(rankIn.focus, "OK");
        EXPECT_EQ(ranking, run.expected);
        EXPECT_EQ(StoredTable(), run.expected);
        ExpectIdleStartBoard("after a clear in the table");
    }
    EXPECT_FALSE(timerRanWhileOpen);
}

TEST_F(EndAndRankingTest, AScoreEqualToThirdPlaceGoesAboveIt) {
    RankInSeen rankIn;
    Table ranking;
    // 932 × 0.88 = 820.16, and 7577 yen add nothing.
    EndRun(false, 932, 7577,
           {PressKey(Qt::Key_Return), EnterName(rankIn, "THIRD", Qt::Key_Return), ReadRanking(ranking)});
    EXPECT_EQ(rankIn.rank, "3");
    EXPECT_EQ(rankIn.points, "820");
    EXPECT_EQ(ranking, (Table{{"1570", "ZORMASTER"}, {"1300", "??????"}, {"820", "THIRD"},
                              {"820", "??????"}, {"610", "??????"}}));
}

TEST_F(EndAndRankingTest, AClearBelowTheTableShowsOnlyTheEndDialog) {
    EndSeen end;
    EndRun(false, 0, 1500000, {ReadEnd(end, Qt::Key_Return)});
    EXPECT_EQ(shown, QStringList{"END"});
    EXPECT_EQ(end.message, "POINT:197\r\n「わはははは！！」");
    EXPECT_EQ(StoredTable(), kDefaultTable);
    ExpectIdleStartBoard("after a clear below the table");
}

TEST_F(EndAndRankingTest, FewerThanNoPatientsScoreNothingRatherThanFourBillion) {
    // A fifth place of 0 points lets a score of 0 in at the bottom; a wrapped score would take the top.
    View().Ranking().points[4] = 0;
    EndSeen end;
    RankInSeen rankIn;
    Table ranking;
    EndRun(false, -5000, 1500000,
           {ReadEnd(end, Qt::Key_Return), EnterName(rankIn, "", Qt::Key_Return), ReadRanking(ranking)});
    EXPECT_EQ(end.message, "POINT:0\r\n「わはははは！！」");
    EXPECT_EQ(rankIn.rank, "5");
    EXPECT_EQ(rankIn.points, "0");
    EXPECT_EQ(ranking[0], (std::pair<QString, QString>("1570", "ZORMASTER")));
    EXPECT_EQ(ranking[4], (std::pair<QString, QString>("0", "ZORMADER")));
}

TEST_F(EndAndRankingTest, ATypedNameComesBackExactlyAfterTheProgramRestarts) {
    const QString name = "@a,b;=\"\\ ";
    RankInSeen rankIn;
    Table ranking;
    EndRun(false, 10000, 1500000,
           {PressKey(Qt::Key_Return), EnterName(rankIn, name, Qt::Key_Return), PressKey(Qt::Key_Return)});
    Restart();
    ModalSequence windows({ReadRanking(ranking)});
    Trigger(ID_RANKING);
    ASSERT_TRUE(windows.Done());
    EXPECT_EQ(ranking[0], (std::pair<QString, QString>("8997", name)));
    EXPECT_EQ(ranking[1], (std::pair<QString, QString>("1570", "ZORMASTER")));
}

TEST_F(EndAndRankingTest, TheRankingCommandShowsTheTenFieldsAndChangesNothing) {
    RankingTable& table = View().Ranking();
    table.points = {4294967295u, 8997, 820, 1, 0};
    table.names = {"全角五文字", "ZORMASTER", "", "  ", "a,b;c=d"};
    const Table expected{{"4294967295", "全角五文字"}, {"8997", "ZORMASTER"}, {"820", ""},
                         {"1", "  "}, {"0", "a,b;c=d"}};
    Table ranking;
    QString focus;
    QStringList labels;
    bool closeBox = true;
    {
        ModalSequence windows({[&](QWidget* w) {
            focus = WindowText(w->focusWidget());
            closeBox = w->windowFlags().testFlag(Qt::WindowCloseButtonHint);
            for (QLabel* label : w->findChildren<QLabel*>()) {
                labels << label->text();
                // A place's digit stands on the baseline of its points, shrunk to fit or not.
                const int place = label->text().toInt();
                if (place >= 1 && place <= 5) {
                    EXPECT_EQ(TextBaseline(label),
                              TextBaseline(DialogItem<QWidget>(w, kRankingPoints[place - 1])))
                        << place;
                }
            }
            ReadRanking(ranking, "ranking-hand-edited")(w);
        }});
        Trigger(ID_RANKING);
        ASSERT_TRUE(windows.Done());
        EXPECT_EQ(windows.Windows()[0].title, "RANKING");
    }
    EXPECT_EQ(ranking, expected);
    EXPECT_EQ(StoredTable(), expected);
    EXPECT_EQ(focus, "OK");
    EXPECT_FALSE(closeBox);
    EXPECT_EQ(labels, QStringList({"1", "2", "3", "4", "5", "RANK", "POINT", "NAME"}));
    ExpectIdleStartBoard("after the ranking");
}

TEST_F(EndAndRankingTest, RankingAndOptionsOpenOnlyWhileNoRunIsGoing) {
    // A disabled command cannot be picked: triggering it opens nothing.
    auto opens = [this](int command) {
        ModalAnswer window(PressKey(Qt::Key_Escape));
        MenuItem(command)->trigger();
        return window.Answered();
    };
    auto expectClosed = [&](const char* when) {
        for (int command : {ID_RANKING, ID_OPTION}) {
            EXPECT_FALSE(MenuItem(command)->isEnabled()) << when << " " << command;
            EXPECT_FALSE(opens(command)) << when << " " << command;
        }
    };
    auto expectOpen = [&](const char* when) {
        for (int command : {ID_RANKING, ID_OPTION}) {
            ModalAnswer window(PressKey(Qt::Key_Escape));
            Trigger(command);
            EXPECT_TRUE(window.Answered()) << when << " " << command;
        }
    };
    expectOpen("at start-up");
    StartGame();
    expectClosed("while running");
    {
        ModalAnswer pause(ClickButton("OK"));
        Trigger(ID_GAME_PAUSE);
    }
    expectClosed("while paused");
    {
        ModalAnswer stop(ClickButton("はい"));
        Trigger(ID_GAME_STOP);
    }
    expectOpen("after the stop");
    EndRun(true, 0, 0, {PressKey(Qt::Key_Escape)});
    expectOpen("after a capture");
}

}  // namespace
}  // namespace zormade::test
