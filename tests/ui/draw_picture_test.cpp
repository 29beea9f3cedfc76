#include <gtest/gtest.h>

#include <QTest>

#include "events/end_dlg.h"
#include "platform/picture_control.h"
#include "platform/resources.h"
#include "ui/draw_picture.h"
#include "ui_helpers.h"

namespace zormade::test {
namespace {

// Test bitmap 9001 (tests/ui/bitmaps), 10 x 8 pixels of 16 colours: inside the first 9 x 7,
// pixel (x, y) has palette colour 1 + (x + 2y) % 7; the last column and row have colour 15,
// which appears nowhere else.
constexpr int kTestBitmap = 9001;
constexpr int kPicture = CEndDlg::IDC_PICTURE;

QRgb Expected(int x, int y) { return LoadBitmap(kTestBitmap).color(1 + (x + 2 * y) % 7); }

bool Shows(const QImage& canvas, QRgb colour) {
    for (int y = 0; y < canvas.height(); ++y) {
        for (int x = 0; x < canvas.width(); ++x) {
            if (canvas.pixel(x, y) == colour) return true;
        }
    }
    return false;
}

bool Blank(const QImage& canvas) {
    for (int y = 0; y < canvas.height(); ++y) {
        for (int x = 0; x < canvas.width(); ++x) {
            if (qAlpha(canvas.pixel(x, y)) != 0) return false;
        }
    }
    return true;
}

// A dialog with the end dialog's picture control that draws the test bitmap whenever it paints.
class PaintingDialog : public CDialog {
public:
    PaintingDialog() : CDialog(CEndDlg::kTemplateId) {}
    int paints = 0;

protected:
    void OnPaint() override {
        ++paints;
        DrawPicture(*this, kPicture, kTestBitmap, {18, 21}, {9, 7}, PictureMode::Stretch);
    }
};

class DrawPictureTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(dialog.Create()); }
    QImage& Canvas() { return dialog.Item<PictureControl>(kPicture)->Canvas(); }
    CEndDlg dialog;
};

TEST_F(DrawPictureTest, CopyLeavesOutTheLastColumnAndRowOfTheBitmap) {
    ASSERT_EQ(LoadBitmap(kTestBitmap).size(), QSize(10, 8));
    DrawPicture(dialog, kPicture, kTestBitmap, {9, 7}, {9, 7}, PictureMode::Copy);
    for (int y = 0; y < 7; ++y) {
        for (int x = 0; x < 9; ++x) ASSERT_EQ(Canvas().pixel(x, y), Expected(x, y)) << x << "," << y;
    }
    EXPECT_EQ(qAlpha(Canvas().pixel(9, 0)), 0);
    EXPECT_EQ(qAlpha(Canvas().pixel(0, 7)), 0);
    EXPECT_FALSE(Shows(Canvas(), LoadBitmap(kTestBitmap).color(15)));
}

TEST_F(DrawPictureTest, StretchScalesEachAxisByItsOwnFactorWithoutSmoothing) {
    DrawPicture(dialog, kPicture, kTestBitmap, {18, 21}, {9, 7}, PictureMode::Stretch);
    for (int y = 0; y < 21; ++y) {
        for (int x = 0; x < 18; ++x) {
            ASSERT_EQ(Canvas().pixel(x, y), Expected(x / 2, y / 3)) << x << "," << y;
        }
    }
    EXPECT_EQ(qAlpha(Canvas().pixel(18, 0)), 0);
    EXPECT_EQ(qAlpha(Canvas().pixel(0, 21)), 0);
    EXPECT_FALSE(Shows(Canvas(), LoadBitmap(kTestBitmap).color(15)));
}

TEST_F(DrawPictureTest, ASecondDrawingOverwritesOnlyWhereItDraws) {
    DrawPicture(dialog, kPicture, kTestBitmap, {18, 21}, {9, 7}, PictureMode::Stretch);
    DrawPicture(dialog, kPicture, kTestBitmap, {9, 7}, {9, 7}, PictureMode::Copy);
    EXPECT_EQ(Canvas().pixel(8, 6), Expected(8, 6));
    EXPECT_EQ(Canvas().pixel(17, 20), Expected(8, 6));
    EXPECT_EQ(Canvas().pixel(9, 0), Expected(4, 0));
}

