// A run's picture as the user sees it: a hundred particles of three kinds in the cube, with
// fog. ZENTOVA_VIEW_LOOK=/some/file.png saves the picture and prints the time of a frame of
// 200 spheres.

#include <GL/gl.h>

#include <QElapsedTimer>
#include <cstdlib>
#include <iostream>
#include <random>

#include "view3d/drawing.h"
#include "view_fixture.h"

namespace zentova::test {
namespace {

using LookTest = ViewTest;

TEST_F(LookTest, HundredParticlesOfThreeKinds) {
    REQUIRE_GL(800, 700);  // as placed for a run
    project.typeCount = 3;
    project.colors = {Rgb{}, Rgb{255, 40, 40}, Rgb{60, 200, 255}, Rgb{255, 230, 0}};
    project.diameters = {0.0, 8.0, 12.0, 5.0};
    std::mt19937 random(7);
    std::uniform_real_distribution<double> inCube(-45.0, 45.0);
    for (int p = 1; p <= MaxParticles; ++p) {
        for (int c = 0; c < 3; ++c) particles.position(p, c) = inCube(random);
        particles.type[p] = static_cast<std::uint8_t>(1 + p % 3);
    }
    project.particleCount = 100;
    ApplyFog(scene());
    RenderState(scene(), particles);

    const QImage image = picture();
    int reds = 0, blues = 0, yellows = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QRgb c = image.pixel(x, y);
            reds += qRed(c) > qGreen(c) + 60 && qRed(c) > qBlue(c) + 60;
            yellows += qRed(c) > qBlue(c) + 60 && qGreen(c) > qBlue(c) + 60;
            blues += qBlue(c) > qRed(c) + 60 && qGreen(c) > qRed(c) + 40;
        }
    }
    EXPECT_GT(reds, 100);
    EXPECT_GT(blues, 100);
    EXPECT_GT(yellows, 100);

    const char* path = std::getenv("ZENTOVA_VIEW_LOOK");
    if (!path) return;
    image.save(path);
    project.particleCount = MaxParticles;
    QElapsedTimer timer;
    timer.start();
    constexpr int Frames = 10;
    for (int i = 0; i < Frames; ++i) RenderState(scene(), particles);
    glFinish();
    std::cout << "a frame of 200 spheres: " << timer.elapsed() / double(Frames) << " ms\n";
}

}  // namespace
}  // namespace zentova::test
