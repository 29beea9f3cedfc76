// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>
#include <xcb/xcb.h>

#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QSlider>
#include <QStyleOptionGroupBox>
#include <QStyleOptionSlider>
#include <QTest>
#include <algorithm>
#include <cstdlib>
#include <functional>
#include <memory>
#include <ostream>

#include "../ui/app_fixture.h"
#include "../ui/ui_helpers.h"
#include "../ui/window_fit.h"
#include "platform/dialog_units.h"
#include "platform/resources.h"
#include "platform/translation.h"

QT_BEGIN_NAMESPACE
inline std::ostream& operator<<(std::ostream& out, const QRect& r) {
    return out << r.width() << " x " << r.height() << " at (" << r.x() << ", " << r.y() << ")";
}
QT_END_NAMESPACE

namespace zormade::test {
namespace {

constexpr int kWaitMs = 10000;

template <typename T>
using Reply = std::unique_ptr<T, decltype(&std::free)>;

// The outer frame of top-level window `window` as the X server sees it: the window manager's
// frame round it, decoration included; null while it has none or the server cannot say.
QRect OuterFrame(WId window) {
    auto* x = qGuiApp->nativeInterface<QNativeInterface::QX11Application>()->connection();
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(x)).data->root;
    // Climb to the window manager's frame: the ancestor whose parent is the root. A window that
    // is itself a child of the root has no frame yet.
    auto frame = static_cast<xcb_window_t>(window);
    for (bool framed = false;; framed = true) {
        Reply<xcb_query_tree_reply_t> tree(
            xcb_query_tree_reply(x, xcb_query_tree(x, frame), nullptr), std::free);
        if (!tree || (tree->parent == root && !framed)) return {};
        if (tree->parent == root) break;
        frame = tree->parent;
    }
    Reply<xcb_get_geometry_reply_t> geometry(
        xcb_get_geometry_reply(x, xcb_get_geometry(x, frame), nullptr), std::free);
    if (!geometry) return {};
    const int sides = 2 * geometry->border_width;
    return QRect(geometry->x, geometry->y, geometry->width + sides, geometry->height + sides);
}

struct Desktop {
    QSize screen;
    QRect mainFrame;
    QPoint opening;
};
// On the smallest screen the board takes the next smaller face, and the main window with it.
// clang-format off
constexpr Desktop kDesktops[] = {
    {{1600, 1200}, {522, 328, 555, 544}, {595, 443}},
    {{1024, 768}, {234, 112, 555, 544}, {307, 227}},
    {{1024, 600}, {234, 28, 555, 544}, {307, 143}},
    {{800, 600}, {122, 28, 555, 544}, {195, 143}},
    {{640, 480}, {69, 6, 501, 468}, {115, 83}},
};
// clang-format on

// The expectations for the screen the tests run on; null when there are none.
const Desktop* ThisDesktop() {
    const auto* found = std::find_if(
        std::begin(kDesktops), std::end(kDesktops),
        [](const Desktop& d) { return d.screen == QGuiApplication::primaryScreen()->size(); });
    return found == std::end(kDesktops) ? nullptr : found;
}

// The window's outer frame once it is `expected`, or as it was when the wait ran out.
QRect FrameOnceAt(WId window, const QRect& expected) {
    static_cast<void>(QTest::qWaitFor([&] { return OuterFrame(window) == expected; }, kWaitMs));
    return OuterFrame(window);
}

QImage ScreenArea(const QRect& area) {
    const QImage screen = QGuiApplication::primaryScreen()->grabWindow().toImage();
    return screen.copy(area).convertToFormat(QImage::Format_RGB32);
}

// The window inside the screen once the window manager has framed it.
void ExpectInside(QWidget* window, const char* name) {
    const bool decorated = !window->windowFlags().testFlag(Qt::FramelessWindowHint);
    ExpectOnScreen(window, name, [window, decorated] {
        return decorated ? OuterFrame(window->winId()) : window->frameGeometry();
    });
}

using Answer = ModalSequence::Answer;

// Checks the window, then answers it with `answer`.
Answer Check(const char* name, const Answer& answer = PressKey(Qt::Key_Escape)) {
    return [name, answer](QWidget* window) {
        ExpectInside(window, name);
        answer(window);
    };
}

class DesktopTest : public AppTest {
protected:
    void SetUp() override {
        QCoreApplication::addLibraryPath(CHARTS_MODULE_DIR);
        AppTest::SetUp();
    }