TEST_F(DrawPictureTest, AMissingBitmapOrControlDrawsNothing) {
    DrawPicture(dialog, kPicture, kTestBitmap, {9, 7}, {9, 7}, PictureMode::Copy);
    const QImage before = Canvas().copy();
    DrawPicture(dialog, kPicture, 9999, {9, 7}, {9, 7}, PictureMode::Copy);
    DrawPicture(dialog, kPicture, 0, {0, 0}, {0, 0}, PictureMode::Stretch);
    DrawPicture(dialog, 4242, kTestBitmap, {9, 7}, {9, 7}, PictureMode::Copy);
    EXPECT_EQ(Canvas(), before);
}

TEST_F(DrawPictureTest, ADrawingLargerThanTheControlIsCutAtItsEdge) {
    const QSize inside = Canvas().size();
    DrawPicture(dialog, kPicture, kTestBitmap, {600, 600}, {9, 7}, PictureMode::Stretch);
    EXPECT_EQ(Canvas().size(), inside);
    const int x = inside.width() - 1;
    const int y = inside.height() - 1;
    EXPECT_EQ(Canvas().pixel(x, y), Expected(x * 9 / 600, y * 7 / 600));
}

TEST(DrawPictureFromPaint, EachPaintDrawsAgainAndTheDialogSettles) {
    PaintingDialog dialog;
    ASSERT_TRUE(dialog.Create());
    dialog.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
    auto* picture = dialog.Item<PictureControl>(kPicture);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !Blank(picture->Canvas()); }));

    // Once drawn, the dialog stays quiet: a redraw of the same pixels must not start another paint.
    QTest::qWait(100);
    const int settled = dialog.paints;
    QTest::qWait(200);
    EXPECT_EQ(dialog.paints, settled);

    // A picture lost from the control comes back with the next paint of the dialog.
    picture->Canvas().fill(Qt::transparent);
    dialog.repaint();
    EXPECT_EQ(picture->Canvas().pixel(0, 0), Expected(0, 0));
    dialog.DestroyWindow();
}

// The ending pictures come with the program's bitmaps; until they are there, nothing is drawn.
TEST(EndDialogPicture, StretchesTheEndingOfItsKindOntoTheWholeFrame) {
    const struct {
        int endKind, bitmap;
        QSize source;
    } cases[] = {{0, 143, {351, 237}}, {1, 144, {261, 352}}, {2, 0, {}}, {7, 0, {}}};
    for (const auto& c : cases) {
        CEndDlg dialog;
        dialog.endKind = c.endKind;
        QImage shown;
        ModalAnswer answer([&](QWidget* w) {
            QTest::qWait(20);
            shown = DialogItem<PictureControl>(w, kPicture)->Canvas().copy();
            PressKey(Qt::Key_Return)(w);
        });
        dialog.DoModal();
        ASSERT_TRUE(answer.Answered());
        const QImage bitmap = LoadBitmap(c.bitmap);
        if (bitmap.isNull()) {
            EXPECT_TRUE(Blank(shown)) << c.endKind;
            continue;
        }
        const QImage expected = bitmap.copy(QRect(QPoint(0, 0), c.source))
                                    .scaled(258, 200, Qt::IgnoreAspectRatio, Qt::FastTransformation)
                                    .convertToFormat(QImage::Format_ARGB32_Premultiplied);
        int same = 0;
        for (int y = 0; y < shown.height(); ++y) {
            for (int x = 0; x < shown.width(); ++x) same += shown.pixel(x, y) == expected.pixel(x, y);
        }
        // Scalers may round a row or column differently; a wrong source or kept aspect differs widely.
        EXPECT_GT(same, shown.width() * shown.height() * 9 / 10) << c.endKind;
    }
}

}  // namespace
}  // namespace zormade::test
