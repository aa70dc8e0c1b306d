#pragma once

#include <cstdint>
#include <memory>
#include <stdexcept>
#include <string>

#include "command/programerror.h"
#include "movie/framequeue.h"
#include "movie/movietypes.h"

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
#include <libswscale/swscale.h>
}

namespace zentova {

// A failure of the encoder or the file, for the writer to report with the movie's name.
struct EncodingFailure : ProgramError {
    using ProgramError::ProgramError;
};

// FFmpeg's contexts, each freed by its own function when its holder goes.
struct MuxerFree {
    void operator()(AVFormatContext* muxer) const;
};
struct CodecFree {
    void operator()(AVCodecContext* codec) const;
};
struct PictureFree {
    void operator()(AVFrame* picture) const;
};
struct PacketFree {
    void operator()(AVPacket* packet) const;
};
struct ScalerFree {
    void operator()(SwsContext* scaler) const;
};

// One movie file being encoded by FFmpeg: the muxer writing `file`, the encoder, its
// picture and packet, and the scaler that brings the caller's pictures to the movie's size
// and pixel format. Everything it holds is freed when it goes. Throws EncodingFailure.
class FfmpegStream {
  public:
    // Opens the encoder of `format` and writes the file's header. MP4 and WebM take even
    // sizes: `settings` is made one less where it is odd.
    FfmpegStream(const std::string& file, MovieFormat format, MovieSettings& settings);

    // Converts (and if need be scales) `frame` into `target` of the movie's size.
    void convert(const QueuedFrame& frame, AVPixelFormat targetFormat, std::uint8_t* const* target,
                 const int* targetStrides);
    // The picture to fill before send(), made writable.
    AVFrame& picture();
    // Encodes picture() as the next of the movie and writes what the encoder gives back.
    void send();
    // Has the encoder give back what it holds, writes the file's end and closes it.
    void end();

  private:
    void sendFrame(AVFrame* frame);
    void open(MovieFormat format);

    MovieSettings& m_settings;
    std::unique_ptr<AVFormatContext, MuxerFree> m_muxer;
    std::unique_ptr<AVCodecContext, CodecFree> m_codec;
    AVStream* m_stream = nullptr;  // the muxer's, freed with it
    std::unique_ptr<AVFrame, PictureFree> m_picture;
    std::unique_ptr<AVPacket, PacketFree> m_packet;
    std::unique_ptr<SwsContext, ScalerFree> m_scaler;
    std::int64_t m_nextPts = 0;
};

// Throws EncodingFailure "`what`: FFmpeg's text for `code`" when `code` is an error.
void checkFfmpeg(int code, const char* what);

}  // namespace zentova
