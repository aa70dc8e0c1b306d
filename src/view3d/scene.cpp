#include "view3d/scene.h"

#include <GL/gl.h>

#include <QRect>
#include <algorithm>

#include "view3d/drawing.h"
#include "view3d/viewgl.h"
#include "view3d/viewsurface.h"

namespace zentova {

namespace {

// Width over height as the vertical scale of the base modelview. A minimised window has no
// height; its scale is taken over one pixel so the matrix stays finite.
GLfloat aspectScale(int width, int height) {
    return static_cast<GLfloat>(static_cast<double>(width) / std::max(height, 1));
}

}  // namespace

void SetUpSceneGL(int width, int height, int framebufferWidth, int framebufferHeight) {
    // One context serves the window for its whole life, so what a new context would start
    // without has to be taken away here: the viewport of the old size and the fog.
    glViewport(0, 0, framebufferWidth, framebufferHeight);
    glDisable(GL_FOG);

    const GLfloat ambient[4] = {0.7f, 0.7f, 0.7f, 0.7f};

    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glFrustum(-0.1, 0.1, -0.1, 0.1, 0.3, 80.0);

    // With the square frustum this scale makes a scene unit span as many pixels down as across.
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    glScalef(1.0f, aspectScale(width, height), 1.0f);
    glTranslatef(0.0f, 0.0f, -15.0f);

    glEnable(GL_DEPTH_TEST);
    glEnable(GL_LIGHT0);
    glEnable(GL_LIGHTING);

    // Given through the base modelview: the light stays put while the scene turns, until a
    // cube drawing gives it again.
    glLightfv(GL_LIGHT0, GL_POSITION, LightPosition.data());
    glLightfv(GL_LIGHT0, GL_AMBIENT, ambient);

    // The base modelview scales y; normals must come out of it unit length again.
    glEnable(GL_NORMALIZE);
}

void SetUpScene(ViewSurface& window) {
    // The set-up ends any fog, also for a context that does not exist yet.
    if (ViewGL* view = window.view()) view->setFog(std::nullopt);
    // The pointer stays visible over the view: the toolkit never hides it, so there is
    // nothing to show again here.
    if (!window.makeViewCurrent()) return;
    const ViewGL& view = *window.view();
    const qreal ratio = view.devicePixelRatioF();
    SetUpSceneGL(window.width(), window.height(), qRound(view.width() * ratio),
                 qRound(view.height() * ratio));
}

void TurnCamera(ViewSurface& window, double distance, double twist, double elevation,
                double azimuth) {
    if (!window.makeViewCurrent()) return;
    glTranslated(0.0, 0.0, -distance);
    glRotated(-twist, 0.0, 0.0, 1.0);
    glRotated(-elevation, 1.0, 0.0, 0.0);
    glRotated(azimuth, 0.0, 1.0, 0.0);
    glTranslated(0.0, 0.0, distance);
}

void ResetView(const Scene& scene) {
    scene.viewDistance = InitialViewDistance;
    ApplyFog(scene);
    if (!scene.window.makeViewCurrent()) return;
    // The outer size, frame included, where the set-up takes the client size: with a frame
    // the reset view is a little differently proportioned.
    const QRect outer = scene.window.frameGeometry();
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    glScalef(1.0f, aspectScale(outer.width(), outer.height()), 1.0f);
    glTranslated(0.0, 0.0, -15.0);
}

void SetViewClearColor(ViewSurface& window, Rgb color) {
    if (ViewGL* view = window.view())
        view->setClearColor({color.r / 257.0f, color.g / 257.0f, color.b / 257.0f, 0.2f});
}

void ClearViewBuffers(ViewSurface& window) {
    if (window.makeViewCurrent()) glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
}

}  // namespace zentova
