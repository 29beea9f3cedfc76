// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/rle4_encoder.h"

#include <algorithm>

namespace picgen {
namespace {

constexpr int kMaxRun = 255;
// Shorter alternating stretches cost more as encoded runs than inside an absolute run.
constexpr int kMinEncodedRun = 4;
// Absolute mode needs at least 3 pixels; counts 0, 1 and 2 are escape codes.
constexpr int kMinAbsoluteRun = 3;

// Length of the stretch from `start` that repeats the two colours found there, alternating.
int AlternatingRunLength(const uchar* row, int width, int start) {
    const int limit = std::min(width - start, kMaxRun);
    if (limit == 1) return 1;
    const uchar even = row[start];
    const uchar odd = row[start + 1];
    int length = 2;
    while (length < limit && row[start + length] == (length % 2 == 0 ? even : odd)) ++length;
    return length;
}

void AppendEncodedRun(QByteArray& out, const uchar* row, int start, int length) {
    const uchar odd = length > 1 ? row[start + 1] : row[start];
    out.append(char(length));
    out.append(char((row[start] << 4) | odd));
}

void AppendAbsoluteRun(QByteArray& out, const uchar* row, int start, int length) {
    out.append(char(0));
    out.append(char(length));
    const int bytes = (length + 1) / 2;
    for (int i = 0; i < bytes; ++i) {
        const uchar high = row[start + 2 * i];
        const uchar low = (2 * i + 1 < length) ? row[start + 2 * i + 1] : 0;
        out.append(char((high << 4) | low));
    }
    if (bytes % 2 != 0) out.append(char(0));  // absolute runs end on a 16-bit boundary
}

// Pixels that belong in an absolute run: up to where a worthwhile encoded run begins.
int LiteralLength(const uchar* row, int width, int start) {
    int length = 0;
    while (start + length < width && length < kMaxRun &&
           AlternatingRunLength(row, width, start + length) < kMinEncodedRun)
        ++length;
    return length;
}

void EncodeRow(QByteArray& out, const uchar* row, int width) {
    int x = 0;
    while (x < width) {
        const int run = AlternatingRunLength(row, width, x);
        if (run >= kMinEncodedRun) {
            AppendEncodedRun(out, row, x, run);
            x += run;
            continue;
        }
        const int literal = LiteralLength(row, width, x);
        if (literal >= kMinAbsoluteRun) {
            AppendAbsoluteRun(out, row, x, literal);
            x += literal;
        } else {
            // One or two leftover pixels: too short for absolute mode.
            AppendEncodedRun(out, row, x, std::min(run, literal));
            x += std::min(run, literal);
        }
    }
}

}  // namespace

QByteArray EncodeRle4(const QImage& indexed) {
    QByteArray out;
    for (int row = indexed.height() - 1; row >= 0; --row) {
        EncodeRow(out, indexed.constScanLine(row), indexed.width());
        out.append(char(0));
        out.append(char(row == 0 ? 1 : 0));  // end of line, or end of bitmap after the top row
    }
    return out;
}

}  // namespace picgen
