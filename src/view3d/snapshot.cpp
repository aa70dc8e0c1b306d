#include "view3d/snapshot.h"

#include <QSaveFile>
#include <cstdio>
#include <memory>

#include "view3d/drawing.h"
#include "view3d/offscreen.h"
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
