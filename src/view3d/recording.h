#pragma once

#include <QSize>
#include <memory>
#include <string>
#include <vector>

namespace zentova {

class MovieWriter;

// A recording of the view (the key R): every picture the view draws while it records goes
// into an MP4 movie at 25 pictures per second, read back from the view's framebuffer as it
// is drawn and encoded on a thread of the writer's own.
class ViewRecording {
  public:
    ViewRecording();
    ~ViewRecording();  // an unfinished recording is ended properly, not thrown away
    ViewRecording(const ViewRecording&) = delete;
    ViewRecording& operator=(const ViewRecording&) = delete;

    bool active() const { return m_writer != nullptr; }
    long long frames() const;
    // Starts a movie of `size` pixels at `path`. False, with the reason in `error`, when the
    // file cannot be made.
    bool start(const std::string& path, QSize size, std::string& error);
    // Adds the picture in the current GL context's framebuffer (`size` device pixels).
    // False, with the reason in `error` and the recording given up, when it cannot be
    // written.
    bool capture(QSize size, std::string& error);
    // Ends the movie and gives it its name. False, with the reason in `error`, when it could
    // not be written; the path written either way in `path`.
    bool stop(std::string& path, std::string& error);

  private:
    std::unique_ptr<MovieWriter> m_writer;
    std::vector<unsigned char> m_pixels;
};

}  // namespace zentova
