#include "view3d/snapshot.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QSaveFile>
#include <QThread>
#include <cstdio>
#include <memory>

#include "view3d/drawing.h"
#include "view3d/scene.h"
#include "view3d/viewgl.h"
#include "view3d/viewwindow.h"

namespace zentova {

std::string snapshotPath(const std::string& baseName, double time) {
    char text[48];
    std::snprintf(text, sizeof text, "-%.3f.png", time);
    return baseName + text;
}

bool savePicturePng(const QImage& image, const std::string& path, std::string& error) {
    if (image.isNull()) {
        error = "there is no picture";
        return false;
    }
    QSaveFile file(QString::fromStdString(path));
    if (!file.open(QIODevice::WriteOnly) || !image.save(&file, "PNG") || !file.commit()) {
        error = path + ": " + file.errorString().toStdString();
        return false;
    }
    return true;
}

QImage renderFinalStatePicture(const Project& project, const Settings& settings,
                               const FinalState& state, QSize size, std::string& error) {
    TForm2 window;
    // Shown, so that the picture gets its GL context, but never mapped on the screen.
    window.setAttribute(Qt::WA_DontShowOnScreen);
    window.resize(size);
    window.show();
    // The GL context comes with the first expose, which the X server sends in its own time:
    // on a busy machine one pass over the events is not always enough.
    QElapsedTimer waited;
    waited.start();
    QCoreApplication::processEvents();
    while (window.view() && !window.view()->isValid() && waited.elapsed() < 10000) {
        QThread::msleep(5);
        QCoreApplication::processEvents();
    }
    if (!window.view() || !window.view()->isValid()) {
        error = "no OpenGL on this display";
        return {};
    }
    // The state's own particles, as many as it holds.
    Project shown = project;
    shown.particleCount = state.count;
    auto particles = std::make_unique<ParticleState>(state.particles);
    double viewDistance = InitialViewDistance;
    const Scene scene{window, shown, settings, viewDistance};
    ApplyFog(scene);
    SetViewClearColor(window, settings.backgroundColor);
    RenderState(scene, *particles);
    QImage picture = window.view()->grabFramebuffer();
    if (picture.isNull()) error = "the picture could not be read back";
    return picture;
}

}  // namespace zentova
