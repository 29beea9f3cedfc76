// SPDX-License-Identifier: GPL-3.0-or-later
#include <QAccessible>
#include <QDir>
#include <QLabel>
#include <QScreen>
#include <QTemporaryDir>
#include <QWindow>

#include "app_fixture.h"
#include "platform/classic_look.h"
#include "platform/control_set.h"
#include "platform/dialog_template.h"
#include "platform/dialog_units.h"
#include "platform/message_box.h"
#include "platform/sized_files_icon.h"
#include "platform/text_fit.h"
#include "platform/translation.h"
#include "platform/window_pos.h"
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
    const QFont face = DialogFont(DialogFace(), 14);  // 19 pixels
    const auto width = [&face](const QString& text, int size) {
        QFont font = face;
        font.setPixelSize(size);
        return QFontMetrics(font).horizontalAdvance(text);
    };
    const struct {
        const char* text;
        int room;
        int floor;
    } cases[] = {
        {"ナガレ薬研信頼", width("ナガレ薬研信頼", 19), 14},
        {"ナガレ薬研信頼", width("ナガレ薬研信頼", 17), 14},
        {"ナガレ薬研信頼", width("ナガレ薬研信頼", 16) - 1, 14},
        {"ナガレ薬研信頼", 10, 14},
        {"4294967295", width("4294967295", 13) + 1, 9},
        {"4294967295", 10, 9},
    };
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

// Each size is read from its file when first asked for, not when the icon is made; a size
// between two drawn ones is the larger scaled down.
TEST(SizedFilesIcon, ReadsASizeWhenItIsFirstAskedFor) {
    QTemporaryDir folder;
    const QString pattern = folder.filePath(QStringLiteral("icon-%1.png"));
    const auto drawn = [&pattern](int side, Qt::GlobalColor colour) {
        QImage image(side, side, QImage::Format_RGB32);
        image.fill(colour);
        ASSERT_TRUE(image.save(pattern.arg(side)));
    };
    drawn(16, Qt::blue);
    drawn(32, Qt::blue);
    const QIcon icon = SizedFilesIcon(pattern, {16, 32});
    EXPECT_EQ(icon.availableSizes(), (QList<QSize>{{16, 16}, {32, 32}}));
    drawn(32, Qt::red);
    const QImage big = icon.pixmap(32, 32).toImage();
    EXPECT_EQ(big.size(), QSize(32, 32));
    EXPECT_EQ(big.pixelColor(5, 5), QColor(Qt::red)) << "the 32 was read before it was asked for";
    const QImage between = icon.pixmap(24, 24).toImage();
    EXPECT_EQ(between.size(), QSize(24, 24));
    EXPECT_EQ(between.pixelColor(12, 12), QColor(Qt::red)) << "24 comes from 32, not from 16";
    EXPECT_EQ(icon.pixmap(16, 16).toImage().pixelColor(3, 3), QColor(Qt::blue));
}

