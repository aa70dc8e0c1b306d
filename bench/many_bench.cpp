// The view's frame time for a LAMMPS run brought back: 200 particles drawn as the view draws a
// project's, 25,000 (5 x 5 x 5 cubes) and 1,000,000 (20 x 20 x 20) as lit-sphere impostors,
// with the system's OpenGL (Mesa's software renderer here). The picture's composition from a
// dump frame is timed apart. Needs a display: xvfb-run -a build/bench/many_bench
// (see bench/README.md)

#include <GL/gl.h>
#include <benchmark/benchmark.h>

#include <QGuiApplication>
#include <QOffscreenSurface>
#include <QOpenGLContext>
#include <QOpenGLFramebufferObject>
#include <map>
#include <memory>
#include <random>

#include "view3d/manyspheres.h"
#include "view3d/scene.h"
#include "view3d/spheremesh.h"

namespace {

using namespace zentova;

constexpr int Width = 780;  // the view in the program's window on a 1280 x 1024 screen
constexpr int Height = 600;

// A run of `particles` in n x n x n cubes of the two kinds of ions, spread evenly at random.
struct Run {
    LammpsManifest manifest;
    LammpsFrame frame;
};

Run makeRun(long long particles) {
    const int n = particles <= 200 ? 1 : particles <= 25'000 ? 5 : 20;
    Run run;
    LammpsManifest& m = run.manifest;
    m.replicate = {n, n, n};
    m.particles = particles;
    m.types = {{particles / 2, 2.0, 8.0, Rgb{255, 80, 80}},
               {particles - particles / 2, 3.5, 12.0, Rgb{80, 255, 80}}};
    std::mt19937 random(7);
    std::uniform_real_distribution<double> along(0.0, 100.0 * n);
    run.frame.types.resize(static_cast<std::size_t>(particles));
    run.frame.positions.resize(3 * static_cast<std::size_t>(particles));
    for (long long p = 0; p < particles; ++p) {
        run.frame.types[p] = p % 2 + 1;
        for (int c = 0; c < 3; ++c) run.frame.positions[3 * p + c] = along(random);
    }
    return run;
}

struct GLStage {
    QOffscreenSurface surface;
    QOpenGLContext context;
    std::unique_ptr<QOpenGLFramebufferObject> framebuffer;
    SphereMeshes meshes;

    bool start() {
        QSurfaceFormat format = QSurfaceFormat::defaultFormat();
        format.setDepthBufferSize(16);
        surface.setFormat(format);
        surface.create();
        context.setFormat(format);
        if (!context.create() || !context.makeCurrent(&surface)) return false;
        framebuffer = std::make_unique<QOpenGLFramebufferObject>(Width, Height,
                                                                 QOpenGLFramebufferObject::Depth);
        framebuffer->bind();
        SetUpSceneGL(Width, Height, Width, Height);
        glClearColor(0.0f, 0.0f, 1.0f, 0.2f);
        return true;
    }
};

GLStage* stage() {
    static GLStage* instance = [] {
        auto* s = new GLStage;
        return s->start() ? s : nullptr;
    }();
    return instance;
}

const Run& run(long long particles) {
    static std::map<long long, Run> runs;
    auto it = runs.find(particles);
    if (it == runs.end()) it = runs.emplace(particles, makeRun(particles)).first;
    return it->second;
}

// One frame as the view draws it: cleared, every particle, the cube, and the renderer done.
void BM_Frame(benchmark::State& state) {
    GLStage* gl = stage();
    if (!gl) {
        state.SkipWithError("no OpenGL: run under xvfb-run -a");
        return;
    }
    Settings settings;
    settings.showCubeLimits = true;
    const Run& r = run(state.range(0));
    const ManyPicture picture =
        composeRunPicture(r.manifest, settings, r.frame, InitialViewDistance);
    for (auto _ : state) {
        DrawManyPicture(picture, gl->meshes);
        glFinish();
    }
    state.counters["frames/s"] =
        benchmark::Counter(static_cast<double>(state.iterations()), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_Frame)
    ->Arg(200)
    ->Arg(25'000)
    ->Arg(1'000'000)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

// The picture made from a dump frame: the positions centred and fitted, the types' looks.
void BM_Compose(benchmark::State& state) {
    Settings settings;
    const Run& r = run(state.range(0));
    for (auto _ : state) {
        ManyPicture picture = composeRunPicture(r.manifest, settings, r.frame, 6.0);
        benchmark::DoNotOptimize(picture.centres.data());
    }
}
BENCHMARK(BM_Compose)->Arg(200)->Arg(25'000)->Arg(1'000'000)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
