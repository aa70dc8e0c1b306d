#include "view3d/offscreen.h"

#include <GL/gl.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFont>
#include <QPainter>
#include <QPainterPath>
#include <QThread>
#include <memory>

#include "canvas/plotter.h"
#include "lang/language.h"
#include "view3d/drawing.h"
#include "view3d/scene.h"
#include "view3d/viewgl.h"
#include "view3d/viewwindow.h"

namespace zentova {

OffscreenView::OffscreenView(QSize size) : m_window(std::make_unique<TForm2>()) {
    // Shown, so that the picture gets its GL context, but never mapped on the screen.
    m_window->setAttribute(Qt::WA_DontShowOnScreen);
    m_window->resize(size);
    m_window->show();
    // The GL context comes with the first expose, which the X server sends in its own time:
    // on a busy machine one pass over the events is not always enough.
    QElapsedTimer waited;
    waited.start();
    QCoreApplication::processEvents();
    while (m_window->view() && !m_window->view()->isValid() && waited.elapsed() < 10000) {
        QThread::msleep(5);
        QCoreApplication::processEvents();
    }
}

OffscreenView::~OffscreenView() = default;

bool OffscreenView::ready(std::string& error) const {
    if (m_window->view() && m_window->view()->isValid()) return true;
    error = "no OpenGL on this display";
    return false;
}

QImage OffscreenView::picture() const {
    if (!m_window->view() || !m_window->view()->isValid()) return {};
    return m_window->view()->grabFramebuffer();
}

bool OffscreenView::rawPicture(QImage& picture) const {
    ViewGL* view = m_window->view();
    if (!view || !view->makeContextCurrent()) return false;
    const QSize size = view->size() * view->devicePixelRatioF();
    if (picture.size() != size || picture.format() != QImage::Format_RGB32)
        picture = QImage(size, QImage::Format_RGB32);
    glPixelStorei(GL_PACK_ALIGNMENT, 4);
    glReadPixels(0, 0, size.width(), size.height(), GL_BGRA, GL_UNSIGNED_BYTE, picture.bits());
    return true;
}

void drawTimeText(QImage& picture, double time, bool bottomUp) {
    // Shown to a class like the view's own time: in its language, with its decimal separator.
    const std::string text = filled(translated("View", "t = %1"), {screenNumber(time, 3)});
    QFont font("DejaVu Sans");
    font.setPixelSize(20);
    QPainterPath path;
    path.addText(0, 0, font, QString::fromStdString(text));
    path.translate(12, picture.height() - 14);
    QPainter painter(&picture);
    if (bottomUp) {
        painter.translate(0, picture.height());
        painter.scale(1, -1);
    }
    painter.setRenderHint(QPainter::Antialiasing);
    painter.strokePath(path, QPen(QColor(0, 0, 0, 200), 3.0));
    painter.fillPath(path, Qt::white);
}

QImage renderFinalStatePicture(const Project& project, const Settings& settings,
                               const FinalState& state, QSize size, std::string& error) {
    OffscreenView offscreen(size);
    if (!offscreen.ready(error)) return {};
    TForm2& window = offscreen.window();
    // The state's own particles, as many as it holds.
    Project shown = project;
    shown.particleCount = state.count;
    auto particles = std::make_unique<ParticleState>(state.particles);
    double viewDistance = InitialViewDistance;
    const Scene scene{window, shown, settings, viewDistance};
    ApplyFog(scene);
    SetViewClearColor(window, settings.backgroundColor);
    RenderState(scene, *particles);
    QImage picture = offscreen.picture();
    if (picture.isNull()) error = "the picture could not be read back";
    return picture;
}

}  // namespace zentova
