#include "app/runpictures.h"

#include <unistd.h>

#include <QImage>
#include <cstdio>
#include <iostream>
#include <memory>
#include <utility>

#include "app/drawingcommands.h"
#include "app/filming.h"
#include "calc/progress.h"
#include "command/command.h"
#include "files/fileerror.h"
#include "files/lammpsdump.h"
#include "files/numformat.h"
#include "files/output.h"
#include "files/settingsfile.h"
#include "files/trajectory.h"
#include "view3d/drawing.h"
#include "view3d/manyspheres.h"
#include "view3d/offscreen.h"
#include "view3d/scene.h"
#include "view3d/snapshot.h"

namespace zentova {

namespace {

// The dump read as a stream from its start, checked against the manifest.
struct DumpStream {
    explicit DumpStream(const LammpsRun& run)
        : file(openMaybeCompressed(run.dumpPath)), reader(*file, run.dumpPath, run.manifest) {}
    std::unique_ptr<std::istream> file;
    LammpsDumpReader reader;
};

void tellNote(const DumpStream& dump) {
    if (!dump.reader.note().empty()) tell(std::cerr, dump.reader.note());
}

// Sets up a view that never appears, as "Show final state" first shows one.
struct RunView {
    explicit RunView(const Settings& settings) : offscreen(SnapshotSize) {
        if (std::string error; !offscreen.ready(error)) throw CannotDraw(error);
        const Project none;
        const Scene scene{offscreen.window(), none, settings, viewDistance};
        ApplyFog(scene);
        SetViewClearColor(offscreen.window(), settings.backgroundColor);
    }
    OffscreenView offscreen;
    double viewDistance = InitialViewDistance;
};

}  // namespace

int runSnapshotCommand(const LammpsRun& run, const std::string& outPath, bool overwrite, int argc,
                       char** argv) {
    // The output first: a refused name is told before anything is read or drawn.
    OutputFile out(outPath, runPolicy(run, overwrite));
    Settings settings;
    loadSettingsFile(SettingsFileName, settings);
    // Two frames at most are held, the last whole one and the one being read: a cut last
    // frame leaves the one before it whole.
    auto last = std::make_unique<LammpsFrame>();
    auto reading = std::make_unique<LammpsFrame>();
    long long frames = 0;
    {
        DumpStream dump(run);
        while (dump.reader.next(*reading)) {
            std::swap(last, reading);
            ++frames;
        }
        tellNote(dump);
    }
    reading.reset();
    if (frames == 0) {
        tell(std::cerr, run.dumpPath + ": the dump holds no whole frame, so no picture was drawn");
        return 1;
    }
    return drawOnADisplay("--snapshot", argc, argv, [&] {
        RunView view(settings);
        const ManyPicture picture =
            composeRunPicture(run.manifest, settings, *last, view.viewDistance);
        if (!drawManyNow(view.offscreen.window(), picture))
            throw CannotDraw("the picture could not be drawn");
        const QImage image = view.offscreen.picture();
        std::string error;
        if (image.isNull()) throw CannotDraw("the picture could not be read back");
        if (!savePicturePng(image, out, error)) {
            tell(std::cerr, error);
            return 1;
        }
        tell(std::cerr,
             run.folder + ": the dump's last frame at t = " + formatDecimals(last->time, 3) + ", " +
                 std::to_string(last->types.size()) + " particles, drawn to " + outPath + " (" +
                 std::to_string(image.width()) + " x " + std::to_string(image.height()) + ")");
        return 0;
    });
}

namespace {

// A first pass: the dump is sound to its end, and which frames are filmed.
FramesToFilm countFrames(const LammpsRun& run, const RunMovieOptions& options) {
    FramesToFilm count;
    DumpStream dump(run);
    LammpsFrame frame;
    while (dump.reader.next(frame)) {
        if (!inTimes(options, frame.time)) continue;
        if (count.selected++ == 0) count.first = frame.time;
        count.last = frame.time;
    }
    tellNote(dump);
    return count;
}

// Draws and encodes the selected frames. Returns the exit status.
int film(const LammpsRun& run, const RunMovieOptions& options, const Settings& settings,
         const FramesToFilm& count, MovieWriter& writer) {
    RunView view(settings);
    TForm2& window = view.offscreen.window();
    DumpStream dump(run);
    LammpsFrame frame;
    ProgressBar progress(std::cerr, isatty(STDERR_FILENO) == 1, count.selected, "frames");
    long long filmed = 0;
    QImage picture;
    while (filmed < count.selected && !interrupted() && dump.reader.next(frame)) {
        if (!inTimes(options, frame.time)) continue;
        if (!drawManyNow(window,
                         composeRunPicture(run.manifest, settings, frame, view.viewDistance)) ||
            !view.offscreen.rawPicture(picture))
            throw CannotDraw("the picture could not be read back");
        if (options.showTime) drawTimeText(picture, frame.time, true);
        addPicture(writer, picture);
        ++filmed;
        progress.update(filmed, frame.time);
        if (options.turnDegrees != 0.0)
            TurnCamera(window, view.viewDistance, 0.0, 0.0, options.turnDegrees);
    }
    progress.end();
    if (const std::optional<int> stopped = filmStopped(
            writer, filmed, count.selected, options.outPath + ": interrupted, nothing written",
            run.dumpPath + ": holds fewer frames than a moment ago: it was rewritten "
                           "while it was filmed; no movie was written"))
        return *stopped;
    writer.finish();
    char summary[240];
    std::snprintf(summary, sizeof summary,
                  "%lld %s of %zu particles from t = %.3f to %.3f written to %s (%d x "
                  "%d, %d frames/s) in %.1f s",
                  filmed, filmed == 1 ? "frame" : "frames", frame.types.size(), count.first,
                  count.last, options.outPath.c_str(), writer.width(), writer.height(), options.fps,
                  progress.seconds());
    tell(std::cerr, run.folder + ": " + summary);
    return 0;
}

}  // namespace

int runMovieCommand(const LammpsRun& run, const RunMovieOptions& options, int argc, char** argv) {
    catchInterrupts();
    Settings settings;
    loadSettingsFile(SettingsFileName, settings);
    auto writer =
        std::make_unique<MovieWriter>(options.outPath, options.format, movieSettings(options.fps),
                                      runPolicy(run, options.overwrite));
    const FramesToFilm count = countFrames(run, options);
    if (count.selected == 0) {
        writer->abort();
        tell(std::cerr, run.dumpPath + ": " +
                            (options.from || options.to ? "no frame lies in the times asked for"
                                                        : "the dump holds no whole frame") +
                            ", so no movie was written");
        return 1;
    }
    return drawOnADisplay("--movie", argc, argv, [&] {
        return filmOrAbort(*writer, [&] { return film(run, options, settings, count, *writer); });
    });
}

}  // namespace zentova
