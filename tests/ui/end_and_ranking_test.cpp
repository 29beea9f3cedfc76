// SPDX-License-Identifier: GPL-3.0-or-later
#include <QLabel>
#include <QLineEdit>
#include <QMap>
#include <QTest>
#include <QTextDocument>

#include "app_fixture.h"
#include "platform/multi_line_edit.h"
#include "platform/picture_control.h"
#include "platform/resources.h"
#include "ui/ranking_dialog.h"
#include "ui/run_result_dialog.h"
#include "ui_helpers.h"
#include "window_fit.h"

namespace zormade::test {
namespace {

using Answer = ModalSequence::Answer;
using Table = std::vector<std::pair<QString, QString>>;  // points and name, place 1 first

constexpr auto kRankingPoints = RankingDialog::kPointsIds;
const Table kDefaultTable{{"1570", "ZORMASTER"},
                          {"1300", "??????"},
                          {"820", "??????"},
                          {"610", "??????"},
                          {"450", "??????"}};

QString CloseBox(QWidget* w) {
    return w->windowFlags().testFlag(Qt::WindowCloseButtonHint) ? "close box" : "no close box";
}

class EndAndRankingTest : public AppTest {
protected:
    // Starts a run and lets the next tick end it: by capture, or as the December 1996 clear with
    // these patients and money. Answers the windows that open, in order.
    void EndRun(bool caught, int patients, int money, std::vector<Answer> answers) {
        StartGame();
        GameState& state = Session().GameRun().State();
        state.caught = caught;
        state.year = 1996;
        state.month = caught ? 6 : 12;
        state.values.patients = patients;
        state.values.money = money;
        ModalSequence windows(std::move(answers));
        Session().Tick();
        shown = windows.Titles();
    }

    // Notes two fields of the dialog, its focused control, whether it has a close box and how many
    // lines its message has; types `name` into its name field when given, then closes with `key`.
    Answer Read(QStringList& seen, int first, int second, int key, const QString& name = {}) {
        return [this, &seen, first, second, key, name](QWidget* w) {
            auto* message = DialogItem<MultiLineEdit>(w, 1028);
            seen = {DialogText(w, first), DialogText(w, second), WindowText(w->focusWidget()),
                    CloseBox(w), QString::number(message ? message->document()->blockCount() : 0)};
            timerRanWhileOpen |= Session().TurnTimer().isActive();
            if (!name.isEmpty()) {
                DialogItem<QLineEdit>(w, 1029)->setFocus();
                TypeText(DialogItem<QLineEdit>(w, 1029), name);
            }
            SaveScreenshot(w, name.isEmpty() ? "end" : "rank-in");
            PressKey(key)(w);
        };
    }

    // The rows as the player reads them: each place's points and name are the fields that stand
    // on the line of its digit, left to right.
    Answer ReadRanking(Table& seen) {
        return [this, &seen](QWidget* w) {
            seen.clear();
            for (int place = 1; place <= 5; ++place) {
                QLabel* digit = nullptr;
                for (QLabel* label : w->findChildren<QLabel*>())
                    digit = label->text() == QString::number(place) ? label : digit;
                QMap<int, QString> row;  // by x
                const int line = digit ? digit->geometry().center().y() : -1;
                for (auto* field : w->findChildren<MultiLineEdit*>())
                    if (field->y() <= line && line < field->y() + field->height())
                        row[field->x()] = field->Text();
                if (row.size() != 2) row = {{0, "?"}, {1, "?"}};
                seen.emplace_back(row.first(), row.last());
            }
            timerRanWhileOpen |= Session().TurnTimer().isActive();
            PressKey(Qt::Key_Escape)(w);
        };
    }

    Table StoredTable() {
        const RankingTable& stored = Session().Ranking();
        Table table;
        for (int i = 0; i < 5; ++i)
            table.emplace_back(QString::number(stored.points[i]), stored.names[i].c_str());
        return table;
    }

