#include "view3d/snapshot.h"

#include <QBuffer>
#include <QByteArray>
#include <cstdio>
#include <memory>

#include "files/fileerror.h"
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

bool savePicturePng(const QImage& image, OutputFile& out, std::string& error) {
    if (image.isNull()) {
        error = "there is no picture";
        return false;
    }
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    if (!image.save(&buffer, "PNG")) {
        error = out.path() + ": the picture cannot be made";
        return false;
    }
    try {
        out.write(std::string_view(png.constData(), static_cast<std::size_t>(png.size())));
        out.commit();
        return true;
    } catch (const FileError& e) {
        error = e.what();
        return false;
    }
}

bool savePicturePng(const QImage& image, const std::string& path, std::string& error) {
    try {
        OutputFile out(path, replacingPolicy());
        return savePicturePng(image, out, error);
    } catch (const FileError& e) {
        error = e.what();
        return false;
    }
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
