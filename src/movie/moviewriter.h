#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>

#include "files/output.h"
#include "movie/movietypes.h"

namespace zentova {

// The format a file name asks for by its extension: ".mp4", ".webm" or ".gif", in any case;
// none for any other name.
std::optional<MovieFormat> movieFormatOf(const std::string& path);

// The first of "BASE-1.mp4", "BASE-2.mp4", ... that names no file yet.
std::string numberedMoviePath(const std::string& baseName);

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