    // Checks and answers the window `open` shows and the windows their answers open, in turn.
    static void Open(const std::function<void()>& open, std::vector<Answer> windows) {
        ModalSequence sequence(std::move(windows));
        open();
        EXPECT_TRUE(sequence.Done()) << sequence.Titles().join(", ").toStdString();
    }
};

// Both windows once decorated; the opening, first as it goes after 2.5 s, with a black line
// round the picture's top-left part. The main frame lands in place in 20 starts out of 20,
// however late the window manager tells the size of its frame.
TEST_F(DesktopTest, OpeningAndMainFrameAreWholeAtTheirCentredOrigins) {
    const Desktop* desktop = ThisDesktop();
    ASSERT_NE(desktop, nullptr) << "no expectations for this screen size";
    const QRect opening(desktop->opening, QSize(409, 314));
    QImage framed(opening.size(), QImage::Format_RGB32);
    framed.fill(Qt::black);
    const QImage bitmap = BitmapResource(134);
    ASSERT_FALSE(bitmap.isNull());
    QPainter(&framed).drawImage(1, 1, bitmap, 0, 0, opening.width() - 2, opening.height() - 2);
    EXPECT_EQ(FrameOnceAt(app->Opening()->winId(), opening), opening);
    EXPECT_TRUE(QTest::qWaitFor([&] { return ScreenArea(opening) == framed; }, kWaitMs));
    for (int start = 1; start <= 20; ++start) {
        if (start > 1) StartAgain();
        EXPECT_EQ(FrameOnceAt(Frame().winId(), desktop->mainFrame), desktop->mainFrame)
            << "start " << start;
    }
}

// The line of each group box runs between its top edge and its first row, with the caption on it.
TEST_F(DesktopTest, GroupBoxLinesLeaveTheFirstRowsAlone) {
    // In dialog units of the form.
    const struct {
        const char* caption;
        int boxTop, rowTop, rowBottom, gapLeft, gapRight;
    } boxes[] = {
        {"ステータス", 15, 23, 31, 26, 58},  // the gap between "体力" and its bar
        {"コマンド", 92, 98, 107, 57, 69},   // between "患者への投与" and "小"
    };
    const QImage form = View().grab().toImage().convertToFormat(QImage::Format_RGB32);
    const QRgb line = QApplication::palette().color(QPalette::Dark).rgb();
    const int captionHeight = QFontMetrics(View().findChild<QGroupBox*>()->font()).height();
    for (const auto& b : boxes) {
        const QRect area = DialogUnitsToPixels(
            QRect(QPoint(b.gapLeft, b.boxTop), QPoint(b.gapRight, b.rowBottom)), View().Units());
        const int rowTop = DialogUnitsToPixels(QRect(0, b.rowTop, 1, 1), View().Units()).top();
        std::vector<int> lineRows;
        for (int y = area.top(); y <= area.bottom(); ++y) {
            int onLine = 0;
            for (int x = area.left(); x <= area.right(); ++x) onLine += form.pixel(x, y) == line;
            if (onLine * 10 >= area.width() * 9) lineRows.push_back(y);
        }
        ASSERT_FALSE(lineRows.empty()) << b.caption << ": no frame line";
        EXPECT_LT(lineRows.back(), rowTop) << b.caption;
        EXPECT_LE(lineRows.front(), area.top() + captionHeight) << b.caption;
    }
}

// Where the style puts a slider's thumb at its present value, in its parent's coordinates.
QRect ThumbRect(const QSlider* slider) {
    QStyleOptionSlider option;
    option.initFrom(slider);
    option.orientation = slider->orientation();
    option.minimum = slider->minimum();
    option.maximum = slider->maximum();
    option.sliderPosition = option.sliderValue = slider->value();
    option.tickPosition = slider->tickPosition();
    option.tickInterval = slider->tickInterval();
    option.subControls = QStyle::SC_SliderGroove | QStyle::SC_SliderHandle;
    return slider->style()
        ->subControlRect(QStyle::CC_Slider, &option, QStyle::SC_SliderHandle, slider)
        .translated(slider->pos());
}

// The dose slider stands just below the command box's caption: wherever its thumb is, the caption
// stays whole above it.
TEST_F(DesktopTest, TheDoseThumbLeavesTheCommandCaptionWhole) {
    // The command box is the one round the slider, in any language.
    auto* dose = &View().Control(Board::kDoseSlider);
    QGroupBox* commands = nullptr;
    for (QGroupBox* box : View().findChildren<QGroupBox*>()) {
        if (box->geometry().contains(dose->geometry())) commands = box;
    }
    ASSERT_NE(commands, nullptr);
    const QRect caption = CaptionRect(commands).translated(commands->pos());
    // The caption's ink as drawn, read with the slider out of the way.
    dose->hide();
    const QImage form = View().grab().toImage().convertToFormat(QImage::Format_RGB32);
    dose->show();
    const QRgb text = commands->palette().color(QPalette::WindowText).rgb();
    int inkBottom = -1;
    for (int y = caption.top(); y <= caption.bottom(); ++y) {
        for (int x = caption.left(); x <= caption.right(); ++x) {
            if (form.pixel(x, y) == text) inkBottom = y;
        }
    }
    ASSERT_GE(inkBottom, caption.top()) << "no caption drawn in " << caption;
    for (int value = dose->minimum(); value <= dose->maximum(); ++value) {
        dose->setValue(value);
        const QRect handle = ThumbRect(dose);
        // One clear row at least: a thumb right under the ink reads as cutting it.
        if (handle.right() < caption.left() || handle.left() > caption.right()) continue;
        EXPECT_GT(handle.top(), inkBottom + 1)
            << "at " << value << ": " << handle << " over " << caption;
    }
}

// Every window the game opens, with every control and its text whole, on this screen: the board
// with all its log lines, the opening, the briefing, the event and its result box, pause and stop
// boxes, the end, the name entry and the ranking, the graph, the options and the about box.
TEST_F(DesktopTest, EveryWindowAndEveryControlIsOnTheScreen) {
    ExpectInside(app->Opening(), "opening");
    // Gone, so that it hides none of the others.
    app->Opening()->hide();
    Open([this] { Trigger("start"); }, {Check("briefing")});
    for (int month = 0; month < 3; ++month) {
        NextDraws(0, 0);
        Session().Tick();
    }
    ExpectInside(&Frame(), "board");
    auto* log = &View().Control(Board::kLog);
    ASSERT_EQ(log->count(), 6);
    const QRect shown = log->viewport()->rect();
    for (int row = 0; row < log->count(); ++row)
        EXPECT_TRUE(shown.contains(log->visualItemRect(log->item(row)))) << "log line " << row;
    // A translation was not drawn into the layout: its one-line labels take the room beside them
    // before any is drawn smaller, and on the board all of them find it.
    for (const QLabel* label : View().findChildren<QLabel*>()) {
        if (CurrentLanguage() == kSourceLanguage || label->wordWrap() || label->text().isEmpty())
            continue;
        EXPECT_EQ(label->font().pixelSize(), View().font().pixelSize())
            << label->text().toStdString();
    }
    Open([this] { Trigger("pause"); }, {Check("pause", ClickButton("OK"))});
    Open([this] { Trigger("pause"); }, {Check("resume", ClickButton("OK"))});
    // April's event.
    NextDraws(2, 2);
    const Answer confirm = [](QWidget* event) {
        QTest::mouseClick(DialogItem(event, EventDialog::kConfirmId), Qt::LeftButton);
    };
    Open([this] { Session().Tick(); },
         {Check("event", confirm), Check("result", ClickButton("OK"))});
    Session().GameRun().State().values.suspicion = 5001;
    NextDraws(0, 0);
    Session().Tick();
    Open([this] { Session().Tick(); }, {Check("end", PressKey(Qt::Key_Return))});
    // Its size on each screen, and its texts whole at every size, are the graph test's.
    Open([this] { Trigger("graph"); }, {Check("graph", ClickButton("OK"))});
    Open([this] { Frame().EnterRanking(1234567); },
         {Check("rank-in", ClickButton("OK")), Check("ranking")});
    Open([this] { Trigger("options"); }, {Check("options")});
    Open([this] { Trigger("about"); }, {Check("about")});
}

}  // namespace
}  // namespace zormade::test
