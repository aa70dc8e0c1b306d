#pragma once

#include <QImage>
#include <QRect>
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

}  // namespace zentova::testing
