#include "movie/moviewriter.h"

#include <algorithm>
#include <cctype>
#include <condition_variable>
#include <cstring>
#include <deque>
#include <mutex>
#include <thread>
#include <vector>

#include "files/atomicfile.h"
#include "files/fileerror.h"
#include "files/output.h"
#include "movie/palette.h"

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
#include <libavutil/opt.h>
#include <libswscale/swscale.h>
}

namespace zentova {

namespace {

// Pictures waiting for the encoder: enough to let drawing and encoding overlap, few enough
// that a slow encoder holds the caller back rather than filling the memory.
constexpr std::size_t QueueDepth = 3;

// The palette's last entry is left out of the colours and marked transparent, so that the
// GIF encoder can leave out the pixels a picture shares with the one before.
constexpr int GifColours = 255;

std::string lowerCase(std::string text) {
    for (char& c : text) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return text;
}

std::string errorText(int code) {
    char text[AV_ERROR_MAX_STRING_SIZE] = {};
    av_strerror(code, text, sizeof text);
    return text;
}

AVPixelFormat pixelFormatOf(PixelLayout layout) {
    switch (layout) {
        case PixelLayout::Rgb24:
            return AV_PIX_FMT_RGB24;
        case PixelLayout::Bgrx:
            return AV_PIX_FMT_BGR0;
        case PixelLayout::Rgbx:
            return AV_PIX_FMT_RGB0;
    }
    return AV_PIX_FMT_RGB24;
}

int bytesPerPixel(PixelLayout layout) {
    return layout == PixelLayout::Rgb24 ? 3 : 4;
}

struct QueuedFrame {
    std::vector<std::uint8_t> bytes;  // top row first, rows packed
    int width = 0;
    int height = 0;
    PixelLayout layout = PixelLayout::Rgb24;
};

// A failure of the encoder or the file, for the caller to report.
struct EncodingFailure {
    std::string reason;
};

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

struct MovieWriter::Encoder {
    std::string path;
    std::string temporary;
    std::unique_ptr<OutputFile> output;
    MovieFormat format = MovieFormat::Mp4;
    MovieSettings settings;

    AVFormatContext* muxer = nullptr;
    AVCodecContext* codec = nullptr;
    AVStream* stream = nullptr;
    SwsContext* scaler = nullptr;
    AVFrame* picture = nullptr;
    AVPacket* packet = nullptr;
    std::int64_t nextPts = 0;
    long long added = 0;
    bool ended = false;  // finished or aborted

    // A GIF's first pictures wait here until its palette is chosen.
    std::vector<std::vector<std::uint8_t>> waiting;
    ColourCounts colours;
    std::optional<PaletteMapper> mapper;
    std::vector<std::uint8_t> rgb;

    std::thread worker;
    std::mutex mutex;
    std::condition_variable changed;
    std::deque<QueuedFrame> queue;
    std::vector<std::vector<std::uint8_t>> spare;  // buffers of encoded pictures, for reuse
    bool closing = false;
    bool dropQueued = false;
    std::string failure;

    ~Encoder() { release(); }

    void fail(const std::string& reason) { throw EncodingFailure{reason}; }

    void check(int code, const char* what) {
        if (code < 0) fail(std::string(what) + ": " + errorText(code));
    }

    void open(const OutputPolicy& policy) {
        // The target checked and the temporary made beside it before a picture is drawn;
        // the muxer writes the temporary by its name.
        output = std::make_unique<OutputFile>(path, policy);
        temporary = output->temporaryPath();
        try {
            openEncoder();
        } catch (const EncodingFailure& failed) {
            release();
            output->discard();
            throw FileError(path, 0, failed.reason);
        }
    }

