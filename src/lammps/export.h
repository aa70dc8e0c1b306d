#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "model/bathschedule.h"
#include "model/settings.h"

namespace zentova {

// What --export-lammps writes, and from what.
struct LammpsExportOptions {
    std::string projectPath;
    std::string folder;
    bool fromFinalState = false;            // the project's .sta instead of a fresh placement
    std::array<int, 3> replicate{1, 1, 1};  // cubes along x, y, z
    long long steps = 3000;  // the run of in.STEM, up to MaxLammpsSteps (-var steps overrides it)
    std::optional<std::uint32_t> seed;  // placement and bath seeds; the clock otherwise
    // A cutoff (cube units) shorter than the box: the law beyond it left out, so that a
    // large tiling runs in LAMMPS's time per particle rather than per pair.
    std::optional<double> cutoff;
    bool overwrite = false;  // replace files of the same names already in the folder
    BathSchedule bath;       // the bath's factor over the run's time, as --calculate takes it
};

inline constexpr double MinCutoff = 1.0;  // cube units

inline constexpr int MaxReplicate = 20;  // cubes per axis

// The longest run LAMMPS's run command takes (a 32-bit count of steps).
inline constexpr long long MaxLammpsSteps = 2147483647;

// What was written, for the command's closing line.
struct LammpsExportSummary {
    std::string stem;
    long long particles = 0;
    double cutoff = 0.0;
    int tableBits = 0;
    // The times of the bath's changes that lie past the run's steps: in.STEM makes them only
    // under a longer -var steps.
    std::vector<double> laterBathChanges;
};

// Writes data.STEM, STEM.table, in.STEM and README.txt into the folder (made when missing)
// for the project with the given settings (step, damping), as one set of the output writer:
// every target is checked before the work (an existing file only with `overwrite`), and the
// files appear together or not at all. Throws FileError naming the file at fault.
LammpsExportSummary exportLammps(const LammpsExportOptions& options, const Settings& settings);

}  // namespace zentova
