#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <unordered_map>
#include <vector>

namespace zentova {

// The colours of a picture reduced to a palette for a GIF: the view's pictures are a few
// shaded sphere colours, the background, the cube edges and the time, which a palette of
// 255 colours chosen from the pictures themselves shows with no visible banding.

// How often each exact colour occurs in the pictures added. Packed 0xRRGGBB.
class ColourCounts {
  public:
    // Adds the pixels of a picture of packed RGB bytes, rows `stride` bytes apart.
    void add(const std::uint8_t* rgb, int width, int height, int stride);
    const std::unordered_map<std::uint32_t, std::uint32_t>& counts() const { return m_counts; }

  private:
    std::unordered_map<std::uint32_t, std::uint32_t> m_counts;
};

// At most `size` colours (packed 0xRRGGBB) that stand for the counted colours with little
// error: boxes of colours split at their weighted median along their longest side, the box
// with the largest squared error first, then a few rounds of moving each colour to the mean
// of those nearest to it. A colour that fills a box of its own (the background) is kept
// exactly. Fewer colours when fewer occur.
std::vector<std::uint32_t> choosePalette(const ColourCounts& counts, int size);

// Maps pictures onto a palette with error diffusion (Floyd and Steinberg's weights, taken at
// seven eighths and in serpentine order), so that gradients show as fine grain rather than
// bands. A colour of the palette met exactly maps to itself with no error, so flat areas such
// as the background come out clean and stay the same from one picture to the next.
class PaletteMapper {
  public:
    explicit PaletteMapper(std::vector<std::uint32_t> palette);

    // Writes one palette index per pixel of the RGB picture into `indexes` (rows
    // `indexStride` bytes apart).
    void map(const std::uint8_t* rgb, int width, int height, int stride, std::uint8_t* indexes,
             int indexStride);

    // The index of the palette colour nearest to (r, g, b).
    std::uint8_t nearest(int r, int g, int b);

    const std::vector<std::uint32_t>& palette() const { return m_palette; }

  private:
    std::vector<std::uint32_t> m_palette;
    // The palette's indexes in order of red, and their reds: the search for the nearest
    // colour goes out from the wanted red and stops where red alone is farther than the best.
    std::vector<std::uint8_t> m_byRed;
    std::vector<int> m_reds;
    // Remembered answers of nearest(), keyed by the colour: 0 marks an empty slot.
    static constexpr std::size_t CacheSize = 1 << 16;
    std::vector<std::uint32_t> m_cacheKeys;
    std::vector<std::uint8_t> m_cacheValues;
    std::vector<int> m_errors;  // two rows of three channels, in sixteenths
};

}  // namespace zentova
