#pragma once

#include <optional>
#include <string>

#include "files/lammpsrun.h"
#include "movie/moviewriter.h"

namespace zentova {

// --snapshot and --movie of a LAMMPS run of an export: its dump drawn as the view draws a
// project, with the manifest's colours and diameters, every frame checked against it.

// The last whole frame of the dump into `outPath` (PNG, 800 x 700). Returns the exit status.
int runSnapshotCommand(const LammpsRun& run, const std::string& outPath, bool overwrite, int argc,
                       char** argv);

struct RunMovieOptions {
    std::string outPath;
    MovieFormat format = MovieFormat::Mp4;
    int fps = 25;
    double turnDegrees = 0.0;
    std::optional<double> from;
    std::optional<double> to;
    bool showTime = true;
    bool overwrite = false;
};

// Every dump frame in the times asked for, one picture each, into the movie. Returns the
// exit status.
int runMovieCommand(const LammpsRun& run, const RunMovieOptions& options, int argc, char** argv);

}  // namespace zentova
