// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>
#include <QString>

namespace picgen {

// How far two drawings of one picture may part and still look the same to a person. A pixel
// counts as changed when one of its channels moves by more than `levels` of 255; the picture
// changed when more than one pixel in `pixelsPerChanged` did.
struct PictureTolerance {
    int levels = 32;
    long long pixelsPerChanged = 10000;
};

struct PictureDifference {
    bool sameSize = false;
    long long pixels = 0;
    long long changed = 0;  // pixels beyond the tolerance's levels
    int largest = 0;        // the largest channel difference, in levels
    bool Within(const PictureTolerance& tolerance) const {
        return sameSize && changed * tolerance.pixelsPerChanged <= pixels;
    }
};

// Decoded pixels, premultiplied, so that a fully transparent pixel's colour does not count.
PictureDifference ComparePictures(const QImage& a, const QImage& b,
                                  const PictureTolerance& tolerance = {});

// Every image each file holds (an icon file holds several), in order; the difference is that of
// the image furthest apart. False with `error` set when a file cannot be decoded.
bool CompareFiles(const QString& a, const QString& b, PictureDifference& difference, QString& error,
                  const PictureTolerance& tolerance = {});

}  // namespace picgen
