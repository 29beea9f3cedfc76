#include <QDir>
#include <QFile>
#include <QLabel>
#include <QListWidget>
#include <QScreen>
#include <QScrollBar>
#include <QStringDecoder>
#include <QStringEncoder>
#include <QStyle>
#include <QTest>
#include <QToolTip>

#include "app_fixture.h"
#include "events/event_catalogue.h"
#include "events/event_dlg.h"
#include "platform/main_window.h"
#include "platform/message_box.h"
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


// Whether each of `text`'s lines is laid out on one line in `width` pixels of `face`.
bool LinesStayWhole(const QFontMetrics& face, int width, const QString& text) {
    for (const QString& line : text.split(QLatin1Char('\n'))) {
        if (face.boundingRect(QRect(0, 0, width, 10000), Qt::TextWordWrap, line).height() >= 2 * face.height()) {
            return false;
        }
    }
    return true;
}

QRect ScreenArea() { return QGuiApplication::primaryScreen()->availableGeometry(); }

// A small screen narrows a message box; its lines must still break only where the text does.
TEST_F(EventTextFitTest, EveryResultKeepsItsLinesWholeOnTheScreen) {
    for (int index = 0; index < kEventCount; ++index) {
        for (int answer = 0; answer < 4; ++answer) {
            const QString text = QString::fromUtf8(EventRecordAt(index).answers[answer].result);
            ModalAnswer box([&](QWidget* window) {
                auto* label = window->findChild<QLabel*>(QStringLiteral("qt_msgbox_label"));
                ASSERT_NE(label, nullptr);
                EXPECT_TRUE(ScreenArea().contains(window->geometry())) << "event " << index;
                EXPECT_TRUE(LinesStayWhole(label->fontMetrics(), label->contentsRect().width(), label->text()))
                    << "event " << index << ": " << text.toStdString();
                if (index == 37 && answer == 1) SaveScreenshot(window, QStringLiteral("result-37-2"));
                PressKey(Qt::Key_Return)(window);
            });
            MessageBox(MainWindow(), text, QStringLiteral("結果"), MB_OK);
            EXPECT_TRUE(box.Answered()) << "event " << index;
        }
    }
}

// A tip is one or two lines, shown whole on the screen beside its control.
TEST_F(EventTextFitTest, EverySliderAndStatusBarExplainsItselfInATipThatFits) {
    for (const int id : {1001, 1002, 1005, 1006, 1020, 1021, 1022, 1023}) {
        QWidget* control = View().GetDlgItem(id);
        const QString tip = control->toolTip();
        EXPECT_FALSE(tip.isEmpty()) << id;
        EXPECT_LE(tip.split(QLatin1Char('\n')).size(), 2) << id;
        QToolTip::showText(control->mapToGlobal(control->rect().center()), tip, control);
        QLabel* shown = nullptr;
        ASSERT_TRUE(QTest::qWaitFor([&] {
            for (QWidget* w : QApplication::topLevelWidgets()) {
                if (w->inherits("QTipLabel") && w->isVisible()) shown = static_cast<QLabel*>(w);
            }
            return shown != nullptr;
        })) << id;
        EXPECT_EQ(shown->text(), tip) << id;
        EXPECT_TRUE(ScreenArea().contains(shown->geometry())) << id;
        EXPECT_TRUE(LinesStayWhole(shown->fontMetrics(), shown->contentsRect().width(), tip)) << id;
        QToolTip::hideText();
        ASSERT_TRUE(QTest::qWaitFor([&] { return !shown->isVisible(); })) << id;
    }
}

// The briefing breaks its lines itself, so that no name is split between two.
TEST_F(EventTextFitTest, TheBriefingBreaksItsLinesOnlyWhereItsTextDoes) {
    int texts = 0;
    ModalAnswer briefing([&](QWidget* window) {
        for (QLabel* label : window->findChildren<QLabel*>()) {
            if (label->text().isEmpty() || !label->wordWrap()) continue;
            ++texts;
            EXPECT_TRUE(LinesStayWhole(label->fontMetrics(), label->contentsRect().width(), label->text()))
                << label->text().toStdString();
        }
        PressKey(Qt::Key_Escape)(window);
    });
    Trigger(ID_GAME_START);
    ASSERT_TRUE(briefing.Answered());
    EXPECT_EQ(texts, 2);
}

// Strict: a character the code page holds only as a look-alike (a wave dash U+301C, a minus
// U+2212) does not come back as itself.
bool RoundTripsThroughCp932(const QString& text) {
    QStringEncoder encode("windows-31j");
    QStringDecoder decode("windows-31j");
    if (!encode.isValid() || !decode.isValid()) return false;
    const QByteArray bytes = encode(text);
    const QString back = decode(bytes);
    return !encode.hasError() && back == text;
}

TEST(TextEncoding, EveryTextOfTheGameRoundTripsThroughCodePage932) {
    EXPECT_TRUE(RoundTripsThroughCp932(QStringLiteral("ナガレ薬研～－")));
    EXPECT_FALSE(RoundTripsThroughCp932(QString(QChar(0x301C))));
    EXPECT_FALSE(RoundTripsThroughCp932(QString(QChar(0x2212))));
    for (int index = 0; index < kEventCount; ++index) {
        const EventRecord& event = EventRecordAt(index);
        EXPECT_TRUE(RoundTripsThroughCp932(QString::fromUtf8(event.prompt))) << "event " << index;
        for (const auto& answer : event.answers) {
            EXPECT_TRUE(RoundTripsThroughCp932(QString::fromUtf8(answer.text))) << answer.text;
            EXPECT_TRUE(RoundTripsThroughCp932(QString::fromUtf8(answer.result))) << answer.result;
        }
    }
    QStringList files = {QStringLiteral(":/strings.json")};
    for (const QString& folder : {QStringLiteral(":/templates"), QStringLiteral(":/menus")}) {
        for (const QString& name : QDir(folder).entryList(QDir::Files)) files << folder + "/" + name;
    }
    EXPECT_GE(files.size(), 10);
    for (const QString& path : files) {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << path.toStdString();
        EXPECT_TRUE(RoundTripsThroughCp932(QString::fromUtf8(file.readAll()))) << path.toStdString();
    }
}

}  // namespace
}  // namespace zormade::test
