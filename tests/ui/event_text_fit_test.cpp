#include <QListWidget>
#include <QScrollBar>
#include <QStyle>
#include <QTest>

#include "app_fixture.h"
#include "events/event_catalogue.h"
#include "events/event_dlg.h"
#include "platform/multi_line_edit.h"
#include "ui_helpers.h"

namespace zormade::test {
namespace {

using EventTextFitTest = AppTest;

// Measured in the dialog's own face and size on the controls as they are shown: the prompt box
// would quietly shrink a line that is too wide, so its font must still be the dialog's.
TEST_F(EventTextFitTest, EveryPromptAndAnswerFitsItsControl) {
    const QList<int> screenshots = {0, 13, 27, 41};
    for (int index = 0; index < kEventCount; ++index) {
        CEventDlg dialog;
        dialog.LoadEvent(index);
        ASSERT_TRUE(dialog.Create());
        dialog.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));

        const QFontMetrics face(dialog.font());
        auto* prompt = dialog.Item<MultiLineEdit>(CEventDlg::kPromptId);
        EXPECT_EQ(prompt->font().pixelSize(), dialog.font().pixelSize()) << "event " << index;
        const int margin = static_cast<int>(prompt->document()->documentMargin());
        const QStringList lines = dialog.promptText.split("\r\n");
        EXPECT_LE(lines.size(), 2) << "event " << index;
        EXPECT_LE(lines.size() * face.lineSpacing() + 2 * margin, prompt->viewport()->height())
            << "event " << index;
        for (const QString& line : lines) {
            EXPECT_FALSE(line.isEmpty()) << "event " << index;
            EXPECT_LE(face.horizontalAdvance(line), prompt->viewport()->width() - 2 * margin)
                << "event " << index << ": " << line.toStdString();
        }

        auto* list = dialog.Item<QListWidget>(CEventDlg::kAnswerListId);
        const int textMargin =
            list->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, list) + 1;
        EXPECT_FALSE(list->verticalScrollBar()->isVisible()) << "event " << index;
        EXPECT_LE(list->visualItemRect(list->item(3)).bottom(), list->viewport()->height())
            << "event " << index;
        for (int row = 0; row < list->count(); ++row) {
            const QString text = list->item(row)->text();
            EXPECT_LE(QFontMetrics(list->font()).horizontalAdvance(text),
                      list->viewport()->width() - 2 * textMargin)
                << "event " << index << ": " << text.toStdString();
        }

        if (screenshots.contains(index)) SaveScreenshot(&dialog, QStringLiteral("event-%1").arg(index));
        dialog.hide();
    }
}

}  // namespace
}  // namespace zormade::test
