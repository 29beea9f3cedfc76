// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QGroupBox>
#include <QMenuBar>
#include <QPainter>
#include <QScreen>
#include <QTest>
#include <cstdlib>
#include <memory>
#include <ostream>

#include "../ui/app_fixture.h"
#include "outer_frame.h"
#include "platform/dialog_units.h"
#include "platform/resources.h"

namespace zormade::test {
namespace {

constexpr int kWaitMs = 10000;

struct Desktop { QSize screen; QRect mainFrame; QPoint opening; };
// On the smallest screen the board takes the next smaller face, and the main window with it.
constexpr Desktop kDesktops[] = {
    {{1024, 768}, {234, 112, 555, 544}, {307, 227}},
    {{1024, 600}, {234, 28, 555, 544}, {307, 143}},
    {{800, 600}, {122, 28, 555, 544}, {195, 143}},
    {{640, 480}, {69, 6, 501, 468}, {115, 83}},
};

const Desktop* ThisDesktop() {
    for (const Desktop& d : kDesktops) {
        if (d.screen == QGuiApplication::primaryScreen()->size()) return &d;
    }
    return nullptr;
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

// However late the window manager tells the size of its frame, the frame lands in its place.
TEST_F(DesktopTest, TheMainFrameLandsInPlaceInTwentyStartsOutOfTwenty) {
    const Desktop* desktop = ThisDesktop();
    ASSERT_NE(desktop, nullptr) << "no expectations for this screen size";
    int landed = 0;
    for (int start = 0; start < 20; ++start) {
        StartAgain();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&Frame(), kWaitMs));
        const QRect frame = FrameOnceAt(Frame().winId(), desktop->mainFrame);
        EXPECT_EQ(frame, desktop->mainFrame) << "start " << start + 1;
        landed += frame == desktop->mainFrame;
    }
    EXPECT_EQ(landed, 20);
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

}  // namespace
}  // namespace zormade::test
