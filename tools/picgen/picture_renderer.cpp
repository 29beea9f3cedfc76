// SPDX-License-Identifier: GPL-3.0-or-later
#include "picture_renderer.h"

#include <QPainter>

#include "core/palette_reduction.h"

namespace picgen {
namespace {

// Drawing at three times the size and averaging down gives clean edges at any squeeze.
constexpr int kSupersample = 3;

// Columns and rows beyond the shown part copy the last shown ones.
QImage ExtendEdges(const QImage& shown, const QSize& size) {
    QImage out(size, shown.format());
    for (int y = 0; y < size.height(); ++y) {
        const auto* source =
            reinterpret_cast<const QRgb*>(shown.constScanLine(std::min(y, shown.height() - 1)));
        auto* dest = reinterpret_cast<QRgb*>(out.scanLine(y));
        for (int x = 0; x < size.width(); ++x) dest[x] = source[std::min(x, shown.width() - 1)];
    }
    return out;
}

}  // namespace

QImage RenderScene(const Scene& scene, const QSize& size) {
    QImage large(scene.canvas * kSupersample, QImage::Format_ARGB32_Premultiplied);
    large.fill(Qt::transparent);
    {
        QPainter painter(&large);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setRenderHint(QPainter::TextAntialiasing);
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        painter.scale(kSupersample, kSupersample);
        scene.draw(painter, QSizeF(scene.canvas));
    }
    return large.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
        .convertToFormat(QImage::Format_ARGB32);
}

QImage RenderPicture(const PictureEntry& entry) {
    const Scene scene = entry.scene();
    const QImage shown = RenderScene(scene, entry.shownSize);
    return ReduceToPalette(ExtendEdges(shown, entry.bitmapSize), scene.palette);
}

QImage DisplayedPicture(const PictureEntry& entry, const QImage& bitmap) {
    const QSize canvas = entry.scene().canvas;
    return bitmap.copy(QRect(QPoint(0, 0), entry.shownSize))
        .scaled(canvas, Qt::IgnoreAspectRatio, Qt::FastTransformation);
}

}  // namespace picgen