    void openEncoder() {
        const char* muxerName = format == MovieFormat::Mp4    ? "mp4"
                                : format == MovieFormat::WebM ? "webm"
                                                              : "gif";
        check(avformat_alloc_output_context2(&muxer, nullptr, muxerName, temporary.c_str()),
              "cannot make the movie");
        const AVCodec* encoder = nullptr;
        if (format == MovieFormat::Mp4) encoder = avcodec_find_encoder_by_name("libx264");
        if (format == MovieFormat::WebM) encoder = avcodec_find_encoder_by_name("libvpx-vp9");
        if (format == MovieFormat::Gif) encoder = avcodec_find_encoder(AV_CODEC_ID_GIF);
        if (!encoder) fail("this system's FFmpeg has no encoder for the format");
        stream = avformat_new_stream(muxer, nullptr);
        codec = avcodec_alloc_context3(encoder);
        if (!stream || !codec) fail("out of memory");

        const bool yuv = format != MovieFormat::Gif;
        // 4:2:0 chroma needs whole pairs of rows and columns.
        if (yuv) {
            settings.width &= ~1;
            settings.height &= ~1;
        }
        if (settings.width <= 0 || settings.height <= 0 || settings.fps <= 0)
            fail("the movie has no size");
        codec->width = settings.width;
        codec->height = settings.height;
        codec->time_base = AVRational{1, settings.fps};
        codec->framerate = AVRational{settings.fps, 1};
        codec->pix_fmt = yuv ? AV_PIX_FMT_YUV420P : AV_PIX_FMT_PAL8;
        if (yuv) {
            // Stated, so that players convert back with the matrix the pictures went in with.
            codec->colorspace = AVCOL_SPC_BT709;
            codec->color_primaries = AVCOL_PRI_BT709;
            codec->color_trc = AVCOL_TRC_BT709;
            codec->color_range = AVCOL_RANGE_MPEG;
            codec->gop_size = 4 * settings.fps;
        }
        if (muxer->oformat->flags & AVFMT_GLOBALHEADER) codec->flags |= AV_CODEC_FLAG_GLOBAL_HEADER;

        const bool live = settings.effort == EncodingEffort::Live;
        AVDictionary* options = nullptr;
        if (format == MovieFormat::Mp4) {
            // A quick search: the software renderer needs the processor more than a few per
            // cent of file size would. One thread: the renderer keeps both cores of a small
            // machine busy, and more encoder threads only took turns with it. The live
            // recording takes the quickest preset, beside a displayed calculation.
            av_dict_set(&options, "preset", live ? "ultrafast" : "veryfast", 0);
            av_dict_set(&options, "crf", live ? "22" : "20", 0);
            codec->thread_count = 1;
        } else if (format == MovieFormat::WebM) {
            // Constant quality (VP9 wants a bit rate of 0 for it), in the encoder's real-time
            // mode: its "good" mode took three times as long as drawing the frames, for files
            // a fifth smaller.
            codec->bit_rate = 0;
            codec->thread_count = 2;
            av_dict_set(&options, "crf", "34", 0);
            av_dict_set(&options, "deadline", "realtime", 0);
            av_dict_set(&options, "cpu-used", live ? "8" : "7", 0);
            av_dict_set(&options, "row-mt", "1", 0);
        }
        const int opened = avcodec_open2(codec, encoder, &options);
        av_dict_free(&options);
        check(opened, "cannot start the encoder");
        check(avcodec_parameters_from_context(stream->codecpar, codec), "cannot start the encoder");
        stream->time_base = codec->time_base;

        check(avio_open(&muxer->pb, temporary.c_str(), AVIO_FLAG_WRITE), "cannot write");
        AVDictionary* muxing = nullptr;
        // The index at the front: a slide or a page starts playing before the whole file is in.
        if (format == MovieFormat::Mp4) av_dict_set(&muxing, "movflags", "+faststart", 0);
        const int header = avformat_write_header(muxer, &muxing);
        av_dict_free(&muxing);
        check(header, "cannot write");

        picture = av_frame_alloc();
        packet = av_packet_alloc();
        if (!picture || !packet) fail("out of memory");
        picture->format = codec->pix_fmt;
        picture->width = settings.width;
        picture->height = settings.height;
        check(av_frame_get_buffer(picture, 0), "out of memory");
    }

    void release() {
        if (scaler) sws_freeContext(scaler);
        scaler = nullptr;
        av_frame_free(&picture);
        av_packet_free(&packet);
        avcodec_free_context(&codec);
        if (muxer) {
            if (muxer->pb) avio_closep(&muxer->pb);
            avformat_free_context(muxer);
            muxer = nullptr;
        }
    }

    // Converts (and if need be scales) a picture into `target` of the movie's size.
    void convert(const QueuedFrame& frame, AVPixelFormat targetFormat, std::uint8_t* const* target,
                 const int* targetStrides) {
        // The live recording converts the quick way; a movie made apart rounds exactly and
        // takes the colours at full width before it halves them.
        const int flags = settings.effort == EncodingEffort::Live
                              ? SWS_FAST_BILINEAR
                              : SWS_BICUBIC | SWS_ACCURATE_RND | SWS_FULL_CHR_H_INP;
        scaler = sws_getCachedContext(scaler, frame.width, frame.height,
                                      pixelFormatOf(frame.layout), settings.width, settings.height,
                                      targetFormat, flags, nullptr, nullptr, nullptr);
        if (!scaler) fail("cannot convert the picture");
        if (targetFormat == AV_PIX_FMT_YUV420P)
            sws_setColorspaceDetails(scaler, sws_getCoefficients(SWS_CS_DEFAULT), 1,
                                     sws_getCoefficients(SWS_CS_ITU709), 0, 0, 1 << 16, 1 << 16);
        const std::uint8_t* source[1] = {frame.bytes.data()};
        const int sourceStride[1] = {frame.width * bytesPerPixel(frame.layout)};
        sws_scale(scaler, source, sourceStride, 0, frame.height, target, targetStrides);
    }

