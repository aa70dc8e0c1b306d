#include "view3d/viewgl.h"

#include <GL/gl.h>

#include <QCoreApplication>
#include <QEvent>
#include <QSurfaceFormat>

namespace zentova {

ViewGL::ViewGL() : QOpenGLWindow(QOpenGLWindow::PartialUpdateBlit) {
    // Its own context with a depth buffer for the overlapping spheres, and 24-bit colour
    // without alpha: the clear colour's alpha of 0.2 must not make the view translucent.
    QSurfaceFormat format = QSurfaceFormat::defaultFormat();
    format.setDepthBufferSize(16);
    format.setAlphaBufferSize(0);
    setFormat(format);
    // The picture does not take the mouse: a press on it reaches the view window beneath.
    setFlag(Qt::WindowTransparentForInput);
}

ViewGL::~ViewGL() {
    if (isValid()) {
        makeCurrent();
        m_meshes.release();
        doneCurrent();
    }
}

bool ViewGL::makeContextCurrent() {
    if (!isValid()) return false;
    makeCurrent();  // binds the framebuffer that keeps the picture between paints
    return true;
}

void ViewGL::present(const Picture& picture) {
    m_picture = picture;
    m_manyPicture.reset();
    m_hasPicture = true;
    update();
}

void ViewGL::present(std::shared_ptr<const ManyPicture> picture) {
    m_manyPicture = std::move(picture);
    m_hasPicture = m_manyPicture != nullptr;
    update();
}

void ViewGL::showNow() {
    // The platform delivers a window's update request after a timer; delivered here, the
    // picture is blitted and swapped now, and the request that follows finds nothing to do.
    if (!isExposed()) return;
    QEvent request(QEvent::UpdateRequest);
    QCoreApplication::sendEvent(this, &request);
}

void ViewGL::setClearColor(const std::array<float, 4>& rgba) {
    m_clearColor = rgba;
    if (makeContextCurrent()) glClearColor(rgba[0], rgba[1], rgba[2], rgba[3]);
}

void ViewGL::setFog(std::optional<FogRange> fog) {
    m_fog = fog;
    if (m_fog && makeContextCurrent()) EnableFogGL(*m_fog);
}

void ViewGL::initializeGL() {
    // A new context knows nothing yet: the scene set-up, then the clear colour and the fog
    // of the moment (the set-up takes the fog away); the sphere lists of a context before it
    // went with it.
    m_meshes.forget();
    const qreal ratio = devicePixelRatio();
    SetUpSceneGL(width(), height(), qRound(width() * ratio), qRound(height() * ratio));
    glClearColor(m_clearColor[0], m_clearColor[1], m_clearColor[2], m_clearColor[3]);
    if (m_fog) EnableFogGL(*m_fog);
    m_framebufferReplaced = true;
}

void ViewGL::resizeGL(int, int) {
    m_framebufferReplaced = true;
}

void ViewGL::paintGL() {
    if (!m_framebufferReplaced) return;  // the framebuffer still holds the last picture
    m_framebufferReplaced = false;
    if (m_hasPicture && m_manyPicture) {
        DrawManyPicture(*m_manyPicture, m_meshes);
    } else if (m_hasPicture) {
        DrawPicture(m_picture, m_meshes);
    } else {
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    }
}

}  // namespace zentova
