// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/draw_picture.h"

#include <gtest/gtest.h>

#include <QTest>
#include <functional>

#include "app_fixture.h"
#include "core/picture_ids.h"
#include "platform/picture_control.h"
#include "platform/resources.h"
#include "ui/event_dialog.h"
#include "ui/run_result_dialog.h"
#include "ui_helpers.h"

namespace zormade::test {
namespace {

// Test bitmap 9001 (tests/ui/bitmaps), 10 x 8 pixels of 16 colours: inside the first 9 x 7,
// pixel (x, y) has palette colour 1 + (x + 2y) % 7; the last column and row have colour 15,
// which appears nowhere else.
constexpr int kTestBitmap = 9001;
constexpr int kPicture = RunResultDialog::kPictureId.id;

QRgb Expected(int x, int y) { return LoadBitmap(kTestBitmap).color(1 + (x + 2 * y) % 7); }

// How many points of an area of `size` meet `test`.
int CountPoints(QSize size, const std::function<bool(int x, int y)>& test) {
    int count = 0;
    for (int y = 0; y < size.height(); ++y)
        for (int x = 0; x < size.width(); ++x) count += test(x, y) ? 1 : 0;
    return count;
}

class DrawPictureTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(dialog.IsBuilt()); }
    QImage& Canvas() { return dialog.Item<PictureControl>(kPicture)->Canvas(); }
    RunResultDialog dialog{RunOutcome::Going, QString(), QString()};
};

// Both leave out the bitmap's last column and row; the stretch scales each axis by its own
// factor without smoothing; a second drawing overwrites only where it draws.
TEST_F(DrawPictureTest, CopyAndStretchDrawTheSourceRectangleAndNothingElse) {
    ASSERT_EQ(LoadBitmap(kTestBitmap).size(), QSize(10, 8));
    // clang-format off
    const struct { PictureMode mode; QSize size; int xScale, yScale; } cases[] = {
        {PictureMode::Copy, {9, 7}, 1, 1}, {PictureMode::Stretch, {18, 21}, 2, 3}
    };
    // clang-format on
    for (const auto& c : cases) {
        QImage& canvas = Canvas();
        canvas.fill(Qt::transparent);
        DrawPicture(dialog, kPicture, kTestBitmap, c.size, {9, 7}, c.mode);
        const auto unlike = [&](int x, int y) {
            return canvas.pixel(x, y) != Expected(x / c.xScale, y / c.yScale);
        };
        EXPECT_EQ(CountPoints(c.size, unlike), 0) << "pixels unlike the source's";
        EXPECT_EQ(qAlpha(canvas.pixel(c.size.width(), 0) | canvas.pixel(0, c.size.height())), 0);
        const QRgb unused = LoadBitmap(kTestBitmap).color(15);
        const auto isUnused = [&](int x, int y) { return canvas.pixel(x, y) == unused; };
        EXPECT_EQ(CountPoints(canvas.size(), isUnused), 0);
    }
    DrawPicture(dialog, kPicture, kTestBitmap, {9, 7}, {9, 7}, PictureMode::Copy);
    EXPECT_EQ(std::make_pair(Canvas().pixel(17, 20), Canvas().pixel(9, 0)),
              std::make_pair(Expected(8, 6), Expected(4, 0)));
}

TEST_F(DrawPictureTest, AMissingBitmapOrControlDrawsNothingAndALargeDrawingIsCutAtTheEdge) {
    DrawPicture(dialog, kPicture, kTestBitmap, {9, 7}, {9, 7}, PictureMode::Copy);
    const QImage before = Canvas().copy();
    DrawPicture(dialog, kPicture, 9999, {9, 7}, {9, 7}, PictureMode::Copy);
    DrawPicture(dialog, kPicture, 0, {0, 0}, {0, 0}, PictureMode::Stretch);
    DrawPicture(dialog, 4242, kTestBitmap, {9, 7}, {9, 7}, PictureMode::Copy);
    EXPECT_EQ(Canvas(), before);

    DrawPicture(dialog, kPicture, kTestBitmap, {600, 600}, {9, 7}, PictureMode::Stretch);
    EXPECT_EQ(Canvas().size(), before.size());
    const int x = before.width() - 1, y = before.height() - 1;
    EXPECT_EQ(Canvas().pixel(x, y), Expected(x * 9 / 600, y * 7 / 600));
}

