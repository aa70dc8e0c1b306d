#pragma once

#include "command/command.h"

namespace zentova {

// The entry points that need the window's libraries (Qt Widgets, OpenGL, Qt Charts, FFmpeg).
// Each has two definitions, and each executable links one: the window part
// (`zentova-gui`) defines them in the libraries that draw (app, charts); the front
// (`zentova`) defines them as handing the whole command line over to the window part, so
// that the front loads none of those libraries.

// The desktop program with `argv` as it was given (no arguments, or a file to open; a LAMMPS
// run's folder is replayed in the view).
int runDesktop(int argc, char** argv);

// --snapshot PROJECT OUT.png [--overwrite]: draws the final state as the view shows it into a
// PNG file, on the display the environment names or on a virtual screen of its own. A LAMMPS
// run's folder instead of PROJECT: the last whole frame of its dump.
int snapshotCommand(const CommandCall& call);

// --movie PROJECT OUT.(mp4|webm|gif) [--fps N] [--turn DEGREES] [--from T0] [--to T1]
// [--no-time] [--overwrite]: films the project's trajectory as "Show history" draws it, or
// every frame of a LAMMPS run's dump when PROJECT is its folder.
int movieCommand(const CommandCall& call);

// --analyse PROJECT [--out DIR] [--from T0] [--to T1] [--overwrite]: the analysis page, its
// plots drawn offscreen, so it needs no display.
int analyseCommand(const CommandCall& call);

}  // namespace zentova
