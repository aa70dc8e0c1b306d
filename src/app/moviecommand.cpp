// --movie: a project's trajectory filmed as "Show history" draws it.

#include <unistd.h>

#include <QImage>
#include <cmath>
#include <cstdio>
#include <fstream>
#include <iostream>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "app/drawingcommands.h"
#include "app/filming.h"
#include "app/runpictures.h"
#include "calc/progress.h"
#include "command/command.h"
#include "command/options.h"
#include "command/windowcommands.h"
#include "files/fileerror.h"
#include "files/lammpsrun.h"
#include "files/projectfile.h"
#include "files/settingsfile.h"
#include "files/trajectory.h"
#include "files/xyzexport.h"
#include "model/frame.h"
#include "movie/moviewriter.h"
#include "view3d/drawing.h"
#include "view3d/offscreen.h"
#include "view3d/scene.h"
#include "view3d/snapshot.h"

namespace zentova {

namespace {

constexpr int MostFps = 60;
// A LAMMPS run's options, and the project filmed or the run's folder.
struct MovieOptions : RunMovieOptions {
    std::string projectPath;
};

// Reads the options after PROJECT and OUT. Throws UsageError for a refused one, FileError
// for a name that is no movie's.
MovieOptions parseOptions(const CommandCall& call) {
    MovieOptions options;
    options.projectPath = call.arguments[0];
    options.outPath = call.arguments[1];
    bool noTime = false;
    const Option table[] = {
        flag("--no-time", noTime),
        flag("--overwrite", options.overwrite),
        wholeOption<int>("--fps", options.fps, 1, MostFps),
        realOption("--turn", options.turnDegrees, "a number"),
        realOption("--from", options.from, "a number"),
        realOption("--to", options.to, "a number"),
    };
    readOptions(std::span(call.arguments).subspan(2), table, "--movie: unknown option");
    options.showTime = !noTime;
    if (options.from && options.to && *options.from > *options.to)
        throw UsageError("--from must not come after --to");
    const auto format = movieFormatOf(options.outPath);
    if (!format)
        throw FileError(options.outPath, 0, "a movie is named .mp4 (H.264), .webm (VP9) or .gif");
    options.format = *format;
    return options;
}

// A first pass over the trajectory: it is sound to its end, of this project, and which
// frames are filmed. Throws FileError naming file and line.
FramesToFilm countFrames(const std::string& path, const Project& project,
                         const MovieOptions& options) {
    std::ifstream file = openTrajectory(path);
    TrajectoryReader reader(file, path);
    auto frame = std::make_unique<Frame>();
    FramesToFilm count;
    long long frames = 0;
    while (reader.readFrame(*frame)) {
        checkFrameTypes(*frame, ++frames, project, path);
        if (!inTimes(options, frame->time)) continue;
        if (count.selected++ == 0) count.first = frame->time;
        count.last = frame->time;
    }
    if (file.bad()) throw FileError(path, 0, "cannot read the file");
    if (reader.partialFrameLine() > 0)
        tell(std::cerr, path + ": " + partialFrameNote(reader.partialFrameLine()));
    return count;
}

// Draws and encodes the selected frames. Returns the exit status.
int film(const MovieOptions& options, const Project& project, const Settings& settings,
         const std::string& trajectoryPath, const FramesToFilm& count, MovieWriter& writer) {
    OffscreenView offscreen(SnapshotSize);
    if (std::string error; !offscreen.ready(error)) throw CannotDraw(error);
    TForm2& window = offscreen.window();
    double viewDistance = InitialViewDistance;
    const Scene scene{window, project, settings, viewDistance};
    ApplyFog(scene);
    SetViewClearColor(window, settings.backgroundColor);

    std::ifstream file = openTrajectory(trajectoryPath);
    TrajectoryReader reader(file, trajectoryPath);
    auto shown = std::make_unique<Frame>();
    auto next = std::make_unique<Frame>();
    ProgressBar progress(std::cerr, isatty(STDERR_FILENO) == 1, count.selected, "frames");
    long long filmed = 0;
    long long frames = 0;
    QImage picture;
    while (filmed < count.selected && !interrupted() && reader.readFrame(*next)) {
        checkFrameTypes(*next, ++frames, project, trajectoryPath);
        // Frames before the range still fill the particles a shorter frame leaves as they were.
        takeFrame(*shown, *next);
        if (!inTimes(options, shown->time)) continue;
        RenderFrame(scene, *shown, viewDistance);
        if (!offscreen.rawPicture(picture)) throw CannotDraw("the picture could not be read back");
        if (options.showTime) drawTimeText(picture, shown->time, true);
        addPicture(writer, picture);
        ++filmed;
        progress.update(filmed, shown->time);
        if (options.turnDegrees != 0.0)
            TurnCamera(window, viewDistance, 0.0, 0.0, options.turnDegrees);
    }
    progress.end();
    // The first pass counted the frames; fewer now means the file was cut or rewritten
    // meanwhile (a calculation started on it): no movie of what is left.
    if (const std::optional<int> stopped = filmStopped(
            writer, filmed, count.selected, options.outPath + ": interrupted, nothing written",
            trajectoryPath + ": holds fewer frames than a moment ago: it was rewritten while it "
                             "was filmed (a calculation?); no movie was written"))
        return *stopped;
    writer.finish();
    char summary[200];
    std::snprintf(summary, sizeof summary,
                  "%lld %s from t = %.3f to %.3f written to %s (%d x %d, %d frames/s) in %.1f s",
                  filmed, filmed == 1 ? "frame" : "frames", count.first, count.last,
                  options.outPath.c_str(), writer.width(), writer.height(), options.fps,
                  progress.seconds());
    tell(std::cerr, options.projectPath + ": " + summary);
    return 0;
}

}  // namespace

int movieCommand(const CommandCall& call) {
    const MovieOptions options = parseOptions(call);
    if (const std::optional<LammpsRun> run = findLammpsRun(options.projectPath))
        return runMovieCommand(*run, options, call.argc, call.argv);
    Project project;
    Settings settings;
    std::unique_ptr<MovieWriter> writer;
    FramesToFilm count;
    const std::string trajectoryPath = baseNameOf(options.projectPath) + ".his";
    // Read twice (counted, then filmed): no new calculation may empty it between.
    const TrajectoryReadLock readLock(trajectoryPath);
    // Ctrl-C, a polite kill or a closed terminal ends the movie between two frames and
    // removes what it had written: the file OUT never appears, nor its temporary file stays.
    catchInterrupts();
    project = loadProjectFile(options.projectPath);
    loadSettingsFile(SettingsFileName, settings);
    writer =
        std::make_unique<MovieWriter>(options.outPath, options.format, movieSettings(options.fps),
                                      commandPolicy(options.projectPath, options.overwrite));
    count = countFrames(trajectoryPath, project, options);
    if (count.selected == 0) {
        tell(std::cerr, trajectoryPath + ": " +
                            (options.from || options.to ? "no frame lies in the times asked for"
                                                        : "the file holds no frame") +
                            ", so no movie was written");
        return 1;
    }
    return drawOnADisplay("--movie", call.argc, call.argv, [&] {
        return filmOrAbort(*writer, [&] {
            return film(options, project, settings, trajectoryPath, count, *writer);
        });
    });
}

}  // namespace zentova
