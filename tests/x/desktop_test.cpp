// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>
#include <xcb/xcb.h>

#include <QGroupBox>
#include <QMenuBar>
#include <QPainter>
#include <QScreen>
#include <QTest>
#include <cstdlib>
#include <memory>
#include <ostream>

#include "../ui/app_fixture.h"
#include "platform/dialog_units.h"
#include "platform/resources.h"

QT_BEGIN_NAMESPACE
inline void PrintTo(const QRect& r, std::ostream* out) {
    *out << r.width() << " x " << r.height() << " at (" << r.x() << ", " << r.y() << ")";
}
QT_END_NAMESPACE

namespace zormade::test {
namespace {

constexpr int kWaitMs = 10000;

struct Desktop { QSize screen; QRect mainFrame; QPoint opening; };
// On the small screen the centred main window would start 32 pixels above it, out of reach.
constexpr Desktop kDesktops[] = {
    {{1024, 768}, {234, 112, 555, 544}, {307, 227}},
    {{640, 480}, {42, 0, 555, 544}, {115, 83}},
};

const Desktop* ThisDesktop() {
    for (const Desktop& d : kDesktops) {
        if (d.screen == QGuiApplication::primaryScreen()->size()) return &d;
    }
    return nullptr;
}

template <typename T>
using Reply = std::unique_ptr<T, decltype(&std::free)>;

// The outer frame of top-level window `window` as the X server sees it: the window manager's
// frame round it, decoration included; null while it has none or the server cannot say.
QRect OuterFrame(WId window) {
    xcb_connection_t* x = qGuiApp->nativeInterface<QNativeInterface::QX11Application>()->connection();
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(x)).data->root;
    // Climb to the window manager's frame: the ancestor whose parent is the root. A window that
    // is itself a child of the root has no frame yet.
    auto frame = static_cast<xcb_window_t>(window);
    for (bool framed = false;; framed = true) {
        Reply<xcb_query_tree_reply_t> tree(xcb_query_tree_reply(x, xcb_query_tree(x, frame), nullptr), std::free);
        if (!tree || (tree->parent == root && !framed)) return {};
        if (tree->parent == root) break;
        frame = tree->parent;
    }
    Reply<xcb_get_geometry_reply_t> geometry(xcb_get_geometry_reply(x, xcb_get_geometry(x, frame), nullptr), std::free);
    if (!geometry) return {};
    const int border = geometry->border_width;
    return QRect(geometry->x, geometry->y, geometry->width + 2 * border, geometry->height + 2 * border);
}

// The window's outer frame once it is `expected`, or as it was when the wait ran out.
QRect FrameOnceAt(WId window, const QRect& expected) {
    static_cast<void>(QTest::qWaitFor([&] { return OuterFrame(window) == expected; }, kWaitMs));
    return OuterFrame(window);
}

QImage ScreenArea(const QRect& area) {
    return QGuiApplication::primaryScreen()->grabWindow(0, area.x(), area.y(), area.width(), area.height())
        .toImage()
        .convertToFormat(QImage::Format_RGB32);
}

using DesktopTest = AppTest;

// Both windows once decorated; the opening, first as it goes after 2.5 s, with a black line
// round the picture's top-left part.
TEST_F(DesktopTest, OpeningAndMainFrameAreWholeAtTheirCentredOrigins) {
    const Desktop* desktop = ThisDesktop();
    ASSERT_NE(desktop, nullptr) << "no expectations for this screen size";
    const QRect opening(desktop->opening, QSize(409, 314));
    QImage framed(opening.size(), QImage::Format_RGB32);
    framed.fill(Qt::black);
    const QImage bitmap = LoadBitmap(134);
    ASSERT_FALSE(bitmap.isNull());
    QPainter(&framed).drawImage(1, 1, bitmap, 0, 0, opening.width() - 2, opening.height() - 2);
    EXPECT_EQ(FrameOnceAt(app->OpeningDlg().winId(), opening), opening);
    EXPECT_TRUE(QTest::qWaitFor([&] { return ScreenArea(opening) == framed; }, kWaitMs));
    EXPECT_EQ(FrameOnceAt(Frame().winId(), desktop->mainFrame), desktop->mainFrame);
    EXPECT_GE(Frame().menuBar()->mapToGlobal(QPoint(0, 0)).y(), 0);
}

// The line of each group box runs between its top edge and its first row, with the caption on it.
TEST_F(DesktopTest, GroupBoxLinesLeaveTheFirstRowsAlone) {
    // In dialog units of the form.
    const struct { const char* caption; int boxTop, rowTop, rowBottom, gapLeft, gapRight; } boxes[] = {
        {"ステータス", 15, 23, 31, 26, 58},  // the gap between "体力" and its bar
        {"コマンド", 92, 98, 107, 57, 69},    // between "患者への投与" and "小"
    };
    const QImage form = View().grab().toImage().convertToFormat(QImage::Format_RGB32);
    const QRgb line = QApplication::palette().color(QPalette::Dark).rgb();
    const int captionHeight = QFontMetrics(View().findChild<QGroupBox*>()->font()).height();
    for (const auto& b : boxes) {
        const QRect area = DialogUnitsToPixels(
            QRect(QPoint(b.gapLeft, b.boxTop), QPoint(b.gapRight, b.rowBottom)), 14);
        const int rowTop = DialogUnitsToPixels(QRect(0, b.rowTop, 1, 1), 14).top();
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

}  // namespace
}  // namespace zormade::test
