#pragma once

#include <functional>
#include <string>

#include "command/command.h"

namespace zentova {

// What a drawing command does once it has an application with a display: returns the exit
// status, or CannotDraw with the reason in `error` when there is no OpenGL to draw with.
inline constexpr int CannotDraw = -1;
using DrawingTask = std::function<int(std::string& error)>;

// Runs `draw` on the display the environment names or, without one, on a virtual screen
// (Xvfb) of the program's own that is ended before this returns. Failures to get a display
// or OpenGL become a "zentova: COMMAND: ..." line and status 1.
int drawOnADisplay(const char* command, int argc, char** argv, const DrawingTask& draw);

// --snapshot PROJECT OUT.png [--overwrite]: draws the final state as the view shows it into a PNG
// file, on the display the environment names or on a virtual screen of its own. Returns the exit
// status.
int snapshotCommand(const CommandCall& call);

// --movie PROJECT OUT.(mp4|webm|gif) [--fps N] [--turn DEGREES] [--from T0] [--to T1]
// [--no-time] [--overwrite]: films the project's trajectory as "Show history" draws it. Returns the
// exit status.
int movieCommand(const CommandCall& call);

}  // namespace zentova
