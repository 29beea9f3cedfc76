// SPDX-License-Identifier: GPL-3.0-or-later
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>

#include "app_fixture.h"
#include "core/event_catalogue.h"
#include "platform/list_box.h"
#include "platform/multi_line_edit.h"
#include "platform/picture_control.h"
#include "platform/resources.h"
#include "ui_helpers.h"

namespace zormade::test {
namespace {

QListWidget* AnswerList(const EventDialog& d) { return &d.Control(EventDialog::kAnswerListId); }

using EventDialogTest = AppTest;

TEST_F(EventDialogTest, OpensWithThePromptAndTheAnswersInOrderTheFirstSelected) {
    EventAnswer answer(0, PressKey(Qt::Key_Escape));
    answer.whileDialogOpen = [](EventDialog& d) {
        const EventRecord& event = EventRecordAt(22);
        QListWidget* list = AnswerList(d);
        auto* confirm = &d.Control(EventDialog::kConfirmId);
        QStringList texts{d.windowTitle(), d.Control(EventDialog::kPromptId).Text(),
                          confirm->text()};
        QStringList expected{"EVENT", event.prompt, "決定"};
        for (int i = 0; i < list->count(); ++i) texts << list->item(i)->text();
        for (const auto& a : event.answers) expected << a.text;
        EXPECT_EQ(texts, expected);
        EXPECT_FALSE(d.windowFlags() & Qt::WindowCloseButtonHint);
        EXPECT_EQ(d.Control(EventDialog::kPromptId).document()->lineCount(), 2);
        EXPECT_TRUE(list->currentRow() == 0 && list->item(0)->isSelected() &&
                    d.focusWidget() == list);
        EXPECT_FALSE(confirm->isDefault());
        SaveScreenshot(&d, "event-22");
    };
    EXPECT_EQ(Frame().AnswerEvent(22), 0);
    EXPECT_TRUE(answer.BoxAnswered());
}

// A double-click is handled as it arrives: had it chosen, the dialog would be gone already. The
// board tells the answer's result once the dialog has gone.
TEST_F(EventDialogTest, EnterEscapeAndTheButtonEachTakeTheSelectedAnswerADoubleClickOnlySelects) {
    const auto doubleClickThird = [](QWidget* w) {
        QListWidget* list = AnswerList(*qobject_cast<EventDialog*>(w));
        const QPoint third = list->visualItemRect(list->item(2)).center();
        // A real double-click begins with a click; the item view ignores one without it.
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, third);
        QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, third);
        EXPECT_TRUE(w->isVisible());
        ClickButton("決定")(w);
    };
    // clang-format off
    const struct { const char* name; int row; ModalSequence::Answer close; int chosen; } cases[] = {
        {"Enter with the list focused, first answer", 0, PressKey(Qt::Key_Return), 0},
        {"Escape, fourth answer", 3, PressKey(Qt::Key_Escape), 3},
        {"決定, second answer", 1, ClickButton("決定"), 1},
        {"a double-click on the third, then 決定", 0, doubleClickThird, 2},
    };
    // clang-format on
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EventAnswer answer(c.row, c.close);
        // A plain box over the board, with the dialog hidden under it.
        EventDialog* dialog = nullptr;
        answer.whileDialogOpen = [&](EventDialog& d) { dialog = &d; };
        bool plainBoxOverTheBoard = false;
        answer.whileBoxOpen = [&](QWidget* window) {
            auto* box = qobject_cast<QMessageBox*>(window);
            plainBoxOverTheBoard = dialog && !dialog->isVisible() && box &&
                                   box->icon() == QMessageBox::NoIcon &&
                                   box->buttons().size() == 1 && box->parentWidget() == &Frame();
        };
        EXPECT_EQ(Frame().AnswerEvent(41), c.chosen);

        ASSERT_TRUE(answer.BoxAnswered());
        QString result = EventRecordAt(41).answers[c.chosen].result;
        EXPECT_EQ(answer.Box().TitleAndText(), QStringList({"結果", result.replace("\r\n", "\n")}));
        EXPECT_TRUE(plainBoxOverTheBoard);
    }
}

struct CountingEventDialog : EventDialog {
    CountingEventDialog() : EventDialog(3) {}
    int paints = 0;
    void paintEvent(QPaintEvent* event) override {
        ++paints;
        EventDialog::paintEvent(event);
    }
};

// Event 3 shows 284 × 227 pixels of bitmap 151 stretched over the 330-pixel control, drawn again
// by every paint of the dialog, and drawing it asks for no further paint.
TEST_F(EventDialogTest, EveryPaintDrawsThePictureStretchedOverTheControl) {
    const QImage bitmap = LoadBitmap(151);
    CountingEventDialog dialog;
    ASSERT_TRUE(dialog.IsBuilt());
    dialog.show();
    QImage& canvas = dialog.Control(EventDialog::kPictureId).Canvas();
    ASSERT_TRUE(QTest::qWaitFor([&] { return dialog.paints > 0; }));
    EXPECT_EQ(canvas.width(), EventDialog::kPictureSize);
    EXPECT_EQ(canvas.pixel(0, 0), bitmap.pixel(0, 0));
    EXPECT_EQ(qAlpha(canvas.pixel(canvas.width() - 1, canvas.height() - 1)), 255)
        << "a copy without stretching ends at 284";

    QCoreApplication::processEvents();
    const int settled = dialog.paints;
    QCoreApplication::processEvents();
    EXPECT_EQ(dialog.paints, settled);

    canvas.fill(Qt::transparent);
    dialog.repaint();
    EXPECT_EQ(canvas.pixel(0, 0), bitmap.pixel(0, 0)) << "uncovering draws the picture again";
    dialog.hide();
}

}  // namespace
}  // namespace zormade::test
