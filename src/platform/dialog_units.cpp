// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/dialog_units.h"

#include <QDir>
#include <QFileInfo>
#include <QFont>
#include <QFontDatabase>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QScreen>
#include <QStringList>
#include <climits>
#include <cmath>

#include "platform/dialog_template.h"
#include "platform/translation.h"

namespace zormade {
namespace {

// Below this the kanji lose their strokes.
constexpr int kSmallestPixels = 10;

// Set where the chosen language is written in Latin letters, which the Japanese face does not suit.
bool latinFace = false;

// The face's unit across as the period's systems took it: the mean width of the 52 letters.
int LetterUnit(const QFont& font) {
    const int letters = QFontMetrics(font).horizontalAdvance(
        QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz"));
    return (letters / 26 + 1) / 2;
}

int RoundedMulDiv(int value, int mul, int div) {
    return static_cast<int>(std::lround(static_cast<double>(value) * mul / div));
}

// The face's units at a pixel height: measured for the template sizes, else estimated.
BaseUnits UnitsAtHeight(int pixels) {
    switch (pixels) {
    case 12: return {12, 6, 12};
    case 15: return {15, 8, 15};
    case 16: return {16, 9, 16};
    case 19: return {19, 10, 19};
    default: return {pixels, (pixels + 1) / 2, pixels};
    }
}

}  // namespace

BaseUnits BaseUnitsFor(int pointSize) {
    switch (pointSize) {
    case 9: return UnitsAtHeight(12);
    case 11: return UnitsAtHeight(15);
    case 12: return UnitsAtHeight(16);
    case 14: return UnitsAtHeight(19);
    default: return UnitsAtHeight(RoundedMulDiv(pointSize, 96, 72));
    }
}

BaseUnits FittingUnits(QSize dlu, int pointSize, QSize around, QSize room) {
    const auto fits = [&](const BaseUnits& units) {
        const QSize pixels = DialogUnitsToPixels(QRect(QPoint(0, 0), dlu), units).size() + around;
        return pixels.width() <= room.width() && pixels.height() <= room.height();
    };
    BaseUnits units = BaseUnitsFor(pointSize);
    while (!fits(units) && units.pixelHeight > kSmallestPixels) {
        units = UnitsAtHeight(units.pixelHeight - 1);
    }
    return units;
}

QSize AvailableRoom() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->availableGeometry().size() : QSize(INT_MAX, INT_MAX);
}

QRect DialogUnitsToPixels(const QRect& dlu, int pointSize) {
    return DialogUnitsToPixels(dlu, BaseUnitsFor(pointSize));
}

QRect DialogUnitsToPixels(const QRect& dlu, const BaseUnits& units) {
    const int left = RoundedMulDiv(dlu.x(), units.cx, 4);
    const int top = RoundedMulDiv(dlu.y(), units.cy, 8);
    const int right = RoundedMulDiv(dlu.x() + dlu.width(), units.cx, 4);
    const int bottom = RoundedMulDiv(dlu.y() + dlu.height(), units.cy, 8);
    return QRect(left, top, right - left, bottom - top);
}

QFont DialogFont(const QString& face, int pointSize) {
    return DialogFont(face, BaseUnitsFor(pointSize));
}

QFont DialogFont(const QString& face, const BaseUnits& units) {
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
    font.setPixelSize(units.pixelHeight);
    font.setStyleStrategy(QFont::PreferMatch);
    // The layouts' units are the Japanese face's; a Latin face takes the size at which its letters
    // are as wide as those units say, so a text is as wide as the template allowed for it.
    while (latinFace && font.pixelSize() > kSmallestPixels && LetterUnit(font) > units.cx) {
        font.setPixelSize(font.pixelSize() - 1);
    }
    return font;
}

const QString& DialogFace() {
    static const QString kFace = [] {
        for (const QFileInfo& file : QDir(QStringLiteral(":/templates")).entryInfoList()) {
            const std::optional<DialogTemplate> loaded =
                LoadDialogTemplate(file.completeBaseName().toInt());
            if (loaded && !loaded->face.isEmpty()) return loaded->face;
        }
        return QString();
    }();
    return kFace;
}

void InstallDialogFonts() {
    QStringList faces = {"IPAPGothic", "IPAGothic",    "Noto Sans CJK JP",
                         "VL PGothic", "TakaoPGothic", "Droid Sans Japanese"};
    latinFace = CurrentLanguage() != kSourceLanguage;
    // A sans of the period's desktops, with Arial's widths; the Japanese faces stay behind it for
    // a text that has no translation.
    if (latinFace) faces = QStringList{"Liberation Sans", "Arimo"} + faces;
    QFont::removeSubstitutions(DialogFace());
    QFont::insertSubstitutions(DialogFace(), faces);
    QGuiApplication::setFont(DialogFont(DialogFace(), 11));
}

}  // namespace zormade
