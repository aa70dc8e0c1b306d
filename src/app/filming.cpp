#include "app/filming.h"

#include <QImage>
#include <csignal>
#include <iostream>

#include "app/drawingcommands.h"
#include "command/command.h"
#include "files/trajectoryreader.h"
#include "view3d/snapshot.h"

namespace zentova {

namespace {

volatile std::sig_atomic_t interruptNoted = 0;

extern "C" void noteInterrupt(int) {
    interruptNoted = 1;
}

}  // namespace

void catchInterrupts() {
    std::signal(SIGINT, noteInterrupt);
    std::signal(SIGTERM, noteInterrupt);
    std::signal(SIGHUP, noteInterrupt);
}

bool interrupted() {
    return interruptNoted != 0;
}

bool inTimes(const RunMovieOptions& options, double time) {
    return (!options.from || time >= *options.from - WrittenTimeRounding) &&
           (!options.to || time <= *options.to + WrittenTimeRounding);
}

MovieSettings movieSettings(int fps) {
    MovieSettings movie;
    movie.width = SnapshotSize.width();
    movie.height = SnapshotSize.height();
    movie.fps = fps;
    return movie;
}

void addPicture(MovieWriter& writer, const QImage& picture) {
    FramePixels pixels;
    pixels.data = picture.constBits();
    pixels.width = picture.width();
    pixels.height = picture.height();
    pixels.stride = static_cast<int>(picture.bytesPerLine());
    pixels.layout = PixelLayout::Bgrx;
    pixels.bottomUp = true;
    writer.addFrame(pixels);
}

std::optional<int> filmStopped(MovieWriter& writer, long long filmed, long long selected,
                               const std::string& interruptedLine,
                               const std::string& rewrittenLine) {
    if (interrupted()) {
        writer.abort();
        tell(std::cerr, interruptedLine);
        return ExitInterrupted;
    }
    if (filmed < selected) {
        writer.abort();
        tell(std::cerr, rewrittenLine);
        return 1;
    }
    return std::nullopt;
}

int filmOrAbort(MovieWriter& writer, const std::function<int()>& film) {
    try {
        return film();
    } catch (const CannotDraw&) {
        writer.abort();
        throw;
    } catch (const std::exception& e) {
        writer.abort();
        tell(std::cerr, e.what());
        return 1;
    }
}

}  // namespace zentova
