// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QImage>
#include <cstdint>

// Pieces of a device-independent bitmap shared by the BMP and ICO writers.
namespace picgen::dib {

constexpr std::uint32_t kCompressionRgb = 0;
constexpr std::uint32_t kCompressionRle4 = 2;
constexpr int kInfoHeaderSize = 40;
constexpr int kMaxColours = 16;

void AppendU16(QByteArray& out, std::uint16_t value);
void AppendU32(QByteArray& out, std::uint32_t value);

struct InfoHeader {
    int width = 0;
    int height = 0;  // ICO images store twice the height: colour rows, then mask rows
    std::uint32_t compression = kCompressionRgb;
    std::uint32_t imageBytes = 0;
    int colours = 0;
};
void AppendInfoHeader(QByteArray& out, const InfoHeader& header);

// Entries with alpha 0 are written black, which is what an icon's colour layer needs under its
// mask.
void AppendPalette(QByteArray& out, const QList<QRgb>& colours);

// 4-bit pixels, two to a byte, high nibble first, each row padded to 4 bytes, bottom row first.
QByteArray PackedRows4(const QImage& indexed);

int RowStride(int width, int bitsPerPixel);

}  // namespace picgen::dib
