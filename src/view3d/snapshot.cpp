#include "view3d/snapshot.h"

#include <QBuffer>
#include <QByteArray>
#include <cstdio>

#include "files/fileerror.h"

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

}  // namespace zentova
