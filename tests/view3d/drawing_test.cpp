// Scene drawing, judged by the pixels it leaves in the view's framebuffer.

#include "view3d/drawing.h"

#include <GL/gl.h>
#include <GL/glu.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QThread>
#include <map>

#include "files/finalstate.h"
#include "view3d/offscreen.h"
#include "view3d/rendererbatches.h"
#include "view3d/snapshot.h"
#include "view3d/spheremesh.h"
#include "view3d/viewgl.h"
#include "view_fixture.h"

namespace zentova::test {
namespace {

class DrawingTest : public ViewTest {
  protected:
    QRgb centre() {
        const QImage image = picture();
        return image.pixel(image.width() / 2, image.height() / 2);
    }
    int brightness(QRgb c) { return qRed(c) + qGreen(c) + qBlue(c); }
    const QRgb background = qRgb(0, 0, 253);  // blue 255 / 257
};

TEST_F(DrawingTest, SphereTakesItsTintFromTheAmbientLight) {
    REQUIRE_GL();
    RenderState(scene(), particles);
    const QRgb grey = centre();  // 125 adds no tint: white light only
    EXPECT_NEAR(qRed(grey), qBlue(grey), 1);
    EXPECT_NEAR(qGreen(grey), qBlue(grey), 1);
    EXPECT_GT(qRed(grey), 150);

    project.colors[1] = Rgb{255, 0, 0};
    RenderState(scene(), particles);
    EXPECT_GT(qRed(centre()), qGreen(centre()) + 60);
    EXPECT_EQ(qGreen(centre()), qBlue(centre()));

    project.colors[1] = Rgb{0, 0, 0};
    RenderState(scene(), particles);
    EXPECT_LT(brightness(centre()), brightness(grey) - 100);

    particles.type[1] = 77;  // no such type: nothing to draw
    RenderState(scene(), particles);
    EXPECT_EQ(centre(), background);
}

TEST_F(DrawingTest, FrameParticlesStartAtIndexThree) {
    REQUIRE_GL();
    Frame frame;
    frame.positions[0] = frame.positions[1] = 300.0;  // the unused slot before particle 1
    frame.types[1] = 1;
    RenderFrame(scene(), frame, viewDistance);
    EXPECT_NE(centre(), background);
}

TEST_F(DrawingTest, CubeEdgesOnlyWithTheCubeShownAndParticlesDrawn) {
    REQUIRE_GL();
    project.diameters[1] = 1.0;
    // Where the middle of the cube's front top edge lands on the screen.
    std::array<double, 16> modelview = matrix(GL_MODELVIEW_MATRIX);
    std::array<double, 16> projection = matrix(GL_PROJECTION_MATRIX);
    const GLint viewport[4] = {0, 0, 200, 200};
    const double s = 50 * SceneScale;
    double x = 0, y = 0, z = 0;
    gluProject(0, s, s - viewDistance, modelview.data(), projection.data(), viewport, &x, &y, &z);
    const auto edgeDrawn = [&] {
        const QImage image = picture();
        bool drawn = false;
        for (int dx = -2; dx <= 2; ++dx)
            for (int dy = -2; dy <= 2; ++dy)
                drawn |= image.pixel(int(x) + dx, 199 - int(y) + dy) != background;
        return drawn;
    };
    RenderState(scene(), particles);
    EXPECT_TRUE(edgeDrawn());
    settings.showCubeLimits = false;
    RenderState(scene(), particles);
    EXPECT_FALSE(edgeDrawn());
    settings.showCubeLimits = true;
    project.particleCount = 0;
    RenderState(scene(), particles);
    EXPECT_FALSE(edgeDrawn());
}

TEST_F(DrawingTest, FogTurnsFarSpheresBlack) {
    REQUIRE_GL();
    particles.position(1, 2) = -500.0;  // 63.5 scene units from the eye, fog ends at 54
    RenderState(scene(), particles);
    EXPECT_GT(brightness(centre()), 300);
    ApplyFog(scene());
    RenderState(scene(), particles);
    EXPECT_EQ(centre(), qRgb(0, 0, 0));
}

// A run sets up the fog and draws its first picture in a window just shown, whose context
// the screen creates only afterwards. The picture must have the fog all the same, and be
// the one --snapshot draws of the same state.
TEST_F(DrawingTest, FirstPictureOfARunHasTheFogAsTheSnapshotHas) {
    if (!window->view()) GTEST_SKIP() << "no OpenGL on this platform; run under xvfb-run";
    const QSize size(400, 350);
    std::map<bool, QImage> first;
    std::array<double, 3> edge{};  // the far upright edge on the left, on the screen
    for (const bool fog : {false, true}) {
        settings.fogEnabled = fog;
        window = std::make_unique<TForm2>();
        window->resize(size);
        window->show();
        ApplyFog(scene());
        SetViewClearColor(*window, settings.backgroundColor);
        RenderState(scene(), particles);
        QElapsedTimer waited;
        waited.start();
        while (!window->view()->isValid() && waited.elapsed() < 3000) {
            QCoreApplication::processEvents();
            QThread::msleep(5);
        }
        ASSERT_TRUE(window->view()->isValid());
        first[fog] = picture();
        const std::array<double, 16> modelview = matrix(GL_MODELVIEW_MATRIX);
        const std::array<double, 16> projection = matrix(GL_PROJECTION_MATRIX);
        const GLint viewport[4] = {0, 0, size.width(), size.height()};
        const double s = 50 * SceneScale;
        gluProject(-s, 0.0, -s - viewDistance, modelview.data(), projection.data(), viewport,
                   &edge[0], &edge[1], &edge[2]);
    }
    // 25.25 units from the eye, with the fog from 20 to 54: 0.846 of the white edge is left.
    const auto brightest = [&](const QImage& image) {
        int most = 0;
        for (int dx = -2; dx <= 2; ++dx)
            for (int dy = -2; dy <= 2; ++dy)
                most = std::max(most, qRed(image.pixel(int(edge[0]) + dx,
                                                       size.height() - 1 - int(edge[1]) + dy)));
        return most;
    };
    EXPECT_EQ(brightest(first[false]), 255);
    EXPECT_NEAR(brightest(first[true]), 216, 4);

    FinalState state;
    state.count = project.particleCount;
    state.particles = particles;
    std::string error;
    const QImage snapshot = renderFinalStatePicture(project, settings, state, size, error);
    EXPECT_TRUE(snapshot == first[true]) << error;
}

TEST_F(DrawingTest, LightTurnsWithTheSceneOnlyWhileTheCubeIsShown) {
    REQUIRE_GL();
    TurnCamera(*window, viewDistance, 0.0, 0.0, 180.0);
    for (bool cube : {false, true}) {
        settings.showCubeLimits = cube;
        RenderState(scene(), particles);  // the cube gives the light again, turned
        RenderState(scene(), particles);
        if (cube)
            EXPECT_LT(brightness(centre()), 60) << "the light went behind the scene";
        else
            EXPECT_GT(brightness(centre()), 450) << "the light stayed by the viewer";
    }
}

TEST_F(DrawingTest, SpheresStayRoundInAWideWindowAndSurviveAResize) {
    REQUIRE_GL(300, 200);
    RenderState(scene(), particles);
    const QImage image = picture();
    int across = 0, down = 0;
    for (int i = 0; i < 300; ++i) across += image.pixel(i, 100) != background;
    for (int i = 0; i < 200; ++i) down += image.pixel(150, i) != background;
    EXPECT_GT(across, 10);
    EXPECT_NEAR(across, down, 2);

    window->resize(260, 200);  // a new framebuffer: the kept picture is drawn again
    EXPECT_EQ(picture().size(), QSize(260, 200));
    EXPECT_GT(brightness(centre()), 300);
}

// The cube edges are drawn once per frame, after the first sphere, where the model draws
// them after every sphere: the later drawings give the light as the first did, and edges
// drawn again at the same depth fail the depth test. The pixels must say so, frame after
// frame, turned or not.
TEST_F(DrawingTest, CubeOnceGivesThePixelsOfTheCubeAfterEverySphere) {
    REQUIRE_GL(240, 200);
    project.typeCount = 3;
    project.diameters = {};
    for (int t = 1; t <= 3; ++t) {
        project.diameters[t] = 6.0 + 4 * t;
        project.colors[t] =
            Rgb{static_cast<std::uint8_t>(70 * t), 200, static_cast<std::uint8_t>(250 - 60 * t)};
    }
    project.particleCount = 60;
    for (int p = 1; p <= 60; ++p) {
        particles.type[p] = static_cast<std::uint8_t>(1 + p % 3);
        particles.position(p, 0) = ((p * 37) % 90) - 45.0;
        particles.position(p, 1) = ((p * 53) % 90) - 45.0;
        particles.position(p, 2) = ((p * 71) % 90) - 45.0;
    }
    const Picture picture = ComposePicture(project, settings, particles.positionOf(1),
                                           particles.type.data(), viewDistance);
    ViewGL& view = *window->view();
    const auto everySphere = [&] {
        ASSERT_TRUE(view.makeContextCurrent());
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
        for (int k = 0; k < picture.sphereCount; ++k) {
            const PictureSphere& s = picture.spheres[k];
            DrawParticleSphere(view.meshes(), SphereSlices, SphereStacks, s.radius, s.red, s.green,
                               s.blue, s.x, s.y, s.z, picture.distance);
            DrawCubeEdges(picture.cubeHalfSize, SceneScale, picture.distance);
        }
        view.present(picture);
    };
    const auto asDrawn = [&] {
        ASSERT_TRUE(view.makeContextCurrent());
        DrawPicture(picture, view.meshes());
        view.present(picture);
    };
    for (const auto& turn : {std::array<double, 3>{0, 0, 0}, std::array<double, 3>{20, 35, 120}}) {
        QImage expected[2], drawn[2];
        for (int run = 0; run < 2; ++run) {
            // Both runs start with the light where the set-up gives it, then turn.
            ResetView(scene());
            ASSERT_TRUE(view.makeContextCurrent());
            glLightfv(GL_LIGHT0, GL_POSITION, LightPosition.data());
            TurnCamera(*window, viewDistance, turn[0], turn[1], turn[2]);
            for (int frame = 0; frame < 2; ++frame) {
                run == 0 ? everySphere() : asDrawn();
                (run == 0 ? expected : drawn)[frame] = this->picture();
            }
        }
        for (int frame = 0; frame < 2; ++frame) {
            SCOPED_TRACE("turn " + std::to_string(turn[2]) + ", frame " + std::to_string(frame));
            EXPECT_EQ(drawn[frame], expected[frame]);
            EXPECT_NE(drawn[frame].pixel(120, 100), background);  // something was drawn
        }
    }
}

// Mesa's software renderer holds every triangle it has not drawn yet: without fences to wait
// on, a frame of 200 spheres would keep some 30 MB of them. The pixels of paced batches are
// those of spheres sent one by one (CubeOnceGivesThePixelsOfTheCubeAfterEverySphere).
TEST_F(DrawingTest, BatchesAreWaitedForOnTheViewsContext) {
    REQUIRE_GL();
    ViewGL& view = *window->view();
    view.doneCurrent();
    {
        RendererBatches none;  // no context current: only flushed
        EXPECT_FALSE(none.paced());
        none.endBatch();
    }
    ASSERT_TRUE(view.makeContextCurrent());
    RendererBatches batches;
    EXPECT_TRUE(batches.paced());
    // More batches than are kept queued: the oldest are waited for, and all are drawn.
    for (int batch = 0; batch < 2 * RendererBatches::MaxQueued + 1; ++batch) {
        RenderState(scene(), particles);
        ASSERT_TRUE(view.makeContextCurrent());
        batches.endBatch();
    }
    EXPECT_NE(centre(), background);
}

}  // namespace
}  // namespace zentova::test
