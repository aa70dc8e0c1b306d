#pragma once

#include <QImage>
#include <QSize>
#include <string>

#include "files/finalstate.h"
#include "files/output.h"
#include "model/project.h"
#include "model/settings.h"

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

// Draws the final state as "Show final state" first shows it (camera at its start, fog and
// background from the settings) in a view window that never appears on the screen, and
// returns the picture. The particles drawn are the final state's. Needs a platform with
// OpenGL; a null image, with the reason in `error`, without.
QImage renderFinalStatePicture(const Project& project, const Settings& settings,
                               const FinalState& state, QSize size, std::string& error);

}  // namespace zentova
