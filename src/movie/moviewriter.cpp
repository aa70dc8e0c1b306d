#include "movie/moviewriter.h"

#include <cctype>
#include <cstring>
#include <exception>
#include <mutex>
#include <new>
#include <optional>
#include <vector>

#include "files/atomicfile.h"
#include "files/fileerror.h"
#include "files/output.h"
#include "movie/ffmpegstream.h"
#include "movie/framequeue.h"
#include "movie/gifwait.h"

namespace zentova {

namespace {

std::string lowerCase(std::string text) {
    for (char& c : text) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return text;
}

// What a failure says in the movie's message.
std::string reasonOf(const std::exception& e) {
    return dynamic_cast<const std::bad_alloc*>(&e) ? "out of memory" : e.what();
}

}  // namespace

std::optional<MovieFormat> movieFormatOf(const std::string& path) {
    const std::size_t dot = path.rfind('.');
    const std::size_t slash = path.rfind('/');
    if (dot == std::string::npos || (slash != std::string::npos && dot < slash)) return {};
    const std::string extension = lowerCase(path.substr(dot + 1));
    if (extension == "mp4") return MovieFormat::Mp4;
    if (extension == "webm") return MovieFormat::WebM;
    if (extension == "gif") return MovieFormat::Gif;
    return {};
}

std::string numberedMoviePath(const std::string& baseName) {
    for (int n = 1;; ++n) {
        std::string path = baseName + "-" + std::to_string(n) + ".mp4";
        if (!fileExists(path)) return path;
    }
}

// The movie being written: its file through the output writer, FFmpeg's stream, a GIF's
// palette wait, and the queue whose thread encodes the pictures.
struct MovieWriter::Encoder {
    std::string path;
    std::string temporary;
    std::unique_ptr<OutputFile> output;
    MovieFormat format = MovieFormat::Mp4;
    MovieSettings settings;
    long long added = 0;
    bool ended = false;  // finished or aborted

    std::optional<FfmpegStream> stream;
    std::optional<GifPaletteWait> gif;
    std::vector<std::uint8_t> rgb;      // a GIF's picture in the movie's size, on the worker
    std::unique_ptr<FrameQueue> queue;  // after the stream: its thread ends before the stream goes

    void open(const OutputPolicy& policy) {
        // The target checked and the temporary made beside it before a picture is drawn;
        // the muxer writes the temporary by its name.
        output = std::make_unique<OutputFile>(path, policy);
        temporary = output->temporaryPath();
        try {
            stream.emplace(temporary, format, settings);
        } catch (const std::exception& failed) {
            stream.reset();
            output->discard();
            throw FileError(path, 0, reasonOf(failed));
        }
        if (format == MovieFormat::Gif)
            gif.emplace(settings.width, settings.height, GifPaletteFrames);
        queue = std::make_unique<FrameQueue>([this](const QueuedFrame& frame) { encode(frame); });
    }

    // On the queue's thread.
    void encode(const QueuedFrame& frame) {
        if (!gif) {
            AVFrame& picture = stream->picture();
            stream->convert(frame, AV_PIX_FMT_YUV420P, picture.data, picture.linesize);
            stream->send();
            return;
        }
        rgb.resize(3 * static_cast<std::size_t>(settings.width) * settings.height);
        std::uint8_t* target[1] = {rgb.data()};
        const int targetStride[1] = {3 * settings.width};
        stream->convert(frame, AV_PIX_FMT_RGB24, target, targetStride);
        gif->add(*stream, rgb);
    }

    // Frees the encoder; the file stays for the caller to commit or discard.
    void release() {
        queue.reset();
        gif.reset();
        stream.reset();
        ended = true;
    }
};

MovieWriter::MovieWriter(const std::string& path, MovieFormat format, const MovieSettings& settings,
                         const OutputPolicy& policy)
    : m_encoder(std::make_unique<Encoder>()) {
    // The libraries' own chatter (encoder settings, statistics) stays off the terminal;
    // their errors come back through the calls.
    static std::once_flag quiet;
    std::call_once(quiet, [] { av_log_set_level(AV_LOG_ERROR); });
    Encoder& e = *m_encoder;
    e.path = path;
    e.format = format;
    e.settings = settings;
    e.open(policy);
}

MovieWriter::~MovieWriter() {
    abort();
}

void MovieWriter::addFrame(const FramePixels& frame) {
    Encoder& e = *m_encoder;
    if (e.ended) throw FileError(e.path, 0, "the movie has ended");
    QueuedFrame queued;
    queued.width = frame.width;
    queued.height = frame.height;
    queued.layout = frame.layout;
    const std::size_t rowBytes =
        static_cast<std::size_t>(frame.width) * bytesPerPixel(frame.layout);
    queued.bytes = e.queue->spareBuffer();
    queued.bytes.resize(rowBytes * frame.height);
    for (int y = 0; y < frame.height; ++y) {
        const int from = frame.bottomUp ? frame.height - 1 - y : y;
        std::memcpy(queued.bytes.data() + rowBytes * y,
                    frame.data + static_cast<std::ptrdiff_t>(from) * frame.stride, rowBytes);
    }
    if (!e.queue->push(std::move(queued))) {
        const std::string reason = e.queue->failure();
        abort();
        throw FileError(e.path, 0, reason);
    }
    ++e.added;
}

void MovieWriter::finish() {
    Encoder& e = *m_encoder;
    if (e.ended) return;
    e.queue->stop(false);
    std::string reason = e.queue->failure();
    if (reason.empty()) {
        try {
            if (e.gif) e.gif->flush(*e.stream);
            e.stream->end();
        } catch (const std::exception& failed) {
            reason = reasonOf(failed);
        }
    }
    e.release();
    if (!reason.empty()) {
        e.output->discard();
        throw FileError(e.path, 0, reason);
    }
    e.output->commit();
}

void MovieWriter::abort() {
    Encoder& e = *m_encoder;
    if (e.ended) return;
    e.queue->stop(true);
    e.release();
    e.output->discard();
}

long long MovieWriter::frames() const {
    return m_encoder->added;
}

const std::string& MovieWriter::path() const {
    return m_encoder->path;
}

const std::string& MovieWriter::temporaryPath() const {
    return m_encoder->temporary;
}

int MovieWriter::width() const {
    return m_encoder->settings.width;
}

int MovieWriter::height() const {
    return m_encoder->settings.height;
}

}  // namespace zentova