    void encode(const QueuedFrame& frame) {
        if (format != MovieFormat::Gif) {
            check(av_frame_make_writable(picture), "out of memory");
            convert(frame, AV_PIX_FMT_YUV420P, picture->data, picture->linesize);
            send(picture);
            return;
        }
        rgb.resize(3 * static_cast<std::size_t>(settings.width) * settings.height);
        std::uint8_t* target[1] = {rgb.data()};
        const int targetStride[1] = {3 * settings.width};
        convert(frame, AV_PIX_FMT_RGB24, target, targetStride);
        if (mapper) {
            sendIndexed(rgb);
            return;
        }
        colours.add(rgb.data(), settings.width, settings.height, 3 * settings.width);
        waiting.push_back(rgb);
        if (static_cast<int>(waiting.size()) >= GifPaletteFrames) sendWaiting();
    }

    void sendWaiting() {
        if (waiting.empty()) return;
        mapper.emplace(choosePalette(colours, GifColours));
        for (const auto& waited : waiting) sendIndexed(waited);
        waiting.clear();
    }

    void sendIndexed(const std::vector<std::uint8_t>& pixels) {
        check(av_frame_make_writable(picture), "out of memory");
        mapper->map(pixels.data(), settings.width, settings.height, 3 * settings.width,
                    picture->data[0], picture->linesize[0]);
        auto* palette = reinterpret_cast<std::uint32_t*>(picture->data[1]);
        const auto& chosen = mapper->palette();
        for (int i = 0; i < 256; ++i)
            palette[i] = i < static_cast<int>(chosen.size()) ? 0xFF000000u | chosen[i] : 0u;
        send(picture);
    }

    void send(AVFrame* frame) {
        if (frame) frame->pts = nextPts++;
        check(avcodec_send_frame(codec, frame), "cannot encode");
        for (;;) {
            const int received = avcodec_receive_packet(codec, packet);
            if (received == AVERROR(EAGAIN) || received == AVERROR_EOF) return;
            check(received, "cannot encode");
            // Each picture lasts one period; without it the MP4 edit list ends one picture
            // early and players leave the last one out.
            if (packet->duration == 0) packet->duration = 1;
            av_packet_rescale_ts(packet, codec->time_base, stream->time_base);
            packet->stream_index = stream->index;
            check(av_interleaved_write_frame(muxer, packet), "cannot write");
        }
    }

    void work() {
        for (;;) {
            QueuedFrame frame;
            {
                std::unique_lock lock(mutex);
                changed.wait(lock, [&] { return !queue.empty() || closing; });
                if (dropQueued || queue.empty()) return;
                frame = std::move(queue.front());
                queue.pop_front();
            }
            changed.notify_all();
            try {
                encode(frame);
                std::lock_guard lock(mutex);
                if (spare.size() < QueueDepth) spare.push_back(std::move(frame.bytes));
            } catch (const EncodingFailure& failed) {
                std::lock_guard lock(mutex);
                failure = failed.reason;
                queue.clear();
                changed.notify_all();
                return;
            }
        }
    }

    void stopWorker(bool drop) {
        {
            std::lock_guard lock(mutex);
            closing = true;
            dropQueued = dropQueued || drop;
        }
        changed.notify_all();
        if (worker.joinable()) worker.join();
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
    e.worker = std::thread([&e] { e.work(); });
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
    {
        // A buffer the encoder is done with: no fresh pages to fault in for every picture.
        std::lock_guard lock(e.mutex);
        if (!e.spare.empty()) {
            queued.bytes = std::move(e.spare.back());
            e.spare.pop_back();
        }
    }
    queued.bytes.resize(rowBytes * frame.height);
    for (int y = 0; y < frame.height; ++y) {
        const int from = frame.bottomUp ? frame.height - 1 - y : y;
        std::memcpy(queued.bytes.data() + rowBytes * y,
                    frame.data + static_cast<std::ptrdiff_t>(from) * frame.stride, rowBytes);
    }
    std::unique_lock lock(e.mutex);
    e.changed.wait(lock, [&] { return e.queue.size() < QueueDepth || !e.failure.empty(); });
    if (!e.failure.empty()) {
        const std::string reason = e.failure;
        lock.unlock();
        abort();
        throw FileError(e.path, 0, reason);
    }
    e.queue.push_back(std::move(queued));
    ++e.added;
    lock.unlock();
    e.changed.notify_all();
}

void MovieWriter::finish() {
    Encoder& e = *m_encoder;
    if (e.ended) return;
    e.stopWorker(false);
    std::string reason = e.failure;
    if (reason.empty()) {
        try {
            if (e.format == MovieFormat::Gif) e.sendWaiting();
            e.send(nullptr);  // the encoder gives what it holds back
            e.check(av_write_trailer(e.muxer), "cannot write");
            if (e.muxer->pb->error < 0) e.check(e.muxer->pb->error, "cannot write");
            e.check(avio_closep(&e.muxer->pb), "cannot write");
        } catch (const EncodingFailure& failed) {
            reason = failed.reason;
        }
    }
    e.release();
    e.ended = true;
    if (!reason.empty()) {
        e.output->discard();
        throw FileError(e.path, 0, reason);
    }
    e.output->commit();
}

void MovieWriter::abort() {
    Encoder& e = *m_encoder;
    if (e.ended) return;
    e.stopWorker(true);
    e.release();
    e.ended = true;
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
