// SPDX-License-Identifier: GPL-3.0-or-later
// Tells whether two picture files look the same to a person, by their decoded pixels:
//   piccompare <picture> <picture>
// Exit status: 0 alike within the tolerance, 1 changed, 2 when they cannot be compared.
#include <QGuiApplication>
#include <cstdio>

#include "core/picture_compare.h"

int main(int argc, char* argv[]) {
    // The ICO reader is a plugin, found through the application object; no display is needed.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc != 3) {
        std::fprintf(stderr, "usage: piccompare <picture> <picture>\n");
        return 2;
    }
    picgen::PictureDifference difference;
    QString error;
    if (!picgen::CompareFiles(QString::fromLocal8Bit(argv[1]), QString::fromLocal8Bit(argv[2]),
                              difference, error)) {
        std::fprintf(stderr, "piccompare: cannot compare: %s\n", qPrintable(error));
        return 2;
    }
    const picgen::PictureTolerance tolerance;
    if (!difference.sameSize) {
        std::printf("%s: another size or number of images\n", argv[2]);
        return 1;
    }
    std::printf("%s: %lld of %lld pixels beyond %d levels (largest difference %d)\n", argv[2],
                difference.changed, difference.pixels, tolerance.levels, difference.largest);
    return difference.Within(tolerance) ? 0 : 1;
}
