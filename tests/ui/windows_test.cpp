// SPDX-License-Identifier: GPL-3.0-or-later
#include <QGuiApplication>
#include <QLabel>
#include <QScreen>
#include <QScrollBar>
#include <QTest>

#include "app_fixture.h"
#include "core/event_catalogue.h"
#include "platform/dialog_units.h"
#include "platform/list_box.h"
#include "platform/message_box.h"
#include "platform/multi_line_edit.h"
#include "platform/resources.h"
#include "platform/text_ids.h"
#include "platform/translation.h"
#include "ui/event_dialog.h"
#include "ui/event_text.h"
#include "ui_helpers.h"
#include "window_fit.h"

namespace zormade::test {
namespace {

using Answer = ModalSequence::Answer;

// Every event and both ends in each language, on the screen the run was given (ctest gives each of
// the four sizes a run): inside the screen, each text whole in its control, no two controls on
// each other. The menu windows and the board are the X desktop test's, on five screens.
class WindowsTest : public AppTest, public testing::WithParamInterface<const char*> {
protected:
    void SetUp() override {
        QCoreApplication::addLibraryPath(CHARTS_MODULE_DIR);
        ASSERT_TRUE(UseLanguage(QString::fromLatin1(GetParam())));
        InstallDialogFonts();
        AppTest::SetUp();
    }
    void TearDown() override {
        AppTest::TearDown();
        UseLanguage(kSourceLanguage);
        InstallDialogFonts();
    }

    static void Expect(QWidget* window, const QString& name) {
        ExpectOnScreen(window, name.toStdString(), [window] { return window->frameGeometry(); });
    }

    // Checks the window, then answers it with `answer`.
    static Answer Check(const QString& name, const Answer& answer = PressKey(Qt::Key_Escape)) {
        return [name, answer](QWidget* window) {
            Expect(window, name);
            answer(window);
        };
    }

    // Plays a month with no event.
    void PlayMonth() {
        NextDraws(0, 0);
        Session().Tick();
    }
};

// The prompt and its four answers, then each answer's result as the game tells it.
TEST_P(WindowsTest, EveryEventAndEachOfItsResults) {
    for (int index = 0; index < kEventCount; ++index) {
        const QString name = QStringLiteral("event %1").arg(index);
        SCOPED_TRACE(name.toStdString());
        // A row of the picture table, whose bitmaps the picture table's test holds.
        ASSERT_TRUE(EventPictureRow(EventRecordAt(index).pictureRow));
        EventDialog dialog(index);
        ASSERT_TRUE(dialog.IsBuilt());
        dialog.show();
        Expect(&dialog, name);
        // The prompt box would quietly shrink a line that is too wide: its face stays the dialog's.
        auto* prompt = &dialog.Control(EventDialog::kPromptId);
        EXPECT_EQ(prompt->font().pixelSize(), dialog.font().pixelSize());
        const QStringList lines = WindowText(prompt).split("\r\n");
        EXPECT_TRUE(lines.size() <= 2 && !lines.contains(QString()));
        // The four rows fill the list: the text is no smaller than the room for them needs.
        auto* list = &dialog.Control(EventDialog::kAnswerListId);
        const int bottom = list->visualItemRect(list->item(3)).bottom();
        EXPECT_FALSE(list->verticalScrollBar()->isVisible());
        EXPECT_TRUE(bottom > list->viewport()->height() * 9 / 10 &&
                    bottom <= list->viewport()->height())
            << bottom;
        dialog.hide();
        for (int answer = 0; answer < 4; ++answer) {
            ModalAnswer box(Check(name + QStringLiteral(" result %1").arg(answer + 1),
                                  PressKey(Qt::Key_Return)));
            ShowMessageBox(&Frame(), EventResultText(index, answer),
                           ResourceText(TextId::ResultCaption), MessageBoxKind::Plain);
            EXPECT_TRUE(box.Answered()) << name.toStdString();
        }
    }
}

// A capture with all three limits crossed gives the longest end line, in the end dialog and the
// graph; a clear high in the table opens the name entry and the ranking.
TEST_P(WindowsTest, BothEndsTheNameEntryTheRankingAndTheGraph) {
    StartGame();
    StatusValues& values = Session().GameRun().State().values;
    values.stamina = 0;
    values.rivalPower = values.suspicion = 9000;
    PlayMonth();
    ModalAnswer capture(Check(QStringLiteral("capture"), PressKey(Qt::Key_Return)));
    Session().Tick();
    ASSERT_TRUE(capture.Answered());
    ModalAnswer captureGraph(Check(QStringLiteral("graph of a capture")));
    Trigger("graph");
    EXPECT_TRUE(captureGraph.Answered());

    StartGame();
    GameState& state = Session().GameRun().State();
    state.year = 1996;
    state.month = 11;
    PlayMonth();
    state.values.patients = 10000;
    state.values.money = 1500000;
    ModalSequence windows({Check(QStringLiteral("clear"), PressKey(Qt::Key_Return)),
                           Check(QStringLiteral("name entry"), PressKey(Qt::Key_Return)),
                           Check(QStringLiteral("ranking after a clear"))});
    Session().Tick();
    ASSERT_TRUE(windows.Done());
    ModalAnswer clearGraph(Check(QStringLiteral("graph of a clear")));
    Trigger("graph");
    EXPECT_TRUE(clearGraph.Answered());
}

INSTANTIATE_TEST_SUITE_P(InEachLanguage, WindowsTest, testing::Values("ja", "en"));

}  // namespace
}  // namespace zormade::test
