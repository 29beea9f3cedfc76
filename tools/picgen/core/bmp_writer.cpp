// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/bmp_writer.h"

#include <stdexcept>

#include "core/dib_parts.h"
#include "core/rle4_encoder.h"

namespace picgen {

QByteArray EncodeBmp4(const QImage& indexed, BmpCompression compression) {
    if (indexed.format() != QImage::Format_Indexed8 || indexed.colorCount() > dib::kMaxColours)
        throw std::invalid_argument("a 4-bit BMP needs an indexed image of at most 16 colours");

    const QByteArray pixels =
        compression == BmpCompression::Rle4 ? EncodeRle4(indexed) : dib::PackedRows4(indexed);
    constexpr int kFileHeaderSize = 14;
    const int pixelOffset = kFileHeaderSize + dib::kInfoHeaderSize + 4 * indexed.colorCount();

    QByteArray out;
    out.append("BM");
    dib::AppendU32(out, std::uint32_t(pixelOffset + pixels.size()));
    dib::AppendU32(out, 0);  // reserved
    dib::AppendU32(out, std::uint32_t(pixelOffset));

    dib::InfoHeader header;
    header.width = indexed.width();
    header.height = indexed.height();
    header.compression =
        compression == BmpCompression::Rle4 ? dib::kCompressionRle4 : dib::kCompressionRgb;
    header.imageBytes = std::uint32_t(pixels.size());
    header.colours = indexed.colorCount();
    dib::AppendInfoHeader(out, header);
    dib::AppendPalette(out, indexed.colorTable());
    out.append(pixels);
    return out;
}

}  // namespace picgen
