// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/palette_reduction.h"

#include <algorithm>
#include <array>
#include <cstdlib>
#include <limits>
#include <stdexcept>
#include <vector>

namespace picgen {
namespace {

// Smooth scaling may round a flat colour by a step or two per channel.
constexpr int kFlatTolerance = 2;

using Colour = std::array<float, 3>;

struct Match {
    int index = -1;
    float distance = std::numeric_limits<float>::max();
};

// Weighted squared distance: the eye separates greens best and blues worst.
float Distance(const Colour& a, QRgb b) {
    const float dr = a[0] - float(qRed(b));
    const float dg = a[1] - float(qGreen(b));
    const float db = a[2] - float(qBlue(b));
    return 3 * dr * dr + 4 * dg * dg + 2 * db * db;
}

Match NearestOpaque(const Colour& colour, const QList<QRgb>& palette) {
    Match best;
    for (int i = 0; i < palette.size(); ++i) {
        if (qAlpha(palette[i]) == 0) continue;
        const float d = Distance(colour, palette[i]);
        if (d < best.distance) best = {i, d};
    }
    return best;
}

bool IsFlat(QRgb pixel, QRgb paletteColour) {
    return std::abs(qRed(pixel) - qRed(paletteColour)) <= kFlatTolerance &&
           std::abs(qGreen(pixel) - qGreen(paletteColour)) <= kFlatTolerance &&
           std::abs(qBlue(pixel) - qBlue(paletteColour)) <= kFlatTolerance;
}

int TransparentIndex(const QList<QRgb>& palette) {
    const auto it =
        std::find_if(palette.begin(), palette.end(), [](QRgb c) { return qAlpha(c) == 0; });
    return it == palette.end() ? -1 : int(it - palette.begin());
}

// Error rows carry one spare cell at each end so the diffusion needs no edge checks.
class ErrorRows {
public:
    explicit ErrorRows(int width) : current_(size_t(width) + 2), next_(size_t(width) + 2) {}
    Colour& Current(int x) { return current_[size_t(x) + 1]; }
    Colour& Next(int x) { return next_[size_t(x) + 1]; }
    void Advance() {
        std::swap(current_, next_);
        std::fill(next_.begin(), next_.end(), Colour{});
    }

private:
    std::vector<Colour> current_;
    std::vector<Colour> next_;
};

void AddScaled(Colour& target, const Colour& error, float weight) {
    for (int c = 0; c < 3; ++c) target[c] += error[c] * weight;
}

}  // namespace

QImage ReduceToPalette(const QImage& source, const QList<QRgb>& palette, Dithering dithering) {
    if (palette.isEmpty() || palette.size() > 256 || NearestOpaque({}, palette).index < 0)
        throw std::invalid_argument("the palette needs at least one opaque colour");

    const QImage image = source.convertToFormat(QImage::Format_ARGB32);
    QImage out(image.size(), QImage::Format_Indexed8);
    out.setColorTable(palette);
    const int transparent = TransparentIndex(palette);

    ErrorRows errors(image.width());
    for (int y = 0; y < image.height(); ++y) {
        const auto* pixels = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        uchar* indices = out.scanLine(y);
        // Alternate direction each row so the diffusion leaves no diagonal drift.
        const bool leftToRight = y % 2 == 0;
        const int step = leftToRight ? 1 : -1;
        for (int i = 0; i < image.width(); ++i) {
            const int x = leftToRight ? i : image.width() - 1 - i;
            const QRgb pixel = pixels[x];
            if (transparent >= 0 && qAlpha(pixel) < 128) {
                indices[x] = uchar(transparent);
                continue;
            }
            const Colour plain{float(qRed(pixel)), float(qGreen(pixel)), float(qBlue(pixel))};
            const Match flat = NearestOpaque(plain, palette);
            if (dithering == Dithering::None || IsFlat(pixel, palette[flat.index])) {
                indices[x] = uchar(flat.index);
                continue;
            }
            Colour wanted = plain;
            for (int c = 0; c < 3; ++c)
                wanted[c] = std::clamp(wanted[c] + errors.Current(x)[c], 0.0f, 255.0f);
            const int chosen = NearestOpaque(wanted, palette).index;
            indices[x] = uchar(chosen);
            const Colour error{wanted[0] - float(qRed(palette[chosen])),
                               wanted[1] - float(qGreen(palette[chosen])),
                               wanted[2] - float(qBlue(palette[chosen]))};
            AddScaled(errors.Current(x + step), error, 7.0f / 16);
            AddScaled(errors.Next(x - step), error, 3.0f / 16);
            AddScaled(errors.Next(x), error, 5.0f / 16);
            AddScaled(errors.Next(x + step), error, 1.0f / 16);
        }
        errors.Advance();
    }
    return out;
}

}  // namespace picgen
