#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>

#include "app_fixture.h"
#include "event_answer.h"
#include "events/event_catalogue.h"
#include "platform/multi_line_edit.h"
#include "platform/picture_control.h"
#include "platform/resources.h"

namespace zormade::test {
namespace {

struct Deltas {
    int stamina, money, patients, trust, rival, suspicion;
    bool operator==(const Deltas& o) const {
        return stamina == o.stamina && money == o.money && patients == o.patients &&
               trust == o.trust && rival == o.rival && suspicion == o.suspicion;
    }
};

Deltas DeltasOf(const CEventDlg& d) {
    return {d.staminaDelta, d.moneyDelta, d.patientDelta, d.trustDelta, d.rivalDelta, d.suspicionDelta};
}

std::ostream& operator<<(std::ostream& out, const Deltas& d) {
    return out << d.stamina << ' ' << d.money << ' ' << d.patients << ' ' << d.trust << ' '
               << d.rival << ' ' << d.suspicion;
}

QListWidget* AnswerList(const CEventDlg& d) { return d.Item<QListWidget>(CEventDlg::kAnswerListId); }

QString ResultText(int event, int answer) {
    return QString::fromUtf8(EventRecordAt(event).answers[answer].result);
}

using EventDlgTest = AppTest;

TEST_F(EventDlgTest, OpensWithThePromptAndTheAnswersInOrderTheFirstSelected) {
    CEventDlg dialog;
    dialog.LoadEvent(22);
    EventAnswer answer(0, PressKey(Qt::Key_Escape));
    answer.whileDialogOpen = [](CEventDlg& d) {
        EXPECT_EQ(d.windowTitle(), "EVENT");
        EXPECT_FALSE(d.windowFlags() & Qt::WindowCloseButtonHint);
        const EventRecord& event = EventRecordAt(22);
        EXPECT_EQ(WindowText(d.GetDlgItem(CEventDlg::kPromptId)), QString::fromUtf8(event.prompt));
        EXPECT_EQ(d.Item<MultiLineEdit>(CEventDlg::kPromptId)->document()->lineCount(), 2);
        QListWidget* list = AnswerList(d);
        ASSERT_EQ(list->count(), 4);
        for (int i = 0; i < 4; ++i) {
            EXPECT_EQ(list->item(i)->text(), QString::fromUtf8(event.answers[i].text)) << i;
        }
        EXPECT_EQ(list->currentRow(), 0);
        EXPECT_TRUE(list->item(0)->isSelected());
        EXPECT_EQ(d.focusWidget(), list);
        auto* confirm = d.Item<QPushButton>(IDOK);
        EXPECT_EQ(confirm->text(), "決定");
        EXPECT_FALSE(confirm->isDefault());
        EXPECT_EQ(d.GetDlgItem(CEventDlg::kPictureId)->width(), CEventDlg::kPictureSize);
        SaveScreenshot(&d, "event-22");
    };
    dialog.DoModal();
    EXPECT_TRUE(answer.BoxAnswered());
}

TEST_F(EventDlgTest, EnterEscapeAndTheButtonEachTakeTheSelectedAnswer) {
    struct Case {
        const char* name;
        int row;
        std::function<void(QWidget*)> close;
        Deltas expected;
    };
    const Case cases[] = {
        {"Enter with the list focused, first answer", 0, PressKey(Qt::Key_Return),
         {-1000, 0, 0, 0, 1000, 1000}},
        {"Escape, fourth answer", 3, PressKey(Qt::Key_Escape), {800, 200000, 0, 0, 0, 200}},
        {"決定, second answer", 1, ClickButton("決定"), {-400, 0, 0, 100, 0, 0}},
    };
    for (const Case& c : cases) {
        CEventDlg dialog;
        dialog.LoadEvent(41);
        EventAnswer answer(c.row, c.close);
        bool dialogHiddenUnderBox = false;
        QMessageBox::Icon icon = QMessageBox::Critical;
        qsizetype buttons = 0;
        QWidget* owner = nullptr;
        answer.whileBoxOpen = [&](QWidget* window) {
            dialogHiddenUnderBox = !dialog.isVisible();
            if (auto* box = qobject_cast<QMessageBox*>(window)) {
                icon = box->icon();
                buttons = box->buttons().size();
                owner = box->parentWidget();
            }
        };
        dialog.DoModal();

        ASSERT_TRUE(answer.BoxAnswered()) << c.name;
        EXPECT_EQ(dialog.selectedChoice, c.row) << c.name;
        EXPECT_EQ(DeltasOf(dialog), c.expected) << c.name;
        EXPECT_TRUE(dialogHiddenUnderBox) << c.name;
        EXPECT_EQ(answer.Box().title, "結果") << c.name;
        EXPECT_EQ(answer.Box().text, ResultText(41, c.row).replace("\r\n", "\n")) << c.name;
        EXPECT_EQ(icon, QMessageBox::NoIcon) << c.name;
        EXPECT_EQ(buttons, 1) << c.name;
        EXPECT_EQ(owner, &Frame()) << c.name;
    }
}

TEST_F(EventDlgTest, ADoubleClickOnlySelects) {
    CEventDlg dialog;
    dialog.LoadEvent(39);
    EventAnswer answer(0, ClickButton("決定"));
    answer.whileDialogOpen = [](CEventDlg& d) {
        QListWidget* list = AnswerList(d);
        const QPoint third = list->visualItemRect(list->item(2)).center();
        QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, third);
        QTest::qWait(50);
        EXPECT_TRUE(d.isVisible());
        EXPECT_EQ(QApplication::activeModalWidget(), &d);
        EXPECT_EQ(list->currentRow(), 2);
    };
    dialog.DoModal();
    ASSERT_TRUE(answer.BoxAnswered());
    EXPECT_EQ(dialog.selectedChoice, 2);
    EXPECT_EQ(DeltasOf(dialog), (Deltas{-100, 0, 0, 0, 400, 500}));
}

TEST_F(EventDlgTest, LoadingAnEventLeavesNothingOfAnEarlierOne) {
    CEventDlg dialog;
    dialog.LoadEvent(41);
    dialog.staminaDelta = dialog.moneyDelta = dialog.patientDelta = 7;
    dialog.trustDelta = dialog.rivalDelta = dialog.suspicionDelta = 7;

    dialog.LoadEvent(39);
    EXPECT_EQ(DeltasOf(dialog), (Deltas{0, 0, 0, 0, 0, 0}));
    const StatusChange first = ChangeOfChoice(dialog.eventData, 0);
    EXPECT_EQ((Deltas{first.stamina, first.money, first.patients, first.trust, first.rivalPower,
                      first.suspicion}),
              (Deltas{0, 0, 0, 0, 0, 0}))
        << "event 41's first answer must not survive";

    // Event 39's first answer changes nothing, and its result is still told.
    EventAnswer answer(0, PressKey(Qt::Key_Return));
    dialog.DoModal();
    ASSERT_TRUE(answer.BoxAnswered());
    EXPECT_EQ(answer.Box().text, ResultText(39, 0).replace("\r\n", "\n"));
    EXPECT_EQ(DeltasOf(dialog), (Deltas{0, 0, 0, 0, 0, 0}));
}

TEST_F(EventDlgTest, ALineWiderThanThePromptBoxScrollsInsteadOfWrapping) {
    CEventDlg dialog;
    dialog.LoadEvent(0);
    dialog.eventData.prompt = std::string(40, 'W') + "\r\n" + "short";
    EventAnswer answer(0, PressKey(Qt::Key_Escape));
    answer.whileDialogOpen = [](CEventDlg& d) {
        EXPECT_EQ(d.Item<MultiLineEdit>(CEventDlg::kPromptId)->document()->lineCount(), 2);
    };
    dialog.DoModal();
    EXPECT_TRUE(answer.DialogAnswered());
}

class CountingEventDlg : public CEventDlg {
public:
    int paints = 0;

protected:
    void OnPaint() override {
        ++paints;
        CEventDlg::OnPaint();
    }
};

// Event 3 shows 284 × 227 pixels of bitmap 151 stretched over the 330-pixel control.
TEST_F(EventDlgTest, EveryPaintDrawsThePictureStretchedOverTheControl) {
    const QImage bitmap = LoadBitmap(151);
    if (bitmap.isNull()) GTEST_SKIP() << "the program carries no bitmap 151 yet";
    CountingEventDlg dialog;
    dialog.LoadEvent(3);
    ASSERT_TRUE(dialog.Create());
    dialog.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
    QImage& canvas = dialog.Item<PictureControl>(CEventDlg::kPictureId)->Canvas();
    const QPoint farCorner(canvas.width() - 1, canvas.height() - 1);
    EXPECT_EQ(canvas.width(), CEventDlg::kPictureSize);
    EXPECT_EQ(canvas.pixel(0, 0), bitmap.pixel(0, 0));
    EXPECT_EQ(qAlpha(canvas.pixel(farCorner)), 255) << "a copy without stretching ends at 284";

    // Drawing must not ask for the paint that draws it again.
    const int paintsWhenShown = dialog.paints;
    QTest::qWait(200);
    EXPECT_LE(dialog.paints - paintsWhenShown, 1);

    canvas.fill(Qt::transparent);
    dialog.repaint();
    EXPECT_EQ(canvas.pixel(0, 0), bitmap.pixel(0, 0)) << "uncovering draws the picture again";
    dialog.hide();
}

}  // namespace
}  // namespace zormade::test
