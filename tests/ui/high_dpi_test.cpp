// At twice the device pixels (QT_SCALE_FACTOR=2, run so by CTest) the windows grow as a whole and
// the pictures stay sharp: each picture pixel becomes a 2 × 2 block of its own colour, with no
// colour blended between neighbours. At other ratios these tests skip.
#include <QApplication>
#include <QListWidget>
#include <QSet>

#include "app_fixture.h"
#include "events/event_dlg.h"
#include "platform/picture_control.h"
#include "platform/resources.h"
#include "ui_helpers.h"

namespace zormade::test {
namespace {

constexpr int kRatio = 2;

// The picture control as the screen shows it, one pixel per device pixel.
QImage OnScreen(QWidget* picture) {
    return picture->grab().toImage().convertToFormat(QImage::Format_RGB32);
}

// Logical pixels whose 2 × 2 device block is not one colour, or not `expected`'s colour there.
int BlurredPixels(const QImage& shown, const QImage* expected) {
    int blurred = 0;
    for (int y = 0; y < shown.height() / kRatio; ++y) {
        for (int x = 0; x < shown.width() / kRatio; ++x) {
            const QRgb corner = shown.pixel(kRatio * x, kRatio * y);
            bool sharp = !expected || corner == expected->pixel(x, y);
            for (int dy = 0; dy < kRatio; ++dy) {
                for (int dx = 0; dx < kRatio; ++dx) {
                    sharp = sharp && shown.pixel(kRatio * x + dx, kRatio * y + dy) == corner;
                }
            }
            blurred += sharp ? 0 : 1;
        }
    }
    return blurred;
}

// Colours in the picture that its 16-colour bitmap does not have: what smoothing would make.
int ForeignColours(const QImage& shown, const QImage& bitmap) {
    QSet<QRgb> palette;
    for (QRgb colour : bitmap.colorTable()) palette.insert(colour | 0xff000000u);
    QSet<QRgb> foreign;
    for (int y = 0; y < shown.height(); ++y) {
        for (int x = 0; x < shown.width(); ++x) {
            if (!palette.contains(shown.pixel(x, y))) foreign.insert(shown.pixel(x, y));
        }
    }
    return foreign.size();
}

class HighDpiTest : public AppTest {
protected:
    void SetUp() override {
        if (qApp->devicePixelRatio() != kRatio) GTEST_SKIP() << "device pixel ratio is not 2";
        AppTest::SetUp();
    }
};

TEST_F(HighDpiTest, TheMainWindowGrowsAsAWhole) {
    const QImage shot = Frame().grab().toImage();
    EXPECT_EQ(shot.size(), Frame().size() * kRatio);
    // The layout stays in logical pixels: the form fills the same 555 × 544 window.
    EXPECT_EQ(Frame().frameGeometry().size(), QSize(555, 544));
    EXPECT_EQ(View().GetDlgItem(IDC_LIST_LOG)->window(), &Frame());
    SaveScreenshot(&Frame(), "board-2x");
}

TEST_F(HighDpiTest, TheOpeningPictureIsEveryPixelDoubledAndNothingElse) {
    const QImage bitmap = LoadBitmap(134).convertToFormat(QImage::Format_RGB32);
    ASSERT_FALSE(bitmap.isNull());
    auto* picture = app->OpeningDlg().Item<PictureControl>(COpeningDlg::kPictureId);
    ASSERT_NE(picture, nullptr);
    const QImage shown = OnScreen(picture);
    ASSERT_EQ(shown.size(), QSize(409, 314) * kRatio);
    EXPECT_EQ(BlurredPixels(shown, &bitmap), 0);
    SaveScreenshot(&app->OpeningDlg(), "opening-2x");
}

TEST_F(HighDpiTest, AStretchedEventPictureKeepsItsHardEdges) {
    CEventDlg dialog;
    dialog.LoadEvent(0);
    const QImage bitmap = LoadBitmap(dialog.eventData.bitmapId);
    ASSERT_FALSE(bitmap.isNull());
    QImage shown;
    QSize pictureSize;
    ModalAnswer look([&](QWidget*) {
        QWidget* picture = dialog.GetDlgItem(CEventDlg::kPictureId);
        pictureSize = picture->size();
        shown = OnScreen(picture);
        SaveScreenshot(&dialog, "event-2x");
        // No answer taken, so no result box follows.
        dialog.Item<QListWidget>(CEventDlg::kAnswerListId)->setCurrentRow(-1);
        dialog.EndDialog(IDCANCEL);
    });
    dialog.DoModal();
    ASSERT_TRUE(look.Answered());
    ASSERT_EQ(shown.size(), pictureSize * kRatio);
    EXPECT_EQ(BlurredPixels(shown, nullptr), 0);
    EXPECT_EQ(ForeignColours(shown, bitmap), 0);
}

}  // namespace
}  // namespace zormade::test
