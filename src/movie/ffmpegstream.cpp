#include "movie/ffmpegstream.h"

extern "C" {
#include <libavutil/opt.h>
}

namespace zentova {

namespace {

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

[[noreturn]] void fail(const std::string& reason) {
    throw EncodingFailure(reason);
}

// The encoder's options for the format, and the threads it takes; the caller frees them.
AVDictionary* encoderOptions(MovieFormat format, EncodingEffort effort, AVCodecContext& codec) {
    const bool live = effort == EncodingEffort::Live;
    AVDictionary* options = nullptr;
    if (format == MovieFormat::Mp4) {
        // A quick search: the software renderer needs the processor more than a few per
        // cent of file size would. One thread: the renderer keeps both cores of a small
        // machine busy, and more encoder threads only took turns with it. The live
        // recording takes the quickest preset, beside a displayed calculation.
        av_dict_set(&options, "preset", live ? "ultrafast" : "veryfast", 0);
        av_dict_set(&options, "crf", live ? "22" : "20", 0);
        codec.thread_count = 1;
    } else if (format == MovieFormat::WebM) {
        // Constant quality (VP9 wants a bit rate of 0 for it), in the encoder's real-time
        // mode: its "good" mode took three times as long as drawing the frames, for files
        // a fifth smaller.
        codec.bit_rate = 0;
        codec.thread_count = 2;
        av_dict_set(&options, "crf", "34", 0);
        av_dict_set(&options, "deadline", "realtime", 0);
        av_dict_set(&options, "cpu-used", live ? "8" : "7", 0);
        av_dict_set(&options, "row-mt", "1", 0);
    }
    return options;
}

}  // namespace

void checkFfmpeg(int code, const char* what) {
    if (code < 0) fail(std::string(what) + ": " + errorText(code));
}

void MuxerFree::operator()(AVFormatContext* muxer) const {
    if (muxer->pb) avio_closep(&muxer->pb);
    avformat_free_context(muxer);
}

void CodecFree::operator()(AVCodecContext* codec) const {
    avcodec_free_context(&codec);
}

void PictureFree::operator()(AVFrame* picture) const {
    av_frame_free(&picture);
}

void PacketFree::operator()(AVPacket* packet) const {
    av_packet_free(&packet);
}

void ScalerFree::operator()(SwsContext* scaler) const {
    sws_freeContext(scaler);
}

FfmpegStream::FfmpegStream(const std::string& file, MovieFormat format, MovieSettings& settings)
    : m_settings(settings) {
    const char* muxerName = format == MovieFormat::Mp4    ? "mp4"
                            : format == MovieFormat::WebM ? "webm"
                                                          : "gif";
    AVFormatContext* muxer = nullptr;
    checkFfmpeg(avformat_alloc_output_context2(&muxer, nullptr, muxerName, file.c_str()),
                "cannot make the movie");
    m_muxer.reset(muxer);
    open(format);
    checkFfmpeg(avio_open(&m_muxer->pb, file.c_str(), AVIO_FLAG_WRITE), "cannot write");
    AVDictionary* muxing = nullptr;
    // The index at the front: a slide or a page starts playing before the whole file is in.
    if (format == MovieFormat::Mp4) av_dict_set(&muxing, "movflags", "+faststart", 0);
    const int header = avformat_write_header(m_muxer.get(), &muxing);
    av_dict_free(&muxing);
    checkFfmpeg(header, "cannot write");

    m_picture.reset(av_frame_alloc());
    m_packet.reset(av_packet_alloc());
    if (!m_picture || !m_packet) fail("out of memory");
    m_picture->format = m_codec->pix_fmt;
    m_picture->width = m_settings.width;
    m_picture->height = m_settings.height;
    checkFfmpeg(av_frame_get_buffer(m_picture.get(), 0), "out of memory");
}

// The encoder of `format` with its settings, and the muxer's stream of it.
void FfmpegStream::open(MovieFormat format) {
    const AVCodec* encoder = nullptr;
    if (format == MovieFormat::Mp4) encoder = avcodec_find_encoder_by_name("libx264");
    if (format == MovieFormat::WebM) encoder = avcodec_find_encoder_by_name("libvpx-vp9");
    if (format == MovieFormat::Gif) encoder = avcodec_find_encoder(AV_CODEC_ID_GIF);
    if (!encoder) fail("this system's FFmpeg has no encoder for the format");
    m_stream = avformat_new_stream(m_muxer.get(), nullptr);
    m_codec.reset(avcodec_alloc_context3(encoder));
    if (!m_stream || !m_codec) fail("out of memory");

    const bool yuv = format != MovieFormat::Gif;
    // 4:2:0 chroma needs whole pairs of rows and columns.
    if (yuv) {
        m_settings.width &= ~1;
        m_settings.height &= ~1;
    }
    if (m_settings.width <= 0 || m_settings.height <= 0 || m_settings.fps <= 0)
        fail("the movie has no size");
    AVCodecContext& codec = *m_codec;
    codec.width = m_settings.width;
    codec.height = m_settings.height;
    codec.time_base = AVRational{1, m_settings.fps};
    codec.framerate = AVRational{m_settings.fps, 1};
    codec.pix_fmt = yuv ? AV_PIX_FMT_YUV420P : AV_PIX_FMT_PAL8;
    if (yuv) {
        // Stated, so that players convert back with the matrix the pictures went in with.
        codec.colorspace = AVCOL_SPC_BT709;
        codec.color_primaries = AVCOL_PRI_BT709;
        codec.color_trc = AVCOL_TRC_BT709;
        codec.color_range = AVCOL_RANGE_MPEG;
        codec.gop_size = 4 * m_settings.fps;
    }
    if (m_muxer->oformat->flags & AVFMT_GLOBALHEADER) codec.flags |= AV_CODEC_FLAG_GLOBAL_HEADER;

    AVDictionary* options = encoderOptions(format, m_settings.effort, codec);
    const int opened = avcodec_open2(&codec, encoder, &options);
    av_dict_free(&options);
    checkFfmpeg(opened, "cannot start the encoder");
    checkFfmpeg(avcodec_parameters_from_context(m_stream->codecpar, &codec),
                "cannot start the encoder");
    m_stream->time_base = codec.time_base;
}

void FfmpegStream::convert(const QueuedFrame& frame, AVPixelFormat targetFormat,
                           std::uint8_t* const* target, const int* targetStrides) {
    // The live recording converts the quick way; a movie made apart rounds exactly and
    // takes the colours at full width before it halves them.
    const int flags = m_settings.effort == EncodingEffort::Live
                          ? SWS_FAST_BILINEAR
                          : SWS_BICUBIC | SWS_ACCURATE_RND | SWS_FULL_CHR_H_INP;
    // The cached context is kept when it fits and freed by FFmpeg when it does not.
    m_scaler.reset(sws_getCachedContext(
        m_scaler.release(), frame.width, frame.height, pixelFormatOf(frame.layout),
        m_settings.width, m_settings.height, targetFormat, flags, nullptr, nullptr, nullptr));
    if (!m_scaler) fail("cannot convert the picture");
    if (targetFormat == AV_PIX_FMT_YUV420P)
        sws_setColorspaceDetails(m_scaler.get(), sws_getCoefficients(SWS_CS_DEFAULT), 1,
                                 sws_getCoefficients(SWS_CS_ITU709), 0, 0, 1 << 16, 1 << 16);
    const std::uint8_t* source[1] = {frame.bytes.data()};
    const int sourceStride[1] = {frame.width * bytesPerPixel(frame.layout)};
    sws_scale(m_scaler.get(), source, sourceStride, 0, frame.height, target, targetStrides);
}

AVFrame& FfmpegStream::picture() {
    checkFfmpeg(av_frame_make_writable(m_picture.get()), "out of memory");
    return *m_picture;
}

void FfmpegStream::send() {
    sendFrame(m_picture.get());
}

void FfmpegStream::end() {
    sendFrame(nullptr);  // the encoder gives what it holds back
    checkFfmpeg(av_write_trailer(m_muxer.get()), "cannot write");
    if (m_muxer->pb->error < 0) checkFfmpeg(m_muxer->pb->error, "cannot write");
    checkFfmpeg(avio_closep(&m_muxer->pb), "cannot write");
}

void FfmpegStream::sendFrame(AVFrame* frame) {
    if (frame) frame->pts = m_nextPts++;
    checkFfmpeg(avcodec_send_frame(m_codec.get(), frame), "cannot encode");
    for (;;) {
        const int received = avcodec_receive_packet(m_codec.get(), m_packet.get());
        if (received == AVERROR(EAGAIN) || received == AVERROR_EOF) return;
        checkFfmpeg(received, "cannot encode");
        // Each picture lasts one period; without it the MP4 edit list ends one picture
        // early and players leave the last one out.
        if (m_packet->duration == 0) m_packet->duration = 1;
        av_packet_rescale_ts(m_packet.get(), m_codec->time_base, m_stream->time_base);
        m_packet->stream_index = m_stream->index;
        checkFfmpeg(av_interleaved_write_frame(m_muxer.get(), m_packet.get()), "cannot write");
    }
}

}  // namespace zentova