// The one table of pictures that the game and the generator read agrees with the committed bitmaps.
TEST(PictureTable, EveryPictureIsABitmapOfItsSizeThatHoldsItsShownPart) {
    for (const Picture& picture : pictures::kAll) {
        const QImage bitmap = LoadBitmap(picture.id);
        const QSize size(picture.bitmap.width, picture.bitmap.height);
        EXPECT_EQ(bitmap.size(), size) << picture.id;
        const QRect shown(0, 0, picture.shown.width, picture.shown.height);
        EXPECT_TRUE(QRect(QPoint(), size).contains(shown)) << picture.id;
    }
}

// At twice the device pixels (QT_SCALE_FACTOR=2, run so by CTest alone) the windows grow as a
// whole and the pictures stay sharp: each picture pixel becomes a 2 × 2 block of its own colour,
// with no colour blended between neighbours.
constexpr int kRatio = 2;

// Logical pixels whose 2 × 2 device block is not one colour, or not `expected`'s colour there.
int BlurredPixels(const QImage& shown, const QImage* expected) {
    int blurred = 0;
    for (int y = 0; y < shown.height() / kRatio; ++y) {
        for (int x = 0; x < shown.width() / kRatio; ++x) {
            const QRgb corner = shown.pixel(kRatio * x, kRatio * y);
            bool sharp = !expected || corner == expected->pixel(x, y);
            for (int d = 1; d < kRatio * kRatio; ++d)
                sharp &= shown.pixel(kRatio * x + d % kRatio, kRatio * y + d / kRatio) == corner;
            blurred += sharp ? 0 : 1;
        }
    }
    return blurred;
}

// The picture control as the screen shows it, one pixel per device pixel.
QImage OnScreen(QWidget* picture) {
    return picture->grab().toImage().convertToFormat(QImage::Format_RGB32);
}

using HighDpiTest = AppTest;

TEST_F(HighDpiTest, TheMainWindowGrowsAsAWholeAndTheOpeningIsEveryPixelDoubled) {
    ASSERT_EQ(qApp->devicePixelRatio(), kRatio);
    EXPECT_EQ(Frame().grab().toImage().size(), Frame().size() * kRatio);
    // The layout stays in logical pixels: the form fills the same 555 × 544 window.
    EXPECT_EQ(Frame().frameGeometry().size(), QSize(555, 544));
    SaveScreenshot(&Frame(), "board-2x");

    const QImage bitmap = LoadBitmap(134).convertToFormat(QImage::Format_RGB32);
    const QImage shown = OnScreen(&app->Opening()->Control(OpeningDialog::kPictureId));
    ASSERT_EQ(shown.size(), QSize(409, 314) * kRatio);
    EXPECT_EQ(BlurredPixels(shown, &bitmap), 0);
}

TEST_F(HighDpiTest, AStretchedEventPictureKeepsItsHardEdges) {
    EventDialog dialog(0);
    QImage shown;
    QSize pictureSize;
    ModalAnswer look([&](QWidget*) {
        auto* picture = &dialog.Control(EventDialog::kPictureId);
        const QImage& canvas = picture->Canvas();
        const auto painted = [&](int x, int y) { return qAlpha(canvas.pixel(x, y)) != 0; };
        EXPECT_TRUE(QTest::qWaitFor([&] { return CountPoints(canvas.size(), painted) > 0; }));
        pictureSize = picture->size();
        shown = OnScreen(picture);
        SaveScreenshot(&dialog, "event-2x");
        dialog.reject();
    });
    dialog.exec();
    ASSERT_EQ(shown.size(), pictureSize * kRatio);
    // Smoothing inside the stretch itself is the copy-and-stretch test's.
    EXPECT_EQ(BlurredPixels(shown, nullptr), 0);
}

}  // namespace
}  // namespace zormade::test
