#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>

#include "files/output.h"

namespace zentova {

// Movies of the view's pictures, encoded with FFmpeg's libraries: H.264 in MP4 for slides,
// VP9 in WebM for web pages, GIF for chat and wikis. No Qt, no GL: pictures come in as
// bytes.

enum class MovieFormat { Mp4, WebM, Gif };

// The format a file name asks for by its extension: ".mp4", ".webm" or ".gif", in any case;
// none for any other name.
std::optional<MovieFormat> movieFormatOf(const std::string& path);

// The first of "BASE-1.mp4", "BASE-2.mp4", ... that names no file yet.
std::string numberedMoviePath(const std::string& baseName);

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

// Writes one movie. The file is made by the output writer under a temporary name beside the
// target (".OUT.zentova.tmp-..." and twelve letters or digits) and takes the target's name only
// when finish() succeeds; abort(), a failure or destruction before finish() removes it, so the
// target never names half a movie. Pictures are encoded on a thread of the writer's own while the
// caller draws the next; a picture of another size than the movie's is scaled to it. A GIF takes
// its one palette from its first pictures (up to GifPaletteFrames of them).
class MovieWriter {
  public:
    static constexpr int GifPaletteFrames = 8;

    // Opens the encoder and the temporary file through the output writer under `policy`.
    // Throws FileError naming `path` when the policy refuses it, the folder cannot take the
    // file or the encoder is missing.
    MovieWriter(const std::string& path, MovieFormat format, const MovieSettings& settings,
                const OutputPolicy& policy = OutputPolicy{});
    ~MovieWriter();
    MovieWriter(const MovieWriter&) = delete;
    MovieWriter& operator=(const MovieWriter&) = delete;

    // Queues one picture; waits while the encoder is a few pictures behind. Throws
    // FileError when an earlier picture could not be written (a full disk).
    void addFrame(const FramePixels& frame);
    // Encodes what is queued, ends the file and gives it its name. Throws FileError, having
    // removed the temporary file.
    void finish();
    // Stops and removes the temporary file. Safe to call at any time, and twice.
    void abort();

    long long frames() const;  // pictures added so far
    const std::string& path() const;
    const std::string& temporaryPath() const;
    int width() const;
    int height() const;

  private:
    struct Encoder;
    std::unique_ptr<Encoder> m_encoder;
};

}  // namespace zentova
