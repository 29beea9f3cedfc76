// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/picture_compare.h"

#include <gtest/gtest.h>

#include <QFont>
#include <QPainter>
#include <algorithm>
#include <functional>

namespace picgen {
namespace {

const char* const kPictures[] = {"icons/zormade-256.png", "icons/zormade-64.png", "bitmaps/132.bmp",
                                 "screenshots/event.png"};

QImage Committed(const char* name) {
    QImage image(QStringLiteral(RES_DIR "/") + QLatin1String(name));
    return image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
}

// Where anti-aliasing lives: pixels that differ from their right or lower neighbour.
bool OnAnEdge(const QImage& image, int x, int y) {
    const QRgb here = image.pixel(x, y);
    return (x + 1 < image.width() && image.pixel(x + 1, y) != here) ||
           (y + 1 < image.height() && image.pixel(x, y + 1) != here);
}

// Another renderer's edges: every edge pixel moved by up to `levels` in every channel, the sign
// and size varying from pixel to pixel. Channels stay within the pixel's coverage.
QImage WithEdgeNoise(const QImage& image, int levels) {
    QImage noisy = image;
    unsigned seed = 12345;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (!OnAnEdge(image, x, y)) continue;
            seed = seed * 1103515245u + 12345u;
            const int step = static_cast<int>((seed >> 16) % (2 * levels + 1)) - levels;
            const QRgb p = image.pixel(x, y);
            const int alpha = qAlpha(p) == 0 ? 0 : std::clamp(qAlpha(p) + step, 1, 255);
            auto channel = [&](int c) { return std::clamp(c + step, 0, alpha); };
            noisy.setPixel(x, y,
                           qRgba(channel(qRed(p)), channel(qGreen(p)), channel(qBlue(p)), alpha));
        }
    }
    return noisy;
}

QImage Painted(const QImage& image, const std::function<void(QPainter&, const QRect&)>& paint) {
    QImage changed = image;
    QPainter painter(&changed);
    paint(painter, changed.rect());
    return changed;
}

// The renderers' difference seen between two machines (a few levels on up to 15 edge pixels of
// an icon) and well beyond it: every edge pixel of a picture moved by up to 16 or 32 levels.
TEST(PictureCompareTest, AntiAliasingNoiseLooksTheSame) {
    for (const char* name : kPictures) {
        const QImage image = Committed(name);
        ASSERT_FALSE(image.isNull()) << name;
        for (int levels : {4, 16, 32}) {
            const QImage noisy = WithEdgeNoise(image, levels);
            const PictureDifference difference = ComparePictures(image, noisy);
            EXPECT_GT(difference.largest, 0) << name << " was not disturbed";
            EXPECT_TRUE(difference.Within({}))
                << name << " at " << levels << " levels: " << difference.changed << " changed";
        }
        EXPECT_EQ(ComparePictures(image, image).largest, 0) << name;
    }
}

// A scene's shape, colour or lettering changed is seen in every picture, down to a small mark.
TEST(PictureCompareTest, AChangedSceneIsSeen) {
    const struct {
        const char* what;
        std::function<QImage(const QImage&)> change;
    } changes[] = {
        {"a mark of 6 by 6 pixels",
         [](const QImage& i) {
             return Painted(i, [](QPainter& p, const QRect& r) {
                 p.fillRect(QRect(r.center(), QSize(6, 6)), Qt::black);
                 p.fillRect(QRect(r.center() + QPoint(6, 0), QSize(6, 6)), Qt::white);
             });
         }},
        {"a shape moved by two pixels",
         [](const QImage& i) {
             return Painted(i, [&i](QPainter& p, const QRect& r) {
                 const QRect part(r.width() / 4, r.height() / 4, r.width() / 2, r.height() / 2);
                 p.drawImage(part.topLeft() + QPoint(2, 0), i.copy(part));
             });
         }},
        {"a colour changed", [](const QImage& i) { return i.rgbSwapped(); }},
        {"the colours a little darker",
         [](const QImage& i) {
             return Painted(
                 i, [](QPainter& p, const QRect& r) { p.fillRect(r, QColor(0, 0, 0, 48)); });
         }},
        {"a word of text",
         [](const QImage& i) {
             return Painted(i, [](QPainter& p, const QRect& r) {
                 p.setFont(QFont(QStringLiteral("IPAPGothic"), 9));
                 p.setPen(Qt::black);
                 p.drawText(r.adjusted(4, 4, 0, 0), Qt::AlignLeft | Qt::AlignTop,
                            QStringLiteral("事件"));
             });
         }},
    };
    for (const char* name : kPictures) {
        const QImage image = Committed(name);
        ASSERT_FALSE(image.isNull()) << name;
        for (const auto& change : changes) {
            const PictureDifference difference = ComparePictures(image, change.change(image));
            EXPECT_FALSE(difference.Within({}))
                << name << ": " << change.what << ", " << difference.changed << " changed";
        }
    }
}

// The tolerance's edges: exactly its levels and its share of pixels still pass, one more fails;
// another size never passes.
TEST(PictureCompareTest, TheToleranceEndsWhereItSays) {
    QImage base(100, 200, QImage::Format_ARGB32_Premultiplied);
    base.fill(qRgb(100, 100, 100));
    const auto shifted = [&base](int pixels, int levels) {
        QImage changed = base;
        for (int i = 0; i < pixels; ++i)
            changed.setPixel(i % 100, i / 100, qRgb(100, 100 + levels, 100));
        return changed;
    };
    const PictureTolerance tolerance;  // 20000 pixels: 2 may change
    const struct {
        int pixels, levels;
        bool within;
    } cases[] = {{20000 / 100, 32, true}, {1, 33, true}, {2, 155, true}, {3, 33, false}};
    for (const auto& c : cases) {
        const PictureDifference difference = ComparePictures(base, shifted(c.pixels, c.levels));
        EXPECT_EQ(difference.Within(tolerance), c.within) << c.pixels << " at " << c.levels;
        EXPECT_EQ(difference.largest, c.levels);
    }
    QImage transparent(100, 200, QImage::Format_ARGB32);
    transparent.fill(qRgba(255, 0, 0, 0));
    QImage otherTransparent = transparent;
    otherTransparent.fill(qRgba(0, 0, 255, 0));
    EXPECT_EQ(ComparePictures(transparent, otherTransparent).largest, 0) << "unseen colour";
    EXPECT_FALSE(ComparePictures(base, base.copy(0, 0, 100, 199)).Within(tolerance));
}

// Files: every image of an icon file is decoded; a file that cannot be decoded is no match.
TEST(PictureCompareTest, FilesCompareEveryImageAndRefuseWhatCannotBeRead) {
    const QString icon = QStringLiteral(RES_DIR "/icons/zormade.ico");
    PictureDifference difference;
    QString error;
    ASSERT_TRUE(CompareFiles(icon, icon, difference, error)) << qPrintable(error);
    EXPECT_TRUE(difference.Within({}));
    EXPECT_GT(difference.pixels, 0);
    EXPECT_TRUE(
        CompareFiles(icon, QStringLiteral(RES_DIR "/icons/zormade-64.png"), difference, error));
    EXPECT_FALSE(difference.Within({})) << "one image against several";
    EXPECT_FALSE(CompareFiles(icon, QStringLiteral(RES_DIR "/icons/icons.qrc"), difference, error));
    EXPECT_FALSE(error.isEmpty());
}

}  // namespace
}  // namespace picgen