// A window already on screen goes on top in place, not made anew.
TEST(WindowPos, AShownWindowGoesOnTopInPlace) {
    QWidget window;
    window.show();
    QWindow* const native = window.windowHandle();
    ShowOnTop(&window, QRect(10, 20, 300, 200));
    EXPECT_EQ(window.windowHandle(), native);
    EXPECT_TRUE(native->flags().testFlag(Qt::WindowStaysOnTopHint));
    EXPECT_TRUE(window.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
}

// A line wider than the screen (a long path in a failed save) wraps within the screen.
TEST(ShowMessageBox, ALineWiderThanTheScreenWrapsOnIt) {
    int width = 0;
    ModalAnswer box([&width](QWidget* w) {
        width = w->frameGeometry().width();
        PressKey(Qt::Key_Return)(w);
    });
    ShowMessageBox(nullptr, QString(400, QChar(u'長')), QString(), MessageBoxKind::Stop);
    ASSERT_TRUE(box.Answered());
    EXPECT_GT(width, 0);
    EXPECT_LE(width, QGuiApplication::primaryScreen()->availableGeometry().width());
}

// Qt's own style option keeps the player's choice; a look-alike option or an empty override does
// not.
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

// A slip in a template refuses it with a message naming the template, the control and the word.
TEST(ControlIds, ATemplateWithAnUnknownKindOrStyleIsRefusedSayingWhy) {
    const struct {
        const char* json;
        const char* error;
    } cases[] = {
        {R"({"style": ["child"], "controls": [{"kind": "static"}, {"kind": "slider"}]})",
         R"(template 7, control 2: unknown kind "slider")"},
        {R"({"controls": [{"kind": "edit", "style": ["readonly", "rightt"]}]})",
         R"(template 7, control 1: unknown style "rightt")"},
        {R"({"style": ["popup", "bordre"], "controls": []})",
         R"(template 7: unknown style "bordre")"},
        {"[1, 2]", "template 7: not a JSON object"},
    };
    for (const auto& c : cases) {
        QString error;
        EXPECT_FALSE(ParseDialogTemplate(7, c.json, &error)) << c.json;
        EXPECT_EQ(error, QString::fromUtf8(c.error));
    }
    QString error;
    const auto good = ParseDialogTemplate(
        7, R"({"style": ["popup"], "controls": [{"kind": "edit", "style": ["readonly"]}]})",
        &error);
    ASSERT_TRUE(good);
    EXPECT_TRUE(error.isEmpty() && good->controls.size() == 1 && good->controls[0].Has("readonly"));
}

// A translation was not drawn into the layout: a one-line label too narrow for it first takes the
// free room on its row, up to its neighbours' edges and inside its group box's line, and only then
// is drawn smaller.
TEST(ControlSet, AOneLineLabelInATranslationWidensIntoItsRowsRoomBeforeItShrinks) {
    QString error;
    auto dialog = ParseDialogTemplate(7, R"({"controls": [
        {"kind": "groupbox", "text": "Box", "rect": [4, 4, 150, 80]},
        {"kind": "static", "rect": [10, 14, 20, 8]},
        {"kind": "button", "text": "A", "rect": [110, 12, 30, 12]},
        {"kind": "static", "rect": [10, 30, 20, 8]},
        {"kind": "button", "text": "B", "rect": [60, 28, 30, 12]},
        {"kind": "static", "rect": [10, 46, 20, 8]},
        {"kind": "static", "rect": [10, 62, 20, 8]},
        {"kind": "button", "text": "C", "rect": [30, 60, 30, 12]},
        {"kind": "button", "text": "D", "rect": [6, 74, 30, 8]},
        {"kind": "static", "style": ["right"], "rect": [36, 74, 20, 8]},
        {"kind": "static", "style": ["right"], "rect": [2, 90, 20, 8]}]})",
                                      &error);
    ASSERT_TRUE(dialog) << error.toStdString();
    const auto drawn = [&dialog](std::size_t i) {
        return DialogUnitsToPixels(dialog->controls[i].rect, dialog->pointSize);
    };
    const auto end = [](const QRect& r) { return r.x() + r.width(); };
    // Where each label ends up, its text too long for that room until drawn a size smaller.
    // clang-format off
    const struct { const char* what; std::size_t label; int left, right; } cases[] = {
        {"up to the neighbour", 3, drawn(3).x(), drawn(4).x()},
        {"up to the box's line", 5, drawn(5).x(), end(drawn(0)) - 3},
        {"a neighbour at its right edge", 6, drawn(6).x(), end(drawn(6))},
        {"a neighbour at its left edge", 9, drawn(9).x(), end(drawn(9))},
        {"up to the window's left edge", 10, 0, end(drawn(10))},
    };
    // clang-format on
    QWidget host;
    host.resize(600, 400);
    host.setFont(DialogFont(DialogFace(), dialog->pointSize));
    const auto wider = [&host](int room) {
        QString text;
        while (host.fontMetrics().horizontalAdvance(text) <= room * 11 / 10)
            text += QLatin1Char(static_cast<char>('a' + text.size() % 26));
        return text;
    };
    // Label 1 has room enough beside it.
    dialog->controls[1].text = wider(drawn(1).width() * 3 / 2);
    for (const auto& c : cases) dialog->controls[c.label].text = wider(c.right - c.left);
    ASSERT_TRUE(UseLanguage(QStringLiteral("en")));
    ControlSet controls;
    controls.Build(&host, *dialog);
    UseLanguage(kSourceLanguage);
    const std::vector<QWidget*>& all = controls.All();
    const int size = host.font().pixelSize();
    for (const auto& c : cases) {
        EXPECT_EQ(std::pair(all[c.label]->x(), end(all[c.label]->geometry())),
                  std::pair(c.left, c.right))
            << c.what;
        EXPECT_LT(all[c.label]->font().pixelSize(), size) << c.what;
    }
    const QRect roomy = all[1]->geometry();
    EXPECT_TRUE(roomy.x() == drawn(1).x() && end(roomy) > end(drawn(1)) &&
                end(roomy) < drawn(2).x())
        << roomy.x() << ", " << end(roomy);
    EXPECT_EQ(all[1]->font().pixelSize(), size);
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
    auto* money = QAccessible::queryAccessibleInterface(&View().Control(Board::kMoneyEdit));
    ASSERT_NE(money, nullptr);
    EXPECT_EQ(money->text(QAccessible::Name), "所持金");
    EXPECT_EQ(money->text(QAccessible::Value), "1500000");
}

}  // namespace
}  // namespace zormade::test
