// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/ico_writer.h"

#include <stdexcept>

#include "core/dib_parts.h"

namespace picgen {
namespace {

constexpr int kIconDirSize = 6;
constexpr int kIconDirEntrySize = 16;

// 1 bit per pixel, set where the pixel is transparent, bottom row first.
QByteArray AndMask(const QImage& indexed) {
    const int stride = dib::RowStride(indexed.width(), 1);
    QByteArray out(stride * indexed.height(), '\0');
    const QList<QRgb> colours = indexed.colorTable();
    for (int row = 0; row < indexed.height(); ++row) {
        const uchar* pixels = indexed.constScanLine(indexed.height() - 1 - row);
        char* dest = out.data() + row * stride;
        for (int x = 0; x < indexed.width(); ++x) {
            if (qAlpha(colours.at(pixels[x])) == 0)
                dest[x / 8] = char(uchar(dest[x / 8]) | uchar(0x80 >> (x % 8)));
        }
    }
    return out;
}

QByteArray IconImage(const QImage& indexed) {
    const QByteArray colourLayer = dib::PackedRows4(indexed);
    const QByteArray mask = AndMask(indexed);
    dib::InfoHeader header;
    header.width = indexed.width();
    header.height = 2 * indexed.height();
    header.imageBytes = std::uint32_t(colourLayer.size() + mask.size());
    header.colours = indexed.colorCount();

    QByteArray out;
    dib::AppendInfoHeader(out, header);
    dib::AppendPalette(out, indexed.colorTable());
    out.append(colourLayer);
    out.append(mask);
    return out;
}

}  // namespace

QByteArray EncodeIco(const QList<QImage>& images) {
    QList<QByteArray> bodies;
    for (const QImage& image : images) {
        if (image.format() != QImage::Format_Indexed8 || image.colorCount() > dib::kMaxColours ||
            image.width() > 255 || image.height() > 255)
            throw std::invalid_argument(
                "icon images must be indexed, 16 colours, below 256 pixels");
        bodies.append(IconImage(image));
    }

    QByteArray out;
    dib::AppendU16(out, 0);  // reserved
    dib::AppendU16(out, 1);  // icon, not cursor
    dib::AppendU16(out, std::uint16_t(images.size()));
    std::uint32_t offset = kIconDirSize + kIconDirEntrySize * std::uint32_t(images.size());
    for (int i = 0; i < images.size(); ++i) {
        out.append(char(images[i].width()));
        out.append(char(images[i].height()));
        out.append(char(dib::kMaxColours));
        out.append(char(0));     // reserved
        dib::AppendU16(out, 1);  // planes
        dib::AppendU16(out, 4);  // bits per pixel
        dib::AppendU32(out, std::uint32_t(bodies[i].size()));
        dib::AppendU32(out, offset);
        offset += std::uint32_t(bodies[i].size());
    }
    for (const QByteArray& body : bodies) out.append(body);
    return out;
}

}  // namespace picgen
