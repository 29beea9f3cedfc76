// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/dialog_units.h"

#include <QFont>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QStringList>
#include <cmath>

namespace zormade {
namespace {

int RoundedMulDiv(int value, int mul, int div) {
    return static_cast<int>(std::lround(static_cast<double>(value) * mul / div));
}

}  // namespace

BaseUnits BaseUnitsFor(int pointSize) {
    switch (pointSize) {
    case 9: return {12, 6, 12};
    case 11: return {15, 8, 15};
    case 12: return {16, 9, 16};
    case 14: return {19, 10, 19};
    default: {
        const int pixels = RoundedMulDiv(pointSize, 96, 72);
        return {pixels, (pixels + 1) / 2, pixels};
    }
    }
}

QRect DialogUnitsToPixels(const QRect& dlu, int pointSize) {
    const BaseUnits units = BaseUnitsFor(pointSize);
    const int left = RoundedMulDiv(dlu.x(), units.cx, 4);
    const int top = RoundedMulDiv(dlu.y(), units.cy, 8);
    const int right = RoundedMulDiv(dlu.x() + dlu.width(), units.cx, 4);
    const int bottom = RoundedMulDiv(dlu.y() + dlu.height(), units.cy, 8);
    return QRect(left, top, right - left, bottom - top);
}

QFont DialogFont(const QString& face, int pointSize) {
    // Naming the installed substitute spares Qt a failed lookup and a search for fallbacks, for
    // every size, of a face that is not there.
    QString family = face;
    for (const QString& substitute : QFont::substitutes(face)) {
        if (QFontDatabase::hasFamily(substitute)) {
            family = substitute;
            break;
        }
    }
    QFont font(family);
    font.setPixelSize(BaseUnitsFor(pointSize).pixelHeight);
    font.setStyleStrategy(QFont::PreferMatch);
    return font;
}

void InstallDialogFonts() {
    const QStringList japaneseGothics = {"IPAPGothic", "IPAGothic", "Noto Sans CJK JP",
                                         "VL PGothic", "TakaoPGothic", "Droid Sans Japanese"};
    QFont::insertSubstitutions(kDialogFace, japaneseGothics);
    QGuiApplication::setFont(DialogFont(kDialogFace, 11));
}

}  // namespace zormade
