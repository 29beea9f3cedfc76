// SPDX-License-Identifier: GPL-3.0-or-later
// Draws the game's bitmaps and icon and writes them, with their resource files, under a res
// directory:
//   picgen <res-directory> [--preview <directory>]
#include <QGuiApplication>
#include <QStringList>
#include <cstdio>
#include <exception>

#include "output_writer.h"

int main(int argc, char* argv[]) {
    // Fonts need a GUI application; no display is needed to draw into images.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);

    const QStringList args = app.arguments().mid(1);
    const qsizetype previewAt = args.indexOf(QStringLiteral("--preview"));
    const bool usageOk =
        (args.size() == 1 && previewAt < 0) || (args.size() == 3 && previewAt == 1);
    if (!usageOk) {
        std::fprintf(stderr, "usage: picgen <res-directory> [--preview <directory>]\n");
        return 2;
    }
    const QString resDirectory = args.first();
    const QString previewDirectory = previewAt < 0 ? QString() : args.at(2);
    try {
        picgen::WriteBitmaps(resDirectory + QStringLiteral("/bitmaps"), previewDirectory);
        picgen::WriteIcons(resDirectory + QStringLiteral("/icons"));
    } catch (const std::exception& error) {
        std::fprintf(stderr, "picgen: %s\n", error.what());
        return 1;
    }
    return 0;
}
