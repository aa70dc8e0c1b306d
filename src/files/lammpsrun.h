#pragma once

#include <optional>
#include <string>

#include "files/lammpsmanifest.h"
#include "files/output.h"

namespace zentova {

// A folder written by --export-lammps, perhaps with LAMMPS's output in it: where its files
// are, and the manifest it is checked against.
struct LammpsRun {
    std::string folder;
    LammpsManifest manifest;
    std::string manifestPath;
    std::string dumpPath;  // dump.STEM, or dump.STEM.gz when only that is there
    std::string logPath;   // log.lammps
};

// The run an argument names: a folder with a manifest, or its in.STEM with manifest.STEM
// beside it; nothing when the argument is neither (a project file, say). Throws FileError when a
// folder holds no manifest or several, or the manifest cannot be read.
std::optional<LammpsRun> findLammpsRun(const std::string& argument);

// The policy of a command's outputs for a run: its own files (manifest, dump, log and the
// export's) are never written; other files only with `overwrite`.
OutputPolicy runPolicy(const LammpsRun& run, bool overwrite);

// The --export-xyz command's work for a run: its dump as extended XYZ in `outPath`, as for a
// trajectory (species, position from the box's corner, radius; the box as the lattice, the
// time and the step on the comment line). Returns the number of frames; `note` receives the
// reader's note of a cut last frame. Throws FileError.
long long exportRunXyz(const LammpsRun& run, const std::string& outPath, bool overwrite,
                       std::string* note = nullptr);

}  // namespace zentova
