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

void WriteFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        throw std::runtime_error("cannot write " + path.toStdString());
}

void SaveImage(const QImage& image, const QString& path) {
    if (!image.save(path, "PNG")) throw std::runtime_error("cannot write " + path.toStdString());
}

void MakeDirectory(const QString& path) {
    if (!QDir().mkpath(path)) throw std::runtime_error("cannot create " + path.toStdString());
}

// What the pictures' pixels depend on outside this program: Qt, which draws and scales them, and
// the faces their lettering is drawn from.
QByteArray MachineRecord() {
    const QStringList lines =
        QStringList{QStringLiteral("Qt ") + QString::fromLatin1(qVersion())} + FontFingerprint();
    return lines.join('\n').toUtf8() + '\n';
}

QImage IconImage(const Scene& scene, int size) {
    // Icons are too small for dithering: it would only speckle their edges.
    return ReduceToPalette(RenderScene(scene, QSize(size, size)), scene.palette, Dithering::None);
}

// Large enough for smooth edges: drawn at its own size, in full colour.
QImage LargeIconImage(Scene scene, int size) {
    scene.canvas = QSize(size, size);
    return RenderScene(scene, scene.canvas);
}

QByteArray IconSvg(const Scene& scene) {
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

void WriteBitmaps(const QString& directory, const QString& previewDirectory) {
    MakeDirectory(directory);
    if (!previewDirectory.isEmpty()) MakeDirectory(previewDirectory);
    QStringList names;
    for (const PictureEntry& entry : PictureCatalogue()) {
        const QImage bitmap = RenderPicture(entry);
        const QString name = QStringLiteral("%1.bmp").arg(entry.id);
        WriteFile(directory + '/' + name, EncodeBmp4(bitmap, entry.compression));
        names.append(name);
        if (!previewDirectory.isEmpty())
            SaveImage(DisplayedPicture(entry, bitmap),
                      QStringLiteral("%1/%2.png").arg(previewDirectory).arg(entry.id));
    }
    WriteFile(directory + QStringLiteral("/bitmaps.qrc"),
              ResourceCollection(QStringLiteral("/bitmaps"), names));
    WriteFile(directory + QStringLiteral("/made-with.txt"), MachineRecord());
}

void WriteIcons(const QString& directory) {
    MakeDirectory(directory);
    const Scene emblem = IconScene();
    const QImage small = IconImage(SmallIconScene(), 16);
    const QImage medium = IconImage(emblem, 32);
    const QImage large = IconImage(emblem, 48);

    QStringList names{QStringLiteral("zormade.ico")};
    WriteFile(directory + QStringLiteral("/zormade.ico"), EncodeIco({medium, small}));
    const std::pair<int, QImage> pngs[] = {{16, small},
                                           {32, medium},
                                           {48, large},
                                           {64, LargeIconImage(emblem, 64)},
                                           {128, LargeIconImage(emblem, 128)},
                                           {256, LargeIconImage(emblem, 256)}};
    WriteFile(directory + QStringLiteral("/zormade.svg"), IconSvg(emblem));
    for (const auto& [size, image] : pngs) {
        const QString name = QStringLiteral("zormade-%1.png").arg(size);
        SaveImage(image, directory + '/' + name);
        names.append(name);
    }
    WriteFile(directory + QStringLiteral("/icons.qrc"),
              ResourceCollection(QStringLiteral("/icons"), names));
}

}  // namespace picgen