    QStringList shown;  // titles of the windows the last run's end opened
    bool timerRanWhileOpen = false;
};

// A capture scores nothing; a clear below the table shows only its score. Each ending shows its
// picture, all but the bitmap's last row and column, stretched over the frame.
TEST_F(EndAndRankingTest, ACaptureOrAClearBelowTheTableShowsOnlyTheResultDialog) {
    // clang-format off
    const struct { bool caught; int patients; const char *title, *message; int bitmap; } runs[] = {
        {true, 10000, "GAME OVER", "捕まってしまった......", 143},
        {false, 0, "CLEAR!!", "POINT:197\r\n「わはははは！！」", 144}};
    // clang-format on
    for (const auto& run : runs) {
        QStringList end;
        QImage picture;
        const Answer read = Read(end, 1027, 1028, Qt::Key_Return);
        EndRun(run.caught, run.patients, 1500000, {[&](QWidget* w) {
                   EXPECT_TRUE(QTest::qWaitForWindowExposed(w));
                   w->repaint();
                   picture = DialogItem<PictureControl>(w, RunResultDialog::kPictureId)->Canvas();
                   read(w);
               }});
        const QImage bitmap = BitmapResource(run.bitmap);
        const QImage expected = bitmap.copy(0, 0, bitmap.width() - 1, bitmap.height() - 1)
                                    .scaled(258, 200, Qt::IgnoreAspectRatio, Qt::FastTransformation)
                                    .convertToFormat(QImage::Format_ARGB32_Premultiplied);
        int same = 0;  // scalers may round a row or column differently
        for (int at = 0; at < 258 * 200; ++at)
            same += picture.pixel(at % 258, at / 258) == expected.pixel(at % 258, at / 258);
        EXPECT_GT(same, 258 * 200 * 9 / 10) << run.title;
        EXPECT_EQ(shown, QStringList{"END"});
        EXPECT_EQ(end.mid(0, 4), QStringList({run.title, run.message, "OK", "no close box"}));
        EXPECT_EQ(StoredTable(), kDefaultTable);
        ExpectStartBoard(run.title);
    }
    EXPECT_FALSE(timerRanWhileOpen);
}

// The name typed counts only after OK: Esc gives the default name. A score equal to a place goes
// above it.
TEST_F(EndAndRankingTest, AClearEntersTheTableWithTheTypedNameOnlyAfterOk) {
    const QString q = "??????";
    // A clear's patients and money, the name typed and the key that closes, the place and points.
    const struct {
        int patients, money;
        const char* typed;
        int key;
        QString rank, points;
        Table expected;
    } runs[] = {
        // 932 × 0.88 = 820.16, and 7577 yen add nothing.
        {932,
         7577,
         "THIRD",
         Qt::Key_Return,
         "3",
         "820",
         {{"1570", "ZORMASTER"}, {"1300", q}, {"820", "THIRD"}, {"820", q}, {"610", q}}},
        {10000,
         1500000,
         "鵺田",
         Qt::Key_Escape,
         "1",
         "8997",
         {{"8997", "ZORMADER"}, {"1570", "ZORMASTER"}, {"1300", q}, {"820", "THIRD"}, {"820", q}}},
    };
    for (const auto& run : runs) {
        SCOPED_TRACE(run.typed);
        QStringList end, rankIn;
        Table ranking;
        EndRun(false, run.patients, run.money,
               {Read(end, 1027, 1028, Qt::Key_Escape), Read(rankIn, 1028, 1027, run.key, run.typed),
                ReadRanking(ranking)});
        EXPECT_EQ(shown, QStringList({"END", "RANK IN!!", "RANKING"}));
        const QString score = "POINT:" + run.points + "\r\n「わはははは！！」";
        EXPECT_EQ(end, QStringList({"CLEAR!!", score, "OK", "no close box", "2"}));
        EXPECT_EQ(rankIn.mid(0, 3), QStringList({run.rank, run.points, "OK"}));
        EXPECT_EQ(ranking, run.expected);
        EXPECT_EQ(StoredTable(), run.expected);
        ExpectStartBoard("after a clear in the table");
    }
    EXPECT_FALSE(timerRanWhileOpen);
}

TEST_F(EndAndRankingTest, TheRankingCommandShowsTheTenFieldsAndChangesNothing) {
    RankingTable& table = Session().Ranking();
    table.points = {4294967295u, 8997, 820, 1, 0};
    table.names = {"全角五文字", "ZORMASTER", "", "  ", "a,b;c=d"};
    const Table expected{{"4294967295", "全角五文字"},
                         {"8997", "ZORMASTER"},
                         {"820", ""},
                         {"1", "  "},
                         {"0", "a,b;c=d"}};
    Table ranking;
    QStringList seen;  // the focused control, the close box, the labels
    ModalSequence windows({[&](QWidget* w) {
        seen = QStringList{WindowText(w->focusWidget()), CloseBox(w)};
        for (QLabel* label : w->findChildren<QLabel*>()) {
            seen << label->text();
            // A place's digit stands on the baseline of its points, shrunk to fit or not.
            const int place = label->text().toInt();
            if (place >= 1 && place <= 5) {
                EXPECT_EQ(TextBaseline(label),
                          TextBaseline(DialogItem<QWidget>(w, kRankingPoints[place - 1].id)))
                    << place;
            }
        }
        // A number too wide for its field shrinks rather than lose a digit.
        EXPECT_EQ(CutTexts(w), QStringList());
        SaveScreenshot(w, "ranking");
        ReadRanking(ranking)(w);
    }});
    Trigger("ranking");
    EXPECT_EQ(windows.Titles(), QStringList{"RANKING"});
    EXPECT_EQ(seen, QStringList(
                        {"OK", "no close box", "1", "2", "3", "4", "5", "RANK", "POINT", "NAME"}));
    EXPECT_EQ(ranking, expected);
    EXPECT_EQ(StoredTable(), expected);
    ExpectStartBoard("after the ranking");
}

// However many limits a capture crossed in its last month, the end dialog names each of them, its
// button inside the window; that the longest is whole on each screen is the windows test's.
TEST_F(EndAndRankingTest, ACaptureNamesEveryLimitItCrossedInTheResultDialog) {
    const QString causes[] = {"体力が尽きた", "鵺田君パワーが限界を超えた",
                              "厚生省疑惑が限界を超えた"};
    for (int crossed = 1; crossed < 8; ++crossed) {
        SCOPED_TRACE("limits crossed: " + std::to_string(crossed));
        StartGame();
        GameState& state = Session().GameRun().State();
        if (crossed & 1) state.values.stamina = -1;
        if (crossed & 2) state.values.rivalPower = 5001;
        if (crossed & 4) state.values.suspicion = 5001;
        NextDraws(0, 0);
        Session().Tick();
        QStringList lines;
        ModalAnswer end([&](QWidget* w) {
            lines = DialogText(w, RunResultDialog::kMessageId).split("\r\n");
            QWidget* ok = DialogItem<QWidget>(w, TemplateDialog::kAcceptButton.id);
            EXPECT_TRUE(w->rect().contains(ok->geometry())) << "the window grew with its box";
            if (crossed == 7) SaveScreenshot(w, "end-all-limits");
            PressKey(Qt::Key_Return)(w);
        });
        Session().Tick();
        ASSERT_TRUE(end.Answered());
        QStringList named;
        for (int limit = 0; limit < 3; ++limit)
            if (crossed & 1 << limit) named << causes[limit];
        EXPECT_EQ(lines.join(""), named.join("、") + "。捕まってしまった......");
    }
}

}  // namespace
}  // namespace zormade::test
