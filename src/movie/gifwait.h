#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "movie/ffmpegstream.h"
#include "movie/palette.h"

namespace zentova {

// A GIF has one palette, taken from its first pictures: they wait here, their colours
// counted, until `Frames` of them are in or the movie ends; then the palette is chosen and
// every picture goes to the encoder in its colours.
class GifPaletteWait {
  public:
    GifPaletteWait(int width, int height, int frames)
        : m_width(width), m_height(height), m_frames(frames) {}

    // One picture of the movie's size, 3 bytes a pixel, rows packed.
    void add(FfmpegStream& stream, const std::vector<std::uint8_t>& rgb);
    // Chooses the palette now if it is still waiting, and sends what waits.
    void flush(FfmpegStream& stream);

  private:
    void send(FfmpegStream& stream, const std::vector<std::uint8_t>& rgb);

    int m_width;
    int m_height;
    int m_frames;
    std::vector<std::vector<std::uint8_t>> m_waiting;
    ColourCounts m_colours;
    std::optional<PaletteMapper> m_mapper;
};

}  // namespace zentova
