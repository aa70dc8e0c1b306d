// The movie of a trajectory against drawing its frames alone: the same offscreen view, the
// same pictures read back, with and without the time written on them and the encoder of each
// format behind. Prints seconds, the ratio and the file sizes.
// Needs a display: xvfb-run -a build/bench/movie_bench PROJECT.zpr  (see bench/README.md)

#include <QApplication>
#include <QImage>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include "files/projectfile.h"
#include "files/trajectory.h"
#include "model/frame.h"
#include "model/settings.h"
#include "movie/moviewriter.h"
#include "view3d/drawing.h"
#include "view3d/offscreen.h"
#include "view3d/scene.h"
#include "view3d/snapshot.h"

namespace {

using namespace zentova;
using Clock = std::chrono::steady_clock;

std::vector<Frame> readFrames(const std::string& path) {
    std::ifstream in = openTrajectory(path);
    TrajectoryReader reader(in, path);
    std::vector<Frame> frames;
    Frame next;
    Frame shown;
    while (reader.readFrame(next)) {
        takeFrame(shown, next);
        frames.push_back(shown);
    }
    return frames;
}

// Draws every frame and reads it back; with a writer, also writes the time on it and adds it
// to the movie, as --movie does. Returns the seconds taken.
double film(OffscreenView& offscreen, const Project& project, const Settings& settings,
            const std::vector<Frame>& frames, MovieWriter* writer) {
    double viewDistance = InitialViewDistance;
    const Scene scene{offscreen.window(), project, settings, viewDistance};
    ApplyFog(scene);
    SetViewClearColor(offscreen.window(), settings.backgroundColor);
    const auto start = Clock::now();
    QImage picture;
    for (const Frame& frame : frames) {
        RenderFrame(scene, frame, viewDistance);
        offscreen.rawPicture(picture);
        if (!writer) continue;
        drawTimeText(picture, frame.time, true);
        FramePixels pixels{picture.constBits(), picture.width(),
                           picture.height(),    static_cast<int>(picture.bytesPerLine()),
                           PixelLayout::Bgrx,   true};
        writer->addFrame(pixels);
    }
    if (writer) writer->finish();
    return std::chrono::duration<double>(Clock::now() - start).count();
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: movie_bench PROJECT.zpr [OUTFOLDER]\n");
        return 2;
    }
    QApplication app(argc, argv);
    const std::string projectPath = argv[1];
    const std::string folder = argc > 2 ? argv[2] : std::filesystem::temp_directory_path().string();
    const Project project = loadProjectFile(projectPath);
    const Settings settings;
    const std::vector<Frame> frames = readFrames(baseNameOf(projectPath) + ".his");
    OffscreenView offscreen(SnapshotSize);
    std::string error;
    if (!offscreen.ready(error)) {
        std::fprintf(stderr, "movie_bench: %s\n", error.c_str());
        return 1;
    }
    // Once to warm the renderer up (its shaders, the sphere meshes), then measured.
    film(offscreen, project, settings, frames, nullptr);
    const double drawing = film(offscreen, project, settings, frames, nullptr);
    std::printf("%s: %zu frames of %d particles, 800 x 700\n", projectPath.c_str(), frames.size(),
                project.particleCount);
    std::printf("  drawing alone (drawn and read back): %6.2f s  %5.1f ms a frame\n", drawing,
                1000 * drawing / frames.size());
    const struct {
        const char* extension;
        MovieFormat format;
    } formats[] = {
        {"mp4", MovieFormat::Mp4}, {"webm", MovieFormat::WebM}, {"gif", MovieFormat::Gif}};
    for (const auto& f : formats) {
        const std::string path = folder + "/movie_bench." + f.extension;
        MovieWriter writer(path, f.format, MovieSettings{});
        const double seconds = film(offscreen, project, settings, frames, &writer);
        std::printf("  movie %-5s %6.2f s  %5.1f ms a frame  %.2f x drawing  %8.1f KB\n",
                    f.extension, seconds, 1000 * seconds / frames.size(), seconds / drawing,
                    std::filesystem::file_size(path) / 1024.0);
        std::filesystem::remove(path);
    }
    return 0;
}
