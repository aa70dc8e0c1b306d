#pragma once

#include <cstdint>

namespace zentova {

// The shared words of movies of the view's pictures, encoded with FFmpeg's libraries: H.264 in MP4
// for slides, VP9 in WebM for web pages, GIF for chat and wikis. No Qt, no GL: pictures come in as
// bytes.

enum class MovieFormat { Mp4, WebM, Gif };

// What the encoder may spend on a picture. Quality for a movie made apart from the view;
// Live for a recording of the view, where the encoder shares the processor with a displayed
// calculation and must not slow it.
enum class EncodingEffort { Quality, Live };

struct MovieSettings {
    int width = 800;  // pixels; MP4 and WebM take even sizes, an odd one is made one less
    int height = 700;
    int fps = 25;  // pictures per second of the movie
    EncodingEffort effort = EncodingEffort::Quality;
};

// How the bytes of a picture lie in memory, from the lowest address.
enum class PixelLayout {
    Rgb24,  // red, green, blue
    Bgrx,   // blue, green, red, unused: QImage's RGB32 on this processor
    Rgbx,   // red, green, blue, unused: OpenGL's RGBA read-back
};

// One picture handed to the writer; the writer copies it before addFrame returns.
struct FramePixels {
    const std::uint8_t* data = nullptr;
    int width = 0;
    int height = 0;
    int stride = 0;  // bytes from one row to the next in memory
    PixelLayout layout = PixelLayout::Rgb24;
    bool bottomUp = false;  // the first row in memory is the bottom one (OpenGL's order)
};

}  // namespace zentova
