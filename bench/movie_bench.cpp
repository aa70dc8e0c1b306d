// The movie of a trajectory against drawing its frames alone: the same offscreen view, the
// same pictures read back, with and without the time written on them and the encoder of each
// format behind. Prints seconds, the ratio and the file sizes.
// Needs a display: xvfb-run -a build/bench/movie_bench PROJECT.zpr  (see bench/README.md)

#include <QApplication>
#include <QImage>
#include <algorithm>
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
    // Once to warm the renderer up (its shaders, the sphere meshes), then rounds of all four,
    // interleaved so that a busy spell of the machine falls on all alike; medians reported.
    film(offscreen, project, settings, frames, nullptr);
    const struct {
        const char* extension;
        MovieFormat format;
    } formats[] = {
        {"mp4", MovieFormat::Mp4}, {"webm", MovieFormat::WebM}, {"gif", MovieFormat::Gif}};
    constexpr int Rounds = 3;
    std::vector<double> seconds[4];
    std::uintmax_t sizes[3] = {};
    for (int round = 0; round < Rounds; ++round) {
        seconds[0].push_back(film(offscreen, project, settings, frames, nullptr));
        for (int f = 0; f < 3; ++f) {
            const std::string path = folder + "/movie_bench." + formats[f].extension;
            MovieWriter writer(path, formats[f].format, MovieSettings{});
            seconds[f + 1].push_back(film(offscreen, project, settings, frames, &writer));
            sizes[f] = std::filesystem::file_size(path);
            std::filesystem::remove(path);
        }
    }
    const auto median = [](std::vector<double> v) {
        std::sort(v.begin(), v.end());
        return v[v.size() / 2];
    };
    const double drawing = median(seconds[0]);
    std::printf("%s: %zu frames of %d particles, 800 x 700, medians of %d rounds\n",
                projectPath.c_str(), frames.size(), project.particleCount, Rounds);
    std::printf("  drawing alone (drawn and read back): %6.2f s  %5.1f ms a frame\n", drawing,
                1000 * drawing / frames.size());
    for (int f = 0; f < 3; ++f) {
        const double s = median(seconds[f + 1]);
        std::printf("  movie %-5s %6.2f s  %5.1f ms a frame  %.2f x drawing  %8.1f KB\n",
                    formats[f].extension, s, 1000 * s / frames.size(), s / drawing,
                    sizes[f] / 1024.0);
    }
    return 0;
}
