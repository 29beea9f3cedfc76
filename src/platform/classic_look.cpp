// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/classic_look.h"

#include <QApplication>
#include <QPalette>
#include <QStyleFactory>
#include <cstring>

namespace zormade {

bool StyleChosenByUser(int argc, char** argv) {
    if (!qEnvironmentVariableIsEmpty("QT_STYLE_OVERRIDE")) return true;
    for (int i = 1; i < argc; ++i) {
        const char* arg = argv[i];
        if (std::strncmp(arg, "--", 2) == 0) ++arg;
        if (std::strcmp(arg, "-style") == 0 || std::strncmp(arg, "-style=", 7) == 0) return true;
    }
    return false;
}

void UseClassicLook() {
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Windows")));
    const QColor face(0xC0, 0xC0, 0xC0);
    const QColor shadow(0x80, 0x80, 0x80);
    QPalette palette(Qt::black, face, Qt::white, shadow, QColor(0xA0, 0xA0, 0xA0), Qt::black,
                     Qt::white, Qt::white, face);
    palette.setColor(QPalette::Midlight, QColor(0xDF, 0xDF, 0xDF));
    palette.setColor(QPalette::Shadow, Qt::black);
    palette.setColor(QPalette::Highlight, QColor(0x00, 0x00, 0x80));
    palette.setColor(QPalette::HighlightedText, Qt::white);
    palette.setColor(QPalette::ToolTipBase, QColor(0xFF, 0xFF, 0xE1));
    palette.setColor(QPalette::ToolTipText, Qt::black);
    for (QPalette::ColorRole role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText}) {
        palette.setColor(QPalette::Disabled, role, shadow);
    }
    QApplication::setPalette(palette);
}

}  // namespace zormade
