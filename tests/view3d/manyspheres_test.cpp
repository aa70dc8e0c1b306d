// The pictures of a LAMMPS run brought back: the box fitted into the view, and more particles
// than a project's drawn as lit-sphere impostors.

#include "view3d/manyspheres.h"

#include <GL/gl.h>

#include <memory>

#include "view3d/drawing.h"
#include "view3d/spheremesh.h"
#include "view3d/viewgl.h"
#include "view_fixture.h"

namespace zentova::test {
namespace {

TEST(LitSphereShade, IsTheSpheresLightingWorkedOutByHand) {
    const std::array<float, 3> front{0.0f, 0.0f, 1.0f};
    const std::array<float, 3> back{0.0f, 0.0f, -1.0f};
    const std::array<float, 3> side{0.6f, 0.0f, 0.8f};
    struct Case {
        float tint;
        std::array<float, 3> normal;
        float shade;
    };
    // 0.2 x 0.2 of the global ambient, 0.2 x tint, 0.8 x the cosine towards the light.
    const Case cases[] = {
        {0.0f, front, 0.84f},  // neutral grey, facing the light
        {0.0f, back, 0.04f},   // turned away: the global ambient alone
        {0.0f, side, 0.68f},   // cosine 0.8
        {1.04f, front, 1.0f},  // 255: clamped
        {-1.0f, back, 0.0f},   // 0, turned away: below black, clamped
        {-1.0f, front, 0.64f},
    };
    for (const Case& c : cases)
        EXPECT_NEAR(litSphereShade(c.tint, c.normal, front), c.shade, 1e-6)
            << c.tint << " " << c.normal[0] << " " << c.normal[2];
}

LammpsManifest twoCubes() {
    LammpsManifest m;
    m.replicate = {2, 1, 1};
    m.particles = 3;
    m.low = {0, 0, 0};
    m.high = {200, 100, 100};
    m.types = {{2, 1.0, 10.0, Rgb{255, 0, 0}}, {1, 2.0, 20.0, Rgb{0, 0, 255}}};
    return m;
}

TEST(RunPicture, FitsTheBoxIntoTheViewsCube) {
    LammpsFrame frame;
    frame.types = {1, 2, 1};
    frame.positions = {100, 50, 50, 200, 50, 0, 0, 100, 100};
    Settings settings;
    settings.showCubeLimits = true;
    settings.cubeHalfSize = 50;
    const ManyPicture picture = composeRunPicture(twoCubes(), settings, frame, 6.0);
    ASSERT_EQ(picture.count(), 3u);
    // Two cubes along x: halved, so that the box's 200 fill the cube's 8.5 scene units.
    const double expected[9] = {0, 0, 0, 4.25, 0, -2.125, -4.25, 2.125, 2.125};
    for (int i = 0; i < 9; ++i) EXPECT_DOUBLE_EQ(picture.centres[i], expected[i]) << i;
    EXPECT_DOUBLE_EQ(picture.radii[1], 0.1);  // 0.02 x 10, halved
    EXPECT_DOUBLE_EQ(picture.radii[2], 0.2);
    EXPECT_EQ(picture.colours[2].b, 255);
    EXPECT_EQ(picture.types[1], 2);
    EXPECT_TRUE(picture.showCube);
    EXPECT_DOUBLE_EQ(picture.distance, 6.0);

    // One cube: the view's own scale, as a project's.
    LammpsManifest one = twoCubes();
    one.replicate = {1, 1, 1};
    EXPECT_DOUBLE_EQ(runFit(one), SceneScale);
    EXPECT_DOUBLE_EQ(composeRunPicture(one, settings, frame, 6.0).centres[3], 0.085 * 150);
}

class ManySpheres : public ViewTest {
  protected:
    // n particles: the first a large one of type 1 at the centre, the rest of type 2 (radius
    // 0, nothing to see) far off in a corner.
    ManyPicture many(std::size_t n, Rgb colour) {
        ManyPicture p;
        p.centres.assign(3 * n, -4.0);
        p.centres[0] = p.centres[1] = p.centres[2] = 0.0;
        p.types.assign(n, 2);
        p.types[0] = 1;
        p.radii[1] = 1.0;
        p.colours[1] = colour;
        p.distance = viewDistance;
        return p;
    }
    QImage draw(const ManyPicture& p) {
        window->makeViewCurrent();
        DrawManyPicture(p, window->view()->meshes());
        return picture();
    }
    QRgb centre(const QImage& image) { return image.pixel(image.width() / 2, image.height() / 2); }
};

TEST_F(ManySpheres, UpToTwoHundredAreTheViewsOwnSpheresAndMoreAreImpostorsOfTheSameLook) {
    REQUIRE_GL();
    for (const Rgb colour : {Rgb{255, 0, 0}, Rgb{125, 125, 125}}) {
        // 200: the same pixels as the view draws for a project.
        ManyPicture two = many(200, colour);
        auto same = std::make_unique<Picture>();
        same->sphereCount = 200;
        same->distance = viewDistance;
        for (int k = 0; k < 200; ++k) {
            same->spheres[k].x = same->spheres[k].y = same->spheres[k].z = k == 0 ? 0.0 : -4.0;
            if (k == 0) same->spheres[k] = {0, 0, 0, 1.0, colour.r, colour.g, colour.b};
        }
        const QImage sphere = draw(two);
        window->makeViewCurrent();
        DrawPicture(*same, window->view()->meshes());
        EXPECT_EQ(sphere, picture());

        // 201: a quad with the lit sphere's face, about as large and as bright at its centre.
        const QImage impostor = draw(many(201, colour));
        const QRgb a = centre(sphere);
        const QRgb b = centre(impostor);
        EXPECT_NEAR(qRed(a), qRed(b), 24);
        EXPECT_NEAR(qGreen(a), qGreen(b), 24);
        EXPECT_NEAR(qBlue(a), qBlue(b), 24);
        int across[2] = {0, 0};
        const QImage* images[2] = {&sphere, &impostor};
        for (int i = 0; i < 2; ++i)
            for (int x = 0; x < images[i]->width(); ++x)
                if (images[i]->pixel(x, images[i]->height() / 2) !=
                    images[i]->pixel(0, images[i]->height() / 2))
                    ++across[i];
        EXPECT_GT(across[0], 10);
        EXPECT_NEAR(across[0], across[1], 2);  // the disc as wide as the sphere
    }
}

TEST_F(ManySpheres, ImpostorsHideEachOtherByDepthAndEachTakesItsTypesTint) {
    REQUIRE_GL();
    ManyPicture p = many(300, Rgb{255, 0, 0});
    p.types[1] = 3;  // a blue one just in front of the red one's centre
    p.centres[3] = p.centres[4] = 0.0;
    p.centres[5] = 0.5;
    p.radii[3] = 0.3;
    p.colours[3] = Rgb{0, 0, 255};
    const QImage image = draw(p);
    const QRgb middle = centre(image);
    EXPECT_GT(qBlue(middle), qRed(middle) + 60);
    const QRgb beside = image.pixel(image.width() / 2 + 9, image.height() / 2);
    EXPECT_GT(qRed(beside), qBlue(beside) + 60);

    p.centres[5] = -0.5;  // behind: hidden by the red one
    const QImage hidden = draw(p);
    EXPECT_GT(qRed(centre(hidden)), qBlue(centre(hidden)) + 60);
}

}  // namespace
}  // namespace zentova::test
