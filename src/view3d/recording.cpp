#include "view3d/recording.h"

#include <GL/gl.h>

#include "files/fileerror.h"
#include "movie/moviewriter.h"

namespace zentova {

ViewRecording::ViewRecording() = default;

ViewRecording::~ViewRecording() {
    std::string path, error;
    stop(path, error);
}

long long ViewRecording::frames() const {
    return m_writer ? m_writer->frames() : 0;
}

bool ViewRecording::start(const std::string& path, QSize size, std::string& error) {
    MovieSettings settings;
    settings.width = size.width();
    settings.height = size.height();
    settings.effort = EncodingEffort::Live;
    try {
        m_writer = std::make_unique<MovieWriter>(path, MovieFormat::Mp4, settings);
        return true;
    } catch (const std::exception& e) {
        error = e.what();
        return false;
    }
}

bool ViewRecording::capture(QSize size, std::string& error) {
    if (!m_writer || size.isEmpty()) return true;
    m_pixels.resize(4 * static_cast<std::size_t>(size.width()) * size.height());
    // Blue, green, red, alpha: the renderer's own order, read without a conversion.
    glPixelStorei(GL_PACK_ALIGNMENT, 4);
    glReadPixels(0, 0, size.width(), size.height(), GL_BGRA, GL_UNSIGNED_BYTE, m_pixels.data());
    FramePixels frame;
    frame.data = m_pixels.data();
    frame.width = size.width();
    frame.height = size.height();
    frame.stride = 4 * size.width();
    frame.layout = PixelLayout::Bgrx;
    frame.bottomUp = true;
    try {
        m_writer->addFrame(frame);
        return true;
    } catch (const std::exception& e) {
        error = e.what();
        m_writer.reset();
        return false;
    }
}

bool ViewRecording::stop(std::string& path, std::string& error) {
    if (!m_writer) return false;
    path = m_writer->path();
    std::unique_ptr<MovieWriter> writer = std::move(m_writer);
    // Without a single picture a movie file would hold no video at all: none is written.
    if (writer->frames() == 0) {
        writer->abort();
        error = "nothing was recorded (the view drew no picture meanwhile), so no file was written";
        return false;
    }
    try {
        writer->finish();
        return true;
    } catch (const std::exception& e) {
        error = e.what();
        return false;
    }
}

}  // namespace zentova
