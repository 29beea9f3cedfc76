// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/dib_parts.h"

namespace picgen::dib {

void AppendU16(QByteArray& out, std::uint16_t value) {
    out.append(char(value & 0xff));
    out.append(char(value >> 8));
}

void AppendU32(QByteArray& out, std::uint32_t value) {
    AppendU16(out, std::uint16_t(value & 0xffff));
    AppendU16(out, std::uint16_t(value >> 16));
}

void AppendInfoHeader(QByteArray& out, const InfoHeader& header) {
    constexpr std::uint32_t kPixelsPerMetre = 2835;  // 72 dpi
    AppendU32(out, kInfoHeaderSize);
    AppendU32(out, std::uint32_t(header.width));
    AppendU32(out, std::uint32_t(header.height));
    AppendU16(out, 1);  // planes
    AppendU16(out, 4);  // bits per pixel
    AppendU32(out, header.compression);
    AppendU32(out, header.imageBytes);
    AppendU32(out, kPixelsPerMetre);
    AppendU32(out, kPixelsPerMetre);
    AppendU32(out, std::uint32_t(header.colours));
    AppendU32(out, 0);  // all colours important
}

void AppendPalette(QByteArray& out, const QList<QRgb>& colours) {
    for (QRgb colour : colours) {
        const bool transparent = qAlpha(colour) == 0;
        out.append(char(transparent ? 0 : qBlue(colour)));
        out.append(char(transparent ? 0 : qGreen(colour)));
        out.append(char(transparent ? 0 : qRed(colour)));
        out.append(char(0));
    }
}

int RowStride(int width, int bitsPerPixel) { return (width * bitsPerPixel + 31) / 32 * 4; }

QByteArray PackedRows4(const QImage& indexed) {
    const int stride = RowStride(indexed.width(), 4);
    QByteArray out(stride * indexed.height(), '\0');
    for (int row = 0; row < indexed.height(); ++row) {
        const uchar* pixels = indexed.constScanLine(indexed.height() - 1 - row);
        char* dest = out.data() + row * stride;
        for (int x = 0; x < indexed.width(); ++x) {
            const int shift = (x % 2 == 0) ? 4 : 0;
            dest[x / 2] = char(uchar(dest[x / 2]) | uchar((pixels[x] & 0x0f) << shift));
        }
    }
    return out;
}

}  // namespace picgen::dib
