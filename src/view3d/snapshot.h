#pragma once

#include <QImage>
#include <QSize>
#include <string>

#include "files/output.h"

namespace zentova {

// The size of a picture the view shows during a run: the client area of the view window
// as it is placed (800 x 700 without a window frame).
inline constexpr QSize SnapshotSize{800, 700};

// NAME-TIME.png beside the project: the files' stem, "-", the time with 3 decimals as in
// the trajectory. ("runs/demo", 0.15) -> "runs/demo-0.150.png".
std::string snapshotPath(const std::string& baseName, double time);

// Writes the image as PNG into `out` and commits it. False with the reason in `error`.
bool savePicturePng(const QImage& image, OutputFile& out, std::string& error);
// The same into `path`, one of the view's own picture names (key S), which replaces the
// picture of the same name but is never written through a link. False with the reason.
bool savePicturePng(const QImage& image, const std::string& path, std::string& error);

}  // namespace zentova
