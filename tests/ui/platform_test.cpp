// SPDX-License-Identifier: GPL-3.0-or-later
#include <QAccessible>
#include <QCheckBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QTest>
#include <QWindow>

#include "app_fixture.h"
#include "platform/cdialog.h"
#include "platform/classic_look.h"
#include "platform/control_set.h"
#include "platform/dialog_template.h"
#include "platform/dialog_units.h"
#include "platform/form_view.h"
#include "platform/list_box.h"
#include "platform/message_box.h"
#include "platform/multi_line_edit.h"
#include "platform/picture_control.h"
#include "platform/text_fit.h"
#include "platform/window_pos.h"
#include "ui/end_dlg.h"
#include "ui/option_dlg.h"
#include "ui/rank_in_dlg.h"
#include "ui_helpers.h"

namespace zormade::test {
namespace {

TEST(DialogUnits, MapEachEdgeWithTheFacesBaseUnits) {
    // clang-format off
    const struct { const char* name; QRect dlu; int pointSize; QRect pixels; } cases[] = {
        {"event picture", {24, 1, 165, 170}, 11, {48, 2, 330, 319}},
        {"ending picture", {6, 18, 115, 100}, 12, {14, 36, 258, 200}},
        {"the form", {0, 0, 215, 203}, 14, {0, 0, 538, 482}},
        {"opening picture", {0, 0, 229, 210}, 9, {0, 0, 344, 315}},
        {"a face without its own row", {0, 0, 8, 8}, 10, {0, 0, 14, 13}},
    };
    // clang-format on
    for (const auto& c : cases)
        EXPECT_EQ(DialogUnitsToPixels(c.dlu, c.pointSize), c.pixels) << c.name;
}

// A window as large as its room keeps the template's face; a pixel less either way takes a smaller
// face that fits; a room too small for any stops at the smallest legible face.
TEST(DialogUnits, AWindowTakesTheLargestFaceItsRoomHolds) {
    const QSize form(215, 203), frame(8, 30), exact = QSize(538, 482) + frame;
    EXPECT_EQ(FittingUnits(form, 14, frame, exact), BaseUnitsFor(14));
    for (const QSize room : {exact - QSize(1, 0), exact - QSize(0, 1)}) {
        const BaseUnits smaller = FittingUnits(form, 14, frame, room);
        const QSize needs = DialogUnitsToPixels(QRect(QPoint(0, 0), form), smaller).size() + frame;
        EXPECT_TRUE(smaller.pixelHeight < BaseUnitsFor(14).pixelHeight &&
                    room.expandedTo(needs) == room);
    }
    EXPECT_EQ(FittingUnits(form, 14, frame, QSize(100, 100)).pixelHeight, 10);
}

// A text too wide for its control takes the largest size that fits, never below 3/4 of its own;
// a number may go down to half.
TEST(TextFit, ShrinksToTheLargestSizeThatFitsAndNoFurtherThanItsFloor) {
    const QFont face = DialogFont(kDialogFace, 14);  // 19 pixels
    const auto width = [&face](const QString& text, int size) {
        QFont font = face;
        font.setPixelSize(size);
        return QFontMetrics(font).horizontalAdvance(text);
    };
    // clang-format off
    const struct { const char* text; int room; int floor; } cases[] = {
        {"ナガレ薬研信頼", width("ナガレ薬研信頼", 19), 14}, {"ナガレ薬研信頼", width("ナガレ薬研信頼", 17), 14},
        {"ナガレ薬研信頼", width("ナガレ薬研信頼", 16) - 1, 14}, {"ナガレ薬研信頼", 10, 14},
        {"4294967295", width("4294967295", 13) + 1, 9}, {"4294967295", 10, 9},
    };
    // clang-format on
    for (const auto& c : cases) {
        QLabel label;
        label.setFont(face);
        ShrinkFontToFit(&label, c.text, c.room);
        const int size = label.font().pixelSize();
        const bool fits = width(c.text, size) <= c.room;
        EXPECT_TRUE(size >= c.floor && (fits || size == c.floor) &&
                    (size == 19 || width(c.text, size + 1) > c.room))
            << c.text << " in " << c.room << " took " << size;
    }
}

// A window already on screen changes layer in place, not made anew, and its record follows.
TEST(WindowPos, AShownWindowChangesLayerInPlace) {
    QWidget window;
    window.show();
    QWindow* const native = window.windowHandle();
    for (const bool top : {true, false}) {
        SetWindowPos(&window, top ? WindowLayer::TopMost : WindowLayer::Normal, 10, 20, 300, 200);
        EXPECT_EQ(window.windowHandle(), native);
        EXPECT_EQ(native->flags().testFlag(Qt::WindowStaysOnTopHint), top);
        EXPECT_EQ(window.windowFlags().testFlag(Qt::WindowStaysOnTopHint), top);
    }
}

// A line wider than the screen (a long path in a failed save) wraps within the screen.
TEST(MessageBox, ALineWiderThanTheScreenWrapsOnIt) {
    int width = 0;
    ModalAnswer box([&width](QWidget* w) {
        width = w->frameGeometry().width();
        PressKey(Qt::Key_Return)(w);
    });
    MessageBox(nullptr, QString(400, QChar(u'長')), QString(), MessageBoxKind::Stop);
    ASSERT_TRUE(box.Answered());
    EXPECT_GT(width, 0);
    EXPECT_LE(width, QGuiApplication::primaryScreen()->availableGeometry().width());
}

struct FormForTest : CFormView {
    FormForTest() : CFormView(101) {}
    int money = 0, month = 0;
    void DoDataExchange(DataExchange* pDX) override {
        DDX_Text(pDX, 1015, money);
        DDX_Text(pDX, 1017, month);
    }
};

TEST(DataExchange, NumbersGoBothWaysAndBadTextIsRefused) {
    FormForTest form;
    ASSERT_TRUE(form.Create());
    form.money = -1500000;
    form.month = 12;
    ASSERT_TRUE(form.UpdateData(false));
    EXPECT_EQ(WindowText(form.GetDlgItem(1015)), "-1500000");
    SetWindowText(form.GetDlgItem(1017), " 7 ");
    ASSERT_TRUE(form.UpdateData(true));
    EXPECT_EQ(form.month, 7);

    SetWindowText(form.GetDlgItem(1015), "12a");
    ModalAnswer box(ClickButton("OK"));
    EXPECT_FALSE(form.UpdateData(true));
    EXPECT_TRUE(box.Answered());
    EXPECT_EQ(form.money, -1500000);
}

// Qt's own style option keeps the player's choice; a look-alike option or an empty override does not.
TEST(ClassicLook, GivesWayOnlyToAStyleThePlayerChose) {
    // clang-format off
    const struct { std::vector<const char*> args; const char* override; bool chosen; } cases[] = {
        {{"zormade", "-style", "fusion"}, "", true},
        {{"zormade", "--style=fusion"}, "", true},
        {{"zormade", "-stylesheet", "a.qss"}, "", false},
        {{"zormade"}, "fusion", true},
    };
    // clang-format on
    const QByteArray before = qgetenv("QT_STYLE_OVERRIDE");
    for (const auto& c : cases) {
        qputenv("QT_STYLE_OVERRIDE", c.override);
        std::vector<char*> argv;
        for (const char* arg : c.args) argv.push_back(const_cast<char*>(arg));
        EXPECT_EQ(StyleChosenByUser(static_cast<int>(argv.size()), argv.data()), c.chosen)
            << c.args.back() << " " << c.override;
    }
    qputenv("QT_STYLE_OVERRIDE", before);
}

// Every control the windows reach by a typed id is in that window's template, of that type.
template <typename... T>
void ExpectControls(int templateId, ControlId<T>... ids) {
    CFormView form(templateId);
    ASSERT_TRUE(form.Create()) << templateId;
    const auto expect = [templateId](const QWidget* found, int id) {
        EXPECT_NE(found, nullptr) << "template " << templateId << ", control " << id;
    };
    (expect(form.Item<T>(ids), ids), ...);
}

TEST(ControlIds, EveryTypedIdIsInItsTemplateAsThatType) {
    ExpectControls(CZormadeView::kTemplateId, IDC_PROGRESS_STAMINA, IDC_PROGRESS_TRUST,
                   IDC_PROGRESS_RIVAL, IDC_PROGRESS_SUSPICION, IDC_EDIT_MONEY, IDC_EDIT_PATIENTS,
                   IDC_EDIT_MONTH, IDC_EDIT_YEAR, IDC_SLIDER_DOSE, IDC_SLIDER_DONATION,
                   IDC_SLIDER_DEMAND, IDC_SLIDER_COUNTER, IDC_LIST_LOG);
    ExpectControls(CEventDlg::kTemplateId, CEventDlg::kAnswerListId, CEventDlg::kPromptId,
                   CEventDlg::kPictureId, CEventDlg::kConfirmId);
    ExpectControls(CEndDlg::kTemplateId, CEndDlg::IDC_PICTURE, CEndDlg::IDC_TITLE,
                   CEndDlg::IDC_MESSAGE);
    ExpectControls(CRankInDlg::kTemplateId, CRankInDlg::IDC_POINTS, CRankInDlg::IDC_RANK,
                   CRankInDlg::IDC_NAME);
    ExpectControls(COptionDlg::kTemplateId, COptionDlg::IDC_SKIP_OPENING,
                   COptionDlg::IDC_LEVEL_FIRST, COptionDlg::IDC_SPEED_FIRST);
    ExpectControls(COpeningDlg::kTemplateId, COpeningDlg::kPictureId);
}

// Every control of every window has a name a screen reader can say: its own caption, or the
// label its template gives it.
TEST(Accessibility, EveryControlOfEveryWindowHasASpokenName) {
    const QStringList files = QDir(":/templates").entryList({"*.json"});
    ASSERT_GE(files.size(), 9);
    for (const QString& file : files) {
        const auto dialog = LoadDialogTemplate(file.section('.', 0, 0).toInt());
        ASSERT_TRUE(dialog) << file.toStdString();
        QWidget host;
        ControlSet controls;
        controls.Build(&host, *dialog);
        for (QWidget* control : controls.All()) {
            QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(control);
            EXPECT_TRUE(accessible && !accessible->text(QAccessible::Name).isEmpty())
                << "template " << dialog->id << ", control " << controls.IdOf(control) << " ("
                << control->metaObject()->className() << ")";
        }
    }
}

TEST_F(AppTest, TheMoneyEditTellsItsValueBesideItsName) {
    auto* money = QAccessible::queryAccessibleInterface(View().GetDlgItem(IDC_EDIT_MONEY));
    ASSERT_NE(money, nullptr);
    EXPECT_EQ(money->text(QAccessible::Name), "所持金");
    EXPECT_EQ(money->text(QAccessible::Value), "1500000");
}

}  // namespace
}  // namespace zormade::test
