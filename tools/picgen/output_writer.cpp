// SPDX-License-Identifier: GPL-3.0-or-later
#include "output_writer.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QSvgGenerator>
#include <stdexcept>

#include "core/bmp_writer.h"
#include "core/ico_writer.h"
#include "core/palette_reduction.h"
#include "core/qrc_writer.h"
#include "draw/text.h"
#include "picture_catalogue.h"
#include "picture_renderer.h"
#include "scenes/scenes.h"

namespace picgen {
namespace {

void writeFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        throw std::runtime_error("cannot write " + path.toStdString());
}

void saveImage(const QImage& image, const QString& path) {
    if (!image.save(path, "PNG")) throw std::runtime_error("cannot write " + path.toStdString());
}

void makeDirectory(const QString& path) {
    if (!QDir().mkpath(path)) throw std::runtime_error("cannot create " + path.toStdString());
}

// What the pictures' pixels depend on outside this program: Qt, which draws and scales them, and
// the faces their lettering is drawn from.
QByteArray machineRecord() {
    const QStringList lines =
        QStringList{QStringLiteral("Qt ") + QString::fromLatin1(qVersion())} + fontFingerprint();
    return lines.join('\n').toUtf8() + '\n';
}

QImage iconImage(const Scene& scene, int size) {
    // Icons are too small for dithering: it would only speckle their edges.
    return reduceToPalette(renderScene(scene, QSize(size, size)), scene.palette, Dithering::None);
}

// Large enough for smooth edges: drawn at its own size, in full colour.
QImage largeIconImage(Scene scene, int size) {
    scene.canvas = QSize(size, size);
    return renderScene(scene, scene.canvas);
}

QByteArray iconSvg(const Scene& scene) {
    QBuffer buffer;
    QSvgGenerator generator;
    generator.setOutputDevice(&buffer);
    generator.setSize(scene.canvas);
    generator.setViewBox(QRect(QPoint(0, 0), scene.canvas));
    generator.setTitle(QStringLiteral("ZORMADE"));
    {
        QPainter painter(&generator);
        painter.setRenderHint(QPainter::Antialiasing);
        scene.draw(painter, QSizeF(scene.canvas));
    }
    return buffer.data();
}

}  // namespace

void writeBitmaps(const QString& directory, const QString& previewDirectory) {
    makeDirectory(directory);
    if (!previewDirectory.isEmpty()) makeDirectory(previewDirectory);
    QStringList names;
    for (const PictureEntry& entry : pictureCatalogue()) {
        const QImage bitmap = renderPicture(entry);
        const QString name = QStringLiteral("%1.bmp").arg(entry.id);
        writeFile(directory + '/' + name, encodeBmp4(bitmap, entry.compression));
        names.append(name);
        if (!previewDirectory.isEmpty())
            saveImage(displayedPicture(entry, bitmap),
                      QStringLiteral("%1/%2.png").arg(previewDirectory).arg(entry.id));
    }
    writeFile(directory + QStringLiteral("/bitmaps.qrc"),
              resourceCollection(QStringLiteral("/bitmaps"), names));
    writeFile(directory + QStringLiteral("/made-with.txt"), machineRecord());
}

void writeIcons(const QString& directory) {
    makeDirectory(directory);
    const Scene emblem = iconScene();
    const QImage small = iconImage(smallIconScene(), 16);
    const QImage medium = iconImage(emblem, 32);
    const QImage large = iconImage(emblem, 48);

    QStringList names{QStringLiteral("zormade.ico")};
    writeFile(directory + QStringLiteral("/zormade.ico"), encodeIco({medium, small}));
    const std::pair<int, QImage> pngs[] = {{16, small},
                                           {32, medium},
                                           {48, large},
                                           {64, largeIconImage(emblem, 64)},
                                           {128, largeIconImage(emblem, 128)},
                                           {256, largeIconImage(emblem, 256)}};
    writeFile(directory + QStringLiteral("/zormade.svg"), iconSvg(emblem));
    for (const auto& [size, image] : pngs) {
        const QString name = QStringLiteral("zormade-%1.png").arg(size);
        saveImage(image, directory + '/' + name);
        names.append(name);
    }
    writeFile(directory + QStringLiteral("/icons.qrc"),
              resourceCollection(QStringLiteral("/icons"), names));
}

}  // namespace picgen
