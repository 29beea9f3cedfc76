// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFont>
#include <QRect>
#include <QSize>
#include <QString>

namespace zormade {

// The face every dialog template names, read from the templates themselves.
const QString& DialogFace();

// The dialog face's base units at one template point size.
struct BaseUnits {
    int pixelHeight;
    int cx;
    int cy;

    bool operator==(const BaseUnits& o) const {
        return pixelHeight == o.pixelHeight && cx == o.cx && cy == o.cy;
    }
    bool operator!=(const BaseUnits& o) const { return !(*this == o); }
};

BaseUnits BaseUnitsFor(int pointSize);

// The units of the template face when the window does not fit `room` with `around` pixels added
// (its decoration): the template's own where it fits, else those of the largest smaller face that
// fits, as a smaller system font would give, down to a face still legible.
BaseUnits FittingUnits(QSize dlu, int pointSize, QSize around, QSize room);

// Where a window can go: the primary screen's area less its panels.
QSize AvailableRoom();

// Maps each edge separately and rounds to nearest, so neighbouring controls share their edges.
QRect DialogUnitsToPixels(const QRect& dlu, int pointSize);
QRect DialogUnitsToPixels(const QRect& dlu, const BaseUnits& units);

// The template face, mapped to a Japanese P-Gothic the machine has, at the template's pixel height;
// in a language written in Latin letters, to a Latin sans sized so that its letters fit the units.
QFont DialogFont(const QString& face, int pointSize);
QFont DialogFont(const QString& face, const BaseUnits& units);

// Makes the template face resolve to an installed font for the chosen language and uses it for
// menus and message boxes too; call after the language is chosen and the application object made,
// before any window.
void InstallDialogFonts();

}  // namespace zormade
