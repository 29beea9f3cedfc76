// SPDX-License-Identifier: GPL-3.0-or-later
#include <QDir>
#include <QFile>
#include <QHelpEvent>
#include <QLabel>
#include <QListWidget>
#include <QScreen>
#include <QScrollBar>
#include <QStringConverter>
#include <QStyle>
#include <QTest>
#include <QToolTip>

#include "app_fixture.h"
#include "core/event_catalogue.h"
#include "platform/list_box.h"
#include "platform/message_box.h"
#include "platform/multi_line_edit.h"
#include "platform/resources.h"
#include "ui/event_dialog.h"
#include "ui_helpers.h"
#include "window_fit.h"

namespace zormade::test {
namespace {

using EventTextFitTest = AppTest;

// Measured in the dialog's own face and size on the controls as they are shown: the prompt box
// would quietly shrink a line that is too wide, so its font must still be the dialog's.
TEST_F(EventTextFitTest, EveryPictureIsThereAndEveryPromptAndAnswerFitsItsControl) {
    for (int index = 0; index < kEventCount; ++index) {
        SCOPED_TRACE("event " + std::to_string(index));
        EventDialog dialog(index);
        ASSERT_TRUE(dialog.IsBuilt());
        dialog.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));

        // A row of the picture table, whose bitmaps the picture table's test holds.
        ASSERT_TRUE(EventPictureRow(EventRecordAt(index).pictureRow));

        auto* prompt = &dialog.Control(EventDialog::kPromptId);
        EXPECT_EQ(prompt->font().pixelSize(), dialog.font().pixelSize());
        const QStringList lines = WindowText(prompt).split("\r\n");
        EXPECT_TRUE(lines.size() <= 2 && !lines.contains(QString()) && ShownWhole(prompt))
            << WindowText(prompt).toStdString();

        auto* list = &dialog.Control(EventDialog::kAnswerListId);
        EXPECT_FALSE(list->verticalScrollBar()->isVisible());
        // The four rows fill the list: the text is no smaller than the room for them needs.
        EXPECT_GT(list->visualItemRect(list->item(3)).bottom(),
                  list->viewport()->height() * 9 / 10);
        EXPECT_LE(list->visualItemRect(list->item(3)).bottom(), list->viewport()->height());
        EXPECT_TRUE(ShownWhole(list));

        if (QList<int>{0, 13, 27, 41}.contains(index))
            SaveScreenshot(&dialog, QStringLiteral("event-%1").arg(index));
        dialog.hide();
    }
}

QRect ScreenArea() { return QGuiApplication::primaryScreen()->availableGeometry(); }

// A small screen narrows a message box; its lines must still break only where the text does.
TEST_F(EventTextFitTest, EveryResultKeepsItsLinesWholeOnTheScreen) {
    for (int index = 0; index < kEventCount; ++index) {
        for (const auto& answer : EventRecordAt(index).answers) {
            ModalAnswer box([&](QWidget* window) {
                const auto* label = window->findChild<QLabel*>(QStringLiteral("qt_msgbox_label"));
                EXPECT_TRUE(ScreenArea().contains(window->geometry())) << answer.result;
                EXPECT_TRUE(label && LinesStayWhole(label)) << answer.result;
                if (index == 37)
                    SaveScreenshot(window, "result-37-" + QString::fromUtf8(answer.text).left(1));
                PressKey(Qt::Key_Return)(window);
            });
            ShowMessageBox(&Frame(), QString::fromUtf8(answer.result), QStringLiteral("結果"),
                           MessageBoxKind::Plain);
        }
    }
}

// A tip of a few lines, shown whole on the screen where the pointer rests over its control.
TEST_F(EventTextFitTest, EverySliderAndStatusBarExplainsItselfInATipThatFits) {
    for (const int id : {1001, 1002, 1005, 1006, 1015, 1016, 1020, 1021, 1022, 1023}) {
        QWidget* control = View().Item<QWidget>(id);
        const QString tip = control->toolTip();
        EXPECT_TRUE(!tip.isEmpty() && tip.count('\n') <= 3) << id;
        // Qt asks whatever lies topmost under the pointer, as here.
        QWidget* form = control->parentWidget();
        const QPoint centre = control->geometry().center();
        QWidget* under = form->childAt(centre);
        ASSERT_NE(under, nullptr) << id;
        QHelpEvent ask(QEvent::ToolTip, under->mapFrom(form, centre), form->mapToGlobal(centre));
        QApplication::sendEvent(under, &ask);
        QLabel* shown = nullptr;
        ASSERT_TRUE(QTest::qWaitFor([&] {
            for (QWidget* w : QApplication::topLevelWidgets())
                if (w->inherits("QTipLabel") && w->isVisible()) shown = static_cast<QLabel*>(w);
            return shown && shown->text() == tip;
        })) << id;
        EXPECT_TRUE(ScreenArea().contains(shown->geometry())) << id;
    }
    QToolTip::hideText();
}

// Strict: a character the code page holds only as a look-alike (a wave dash U+301C, a minus
// U+2212) does not come back as itself.
bool RoundTripsThroughCp932(const QString& text) {
    QStringEncoder encode("windows-31j");
    QStringDecoder decode("windows-31j");
    const QString back = decode(encode(text));
    return encode.isValid() && decode.isValid() && !encode.hasError() && back == text;
}

TEST(TextEncoding, EveryTextOfTheGameRoundTripsThroughCodePage932) {
    EXPECT_TRUE(RoundTripsThroughCp932(QStringLiteral("ナガレ薬研～－")));
    for (const char16_t lookAlike : {u'\u301C', u'\u2212'})
        EXPECT_FALSE(RoundTripsThroughCp932(QString(QChar(lookAlike))));
    for (int index = 0; index < kEventCount; ++index) {
        const EventRecord& event = EventRecordAt(index);
        std::vector<const char*> texts{event.prompt};
        for (const auto& answer : event.answers)
            texts.insert(texts.end(), {answer.text, answer.result});
        for (const char* text : texts)
            EXPECT_TRUE(RoundTripsThroughCp932(QString::fromUtf8(text))) << text;
    }
    QStringList files = {":/strings.json", ":/menus/128.json"};
    for (const QString& name : QDir(":/templates").entryList()) files << ":/templates/" + name;
    EXPECT_GE(files.size(), 11) << "the strings, the menu and at least the nine templates";
    for (const QString& path : files) {
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::ReadOnly) &&
                    RoundTripsThroughCp932(QString::fromUtf8(file.readAll())))
            << path.toStdString();
    }
}

}  // namespace
}  // namespace zormade::test
