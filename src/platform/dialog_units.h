// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFont>
#include <QRect>
#include <QString>

namespace zormade {

inline const QString kDialogFace = QStringLiteral("ＭＳ Ｐゴシック");

// The dialog face's base units at one template point size.
struct BaseUnits {
    int pixelHeight;
    int cx;
    int cy;
};

BaseUnits BaseUnitsFor(int pointSize);

// Maps each edge separately and rounds to nearest, so neighbouring controls share their edges.
QRect DialogUnitsToPixels(const QRect& dlu, int pointSize);

// The template face, mapped to a Japanese P-Gothic the machine has, at the template's pixel height.
QFont DialogFont(const QString& face, int pointSize);

// Makes the template face resolve to an installed Japanese font and uses it for menus and
// message boxes too; call once, after the application object and before any window.
void InstallDialogFonts();

}  // namespace zormade
