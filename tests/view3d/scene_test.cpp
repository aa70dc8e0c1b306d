// Scene set-up and camera: read back from the GL context the view draws with.

#include <GL/gl.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QScreen>
#include <QThread>
#include <cmath>
#include <numbers>

#include "view3d/drawing.h"
#include "view_fixture.h"

namespace zentova::test {
namespace {

using SceneTest = ViewTest;

void expectMatrix(const std::array<double, 16>& actual, const std::array<double, 16>& expected) {
    for (int i = 0; i < 16; ++i) EXPECT_NEAR(actual[i], expected[i], 1e-5) << "element " << i;
}

// Identity, y scaled by width / height, moved 15 units away: column-major.
std::array<double, 16> base(double aspect) {
    return {1, 0, 0, 0, 0, aspect, 0, 0, 0, 0, 1, 0, 0, 0, -15, 1};
}

TEST_F(SceneTest, TurnsPivotOnTheCubeCentreAndCancel) {
    REQUIRE_GL();
    const auto start = matrix(GL_MODELVIEW_MATRIX);
    const auto centre = [](const std::array<double, 16>& m) {  // eye position of (0, 0, -6)
        return std::array<double, 3>{m[12] - 6 * m[8], m[13] - 6 * m[9], m[14] - 6 * m[10]};
    };
    TurnCamera(*window, 6.0, 0.0, 0.0, 0.75);
    TurnCamera(*window, 6.0, 0.0, 0.75, 0.0);
    const auto turned = matrix(GL_MODELVIEW_MATRIX);
    EXPECT_NEAR(turned[0], std::cos(0.75 * std::numbers::pi / 180),
                1e-6);  // the turn multiplied in
    for (int i = 0; i < 3; ++i) EXPECT_NEAR(centre(turned)[i], centre(start)[i], 1e-5);

    TurnCamera(*window, 6.0, 0.0, -0.75, 0.0);
    TurnCamera(*window, 6.0, 0.0, 0.0, -0.75);
    expectMatrix(matrix(GL_MODELVIEW_MATRIX), start);
}

// Each turn alone, a quarter turn from the identity about the cube's centre 6 units ahead
// (0, 0, -6): where a point one unit from the centre goes. A positive vertical turn tips the
// cube's top away from the eye, a positive horizontal one its right side; a positive twist
// takes its right side down.
TEST_F(SceneTest, EachTurnGoesItsOwnWayAboutTheCentre) {
    REQUIRE_GL();
    struct Case {
        const char* turn;
        double twist, elevation, azimuth;
        std::array<double, 3> from, to;
    };
    const Case cases[] = {
        {"vertical up", 0, 90, 0, {0, 1, -6}, {0, 0, -7}},
        {"vertical down", 0, -90, 0, {0, 1, -6}, {0, 0, -5}},
        {"horizontal", 0, 0, 90, {1, 0, -6}, {0, 0, -7}},
        {"twist", 90, 0, 0, {1, 0, -6}, {0, -1, -6}},
    };
    for (const Case& c : cases) {
        window->makeViewCurrent();
        glMatrixMode(GL_MODELVIEW);
        glLoadIdentity();
        TurnCamera(*window, 6.0, c.twist, c.elevation, c.azimuth);
        const auto m = matrix(GL_MODELVIEW_MATRIX);  // column-major, in single precision
        for (int row = 0; row < 3; ++row) {
            const double to =
                m[row] * c.from[0] + m[4 + row] * c.from[1] + m[8 + row] * c.from[2] + m[12 + row];
            EXPECT_NEAR(to, c.to[row], 1e-5) << c.turn << ", coordinate " << row;
        }
    }
}

TEST_F(SceneTest, ResetAndResizeReturnToTheBaseTransform) {
    REQUIRE_GL();
    TurnCamera(*window, 6.0, 0.0, 0.0, 30.0);
    viewDistance = 3.0;
    ResetView(scene());
    EXPECT_EQ(viewDistance, 6.0);
    expectMatrix(matrix(GL_MODELVIEW_MATRIX), base(1.0));  // no frame on a bare X screen
    EXPECT_EQ(floats(GL_FOG_START)[0], 20.0f);

    // A resize drops the turns and the fog, keeps the distance, sets the dark blue.
    TurnCamera(*window, 6.0, 0.0, 10.0, 0.0);
    viewDistance = 3.0;
    window->resize(400, 200);
    expectMatrix(matrix(GL_MODELVIEW_MATRIX), base(2.0));
    EXPECT_FALSE(glIsEnabled(GL_FOG));
    EXPECT_EQ(viewDistance, 3.0);
    EXPECT_EQ(floats(GL_COLOR_CLEAR_VALUE), (std::array<float, 4>{0.1f, 0.1f, 0.5f, 0.2f}));
}

TEST_F(SceneTest, ClearColourDividesBy257) {
    REQUIRE_GL();
    SetViewClearColor(*window, Rgb{255, 255, 255});
    EXPECT_EQ(floats(GL_COLOR_CLEAR_VALUE),
              (std::array<float, 4>{255 / 257.0f, 255 / 257.0f, 255 / 257.0f, 0.2f}));
    project.particleCount = 0;
    RenderState(scene(), particles);
    EXPECT_EQ(picture().pixel(100, 100), qRgb(253, 253, 253));
    // The screen shows it as drawn: the alpha of 0.2 does not blend it with anything. The
    // X server puts it there in its own time.
    window->showDrawnNow();
    QRgb shown = 0;
    QElapsedTimer waited;
    waited.start();
    do {
        QCoreApplication::processEvents();
        shown = window->screen()->grabWindow(window->winId()).toImage().pixel(100, 100);
        if (shown == qRgb(253, 253, 253)) break;
        QThread::msleep(20);
    } while (waited.elapsed() < 10000);  // a busy machine is slow to show it
    EXPECT_EQ(shown, qRgb(253, 253, 253));
}

}  // namespace
}  // namespace zentova::test
