// Drawing one frame of the 200-particle showpiece with the system's OpenGL (Mesa's software
// renderer here), against the floor: the same cached sphere meshes drawn with nothing else.
// Needs a display: xvfb-run -a build/bench/draw_bench  (see bench/README.md)

#include <GL/gl.h>
#include <GL/glu.h>
#include <benchmark/benchmark.h>

#include <QGuiApplication>
#include <QOffscreenSurface>
#include <QOpenGLContext>
#include <QOpenGLFramebufferObject>
#include <memory>

#include "files/projectfile.h"
#include "model/placement.h"
#include "model/settings.h"
#include "view3d/drawing.h"
#include "view3d/scene.h"
#include "view3d/spheremesh.h"

namespace {

using namespace zentova;

// The view's size in the program's window on a 1280 x 1024 screen.
constexpr int Width = 780;
constexpr int Height = 600;

struct GLStage {
    QOffscreenSurface surface;
    QOpenGLContext context;
    std::unique_ptr<QOpenGLFramebufferObject> framebuffer;
    SphereMeshes meshes;
    Picture picture;

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

        Project project = loadProjectFile(ZENTOVA_SOURCE_DIR "/data/zen6.zpr");
        ProjectSource source;
        RandomSource random;
        random.fixedSeed = 7;
        Settings settings;
        auto particles = std::make_unique<ParticleState>();
        project.particleCount =
            PlaceParticles(project, source, *particles, random, settings.cubeHalfSize);
        settings.showCubeLimits = true;
        picture = ComposePicture(project, settings, particles->positionOf(1),
                                 particles->type.data(), InitialViewDistance);
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

void countFrames(benchmark::State& state) {
    state.counters["frames/s"] =
        benchmark::Counter(static_cast<double>(state.iterations()), benchmark::Counter::kIsRate);
}

// Times frames drawn sphere by sphere: a clear, then for each sphere drawSphere(sphere,
// stage) at its place and afterSphere(k, stage) back at the scene's origin, then a wait for
// the renderer.
template <typename DrawSphere, typename AfterSphere>
void timeFrames(benchmark::State& state, DrawSphere drawSphere, AfterSphere afterSphere) {
    GLStage* s = stage();
    if (!s) return state.SkipWithError("no OpenGL context");
    for (auto _ : state) {
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
        for (int k = 0; k < s->picture.sphereCount; ++k) {
            const PictureSphere& sphere = s->picture.spheres[k];
            glPushMatrix();
            glTranslatef(static_cast<GLfloat>(sphere.x), static_cast<GLfloat>(sphere.y),
                         static_cast<GLfloat>(sphere.z - s->picture.distance));
            drawSphere(sphere, *s);
            glPopMatrix();
            afterSphere(k, *s);
        }
        glFinish();
    }
    countFrames(state);
}

// What the program does for every frame: each sphere with its own light colour, the cube
// edges once, the spheres in batches of ten.
void DrawFrame(benchmark::State& state) {
    GLStage* s = stage();
    if (!s) return state.SkipWithError("no OpenGL context");
    for (auto _ : state) {
        DrawPicture(s->picture, s->meshes);
        glFinish();
    }
    countFrames(state);
}
BENCHMARK(DrawFrame)->Unit(benchmark::kMillisecond)->UseRealTime();

// The floor: the same meshes at the same places, sent in the same batches, nothing else.
void CachedMeshFloor(benchmark::State& state) {
    timeFrames(
        state,
        [](const PictureSphere& sphere, GLStage& s) {
            s.meshes.draw(sphere.radius, SphereSlices, SphereStacks);
        },
        [](int k, GLStage&) {
            if ((k + 1) % 10 == 0) glFlush();
        });
}
BENCHMARK(CachedMeshFloor)->Unit(benchmark::kMillisecond)->UseRealTime();

// Before the meshes were cached: every sphere sent as quads through GLU, and the cube edges
// after every sphere, each frame.
void DrawFrameUncached(benchmark::State& state) {
    timeFrames(
        state,
        [](const PictureSphere& sphere, GLStage& s) {
            const GLfloat ambient[4] = {(sphere.red - 125) / 125.0f, (sphere.green - 125) / 125.0f,
                                        (sphere.blue - 125) / 125.0f, 0.2f};
            glLightfv(GL_LIGHT0, GL_AMBIENT, ambient);
            gluSphere(s.meshes.quadric(), sphere.radius, SphereSlices, SphereStacks);
        },
        [](int, GLStage& s) {
            DrawCubeEdges(s.picture.cubeHalfSize, SceneScale, s.picture.distance);
        });
}
BENCHMARK(DrawFrameUncached)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
