#include "view_fixture.h"

#include <GL/gl.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QThread>
#include <cstdlib>

#include "view3d/viewgl.h"

namespace zentova::test {

namespace {

// Runs before main, which picks the offscreen platform when none is set: with an X server
// (make test runs under xvfb-run) the view gets real GL instead.
const bool g_platformChosen = [] {
    if (std::getenv("DISPLAY") && !std::getenv("QT_QPA_PLATFORM"))
        setenv("QT_QPA_PLATFORM", "xcb", 1);
    return true;
}();

}  // namespace

void ViewTest::SetUp() {
    Input() = InputState{};
    window = std::make_unique<TForm2>();
    project.typeCount = 1;
    project.particleCount = 1;
    project.counts[1] = 1;
    project.diameters[1] = 50.0;  // radius 1 scene unit: about 14 pixels across 200
    project.colors[1] = Rgb{125, 125, 125};
    particles.type[1] = 1;
}

bool ViewTest::showWithGL(int width, int height) {
    window->resize(width, height);
    if (!window->view()) return false;
    window->show();
    // The picture's window gets its context when the screen first shows it.
    QElapsedTimer waited;
    waited.start();
    do {
        QCoreApplication::processEvents();
        if (window->view()->isValid()) break;
        QThread::msleep(5);
    } while (waited.elapsed() < 3000);
    if (!window->view()->isValid()) return false;
    SetViewClearColor(*window, settings.backgroundColor);
    return true;
}

QImage ViewTest::picture() {
    return window->view()->grabFramebuffer();
}

std::array<double, 16> ViewTest::matrix(unsigned which) {
    std::array<double, 16> m{};
    window->makeViewCurrent();
    glGetDoublev(which, m.data());
    return m;
}

std::array<float, 4> ViewTest::floats(unsigned which) {
    std::array<float, 4> v{};
    window->makeViewCurrent();
    glGetFloatv(which, v.data());
    return v;
}

}  // namespace zentova::test
