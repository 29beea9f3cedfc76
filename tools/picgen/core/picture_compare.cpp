// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/picture_compare.h"

#include <QImageReader>
#include <algorithm>
#include <cstdlib>
#include <vector>

namespace picgen {
namespace {

std::vector<QImage> ReadAll(const QString& path, QString& error) {
    QImageReader reader(path);
    std::vector<QImage> images;
    do {
        QImage image = reader.read();
        if (image.isNull()) {
            error = path + QStringLiteral(": ") + reader.errorString();
            return {};
        }
        images.push_back(std::move(image));
    } while (reader.jumpToNextImage());
    return images;
}

}  // namespace

PictureDifference ComparePictures(const QImage& a, const QImage& b,
                                  const PictureTolerance& tolerance) {
    PictureDifference difference;
    difference.sameSize = a.size() == b.size();
    if (!difference.sameSize) return difference;
    const QImage first = a.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    const QImage second = b.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    for (int y = 0; y < first.height(); ++y) {
        const auto* lineA = reinterpret_cast<const QRgb*>(first.constScanLine(y));
        const auto* lineB = reinterpret_cast<const QRgb*>(second.constScanLine(y));
        for (int x = 0; x < first.width(); ++x) {
            const int channels = std::max({std::abs(qRed(lineA[x]) - qRed(lineB[x])),
                                           std::abs(qGreen(lineA[x]) - qGreen(lineB[x])),
                                           std::abs(qBlue(lineA[x]) - qBlue(lineB[x])),
                                           std::abs(qAlpha(lineA[x]) - qAlpha(lineB[x]))});
            difference.largest = std::max(difference.largest, channels);
            if (channels > tolerance.levels) ++difference.changed;
        }
    }
    difference.pixels = static_cast<long long>(first.width()) * first.height();
    return difference;
}

bool CompareFiles(const QString& a, const QString& b, PictureDifference& difference, QString& error,
                  const PictureTolerance& tolerance) {
    difference = {};
    const std::vector<QImage> first = ReadAll(a, error);
    if (first.empty()) return false;
    const std::vector<QImage> second = ReadAll(b, error);
    if (second.empty()) return false;
    if (first.size() != second.size()) return true;
    // Each image on its own: a changed small image is not hidden among a large one's pixels.
    for (std::size_t i = 0; i < first.size(); ++i) {
        const PictureDifference one = ComparePictures(first[i], second[i], tolerance);
        const bool worse = i == 0 || !one.sameSize ||
                           (difference.sameSize &&
                            one.changed * difference.pixels > difference.changed * one.pixels);
        if (worse) difference = one;
        if (!one.sameSize) break;
    }
    return true;
}

}  // namespace picgen
