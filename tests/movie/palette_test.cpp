// A GIF's palette from the pictures themselves: the background comes out exactly.

#include "movie/palette.h"

#include <gtest/gtest.h>

#include <vector>

namespace zentova {
namespace {

// Ten rows of ten pixels: six of the background, three of a shade 4 levels redder, one
// black. Two colours: black, and the background itself rather than the mean of its group
// (49, 80, 200); its pixels map to it with no error to spread.
TEST(Palette, KeepsTheBackgroundExactlyAndMapsItToItself) {
    const std::uint32_t background = 0x3050C8;  // (48, 80, 200)
    std::vector<std::uint8_t> rgb(3 * 100, 0);
    for (int k = 0; k < 90; ++k) {
        rgb[3 * k] = k < 60 ? 48 : 52;
        rgb[3 * k + 1] = 80;
        rgb[3 * k + 2] = 200;
    }
    ColourCounts counts;
    counts.add(rgb.data(), 10, 10, 30);
    const std::vector<std::uint32_t> palette = choosePalette(counts, 2);
    EXPECT_EQ(palette, (std::vector<std::uint32_t>{0x000000, background}));

    PaletteMapper mapper(palette);
    std::vector<std::uint8_t> indexes(100);
    mapper.map(rgb.data(), 10, 10, 30, indexes.data(), 10);
    for (int k = 0; k < 60; ++k) EXPECT_EQ(indexes[k], 1) << "pixel " << k;
    EXPECT_EQ(indexes[99], 0);
}

}  // namespace
}  // namespace zentova
