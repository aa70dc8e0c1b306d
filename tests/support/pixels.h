#pragma once

#include <QImage>
#include <QRect>
#include <algorithm>
#include <cmath>
#include <cstdint>

#include "canvas/canvas.h"
#include "model/random.h"

namespace zentova::testing {

// Pixels of `color` inside `area` (clipped to the image).
inline int countColor(const QImage& image, QRect area, PackedColor color) {
    area &= image.rect();
    int count = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (fromQRgb(image.pixel(x, y)) == (color & 0xFFFFFFu)) ++count;
    return count;
}

// The smallest rectangle holding every pixel that differs between two images of one size;
// empty when they are equal.
inline QRect changedArea(const QImage& before, const QImage& after) {
    QRect area;
    for (int y = 0; y < before.height(); ++y)
        for (int x = 0; x < before.width(); ++x)
            if (before.pixel(x, y) != after.pixel(x, y)) area |= QRect(x, y, 1, 1);
    return area;
}

// The pixels of the image as a pattern of two values each, so no two neighbours are equal and
// any copy to the wrong place shows.
inline void fillPattern(QImage& image) {
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            image.setPixel(x, y, toQRgb(packColor(x * 7 % 256, y * 5 % 256, (x ^ y) % 256)));
}

// A seed whose first draw of "random k" gives `wanted` (searched from `from`).
inline std::uint32_t seedGiving(int k, int wanted, std::uint32_t from = 1) {
    for (std::uint32_t seed = from;; ++seed) {
        RandomSource probe{seed, {}};
        if (static_cast<int>(RandomUniform(probe) * k) == wanted) return seed;
    }
}

// The generator after `draws` values from `seed`.
inline std::uint32_t seedAfter(std::uint32_t seed, int draws) {
    RandomSource probe{seed, {}};
    for (int i = 0; i < draws; ++i) RandomUniform(probe);
    return probe.seed;
}

// The contrast of two colours as WCAG 2.1 defines it, from their relative luminance: 1 to 21.
inline double contrastRatio(QRgb a, QRgb b) {
    const auto luminance = [](QRgb c) {
        const auto linear = [](int v) {
            const double s = v / 255.0;
            return s <= 0.03928 ? s / 12.92 : std::pow((s + 0.055) / 1.055, 2.4);
        };
        return 0.2126 * linear(qRed(c)) + 0.7152 * linear(qGreen(c)) + 0.0722 * linear(qBlue(c));
    };
    const double la = luminance(a);
    const double lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

// A control's focus frame as a grab of it shows: the contrast, at the middle of each side,
// between a band two pixels thick (insets 1 and 2) and the pixels on both sides of it
// (insets 0 and 3); the smallest found. About 1 where there is no such band.
inline double focusBandContrast(const QImage& control) {
    const int w = control.width();
    const int h = control.height();
    // From the edge inwards, at the middle of the top, bottom, left and right sides.
    const auto at = [&](int side, int inset) {
        switch (side) {
            case 0:
                return control.pixel(w / 2, inset);
            case 1:
                return control.pixel(w / 2, h - 1 - inset);
            case 2:
                return control.pixel(inset, h / 2);
            default:
                return control.pixel(w - 1 - inset, h / 2);
        }
    };
    double smallest = 21.0;
    for (int side = 0; side < 4; ++side) {
        // One band: its two pixels alike.
        if (contrastRatio(at(side, 1), at(side, 2)) > 1.2) return 1.0;
        smallest = std::min({smallest, contrastRatio(at(side, 1), at(side, 0)),
                             contrastRatio(at(side, 2), at(side, 3))});
    }
    return smallest;
}

}  // namespace zentova::testing
