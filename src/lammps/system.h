#pragma once

#include <array>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "lammps/bath.h"
#include "model/project.h"

namespace zentova {

// One particle in LAMMPS's box (cube units, the model's velocities).
struct LammpsAtom {
    int type = 0;
    double position[3] = {0.0, 0.0, 0.0};
    double velocity[3] = {0.0, 0.0, 0.0};
};

// LAMMPS takes random seeds from 1 to this.
inline constexpr long LammpsSeedCount = 899999999;

// Everything the exported files say.
struct LammpsSystem {
    Project project;
    std::string name;
    std::string stem;
    std::string projectFile;
    std::array<int, 3> replicate{1, 1, 1};
    double edge = 100.0;  // of one cube
    int slots = 0;        // the model's neighbour slots per particle
    double step = 0.0;
    double damping = 0.0;
    long long steps = 0;
    long seed = 1;  // 1 to LammpsSeedCount, as LAMMPS's random seeds must be
    bool fixedSeed = false;
    bool fromFinalState = false;
    double startTime = 0.0;
    std::vector<LammpsAtom> atoms;
    std::array<double, 3> low{}, high{};  // the box
    double cutoff = 0.0;                  // covers the whole box, unless shortened
    bool shortened = false;               // a cutoff chosen on export, below the box's
    double chosenCutoff = 0.0;
    int tableBits = 0;
    std::map<std::pair<int, int>, std::string> sections;  // the table section of types i <= j
    std::vector<BathSegment> bath{{0, 1.0}};  // the bath's factor over the run, from step 0
};

// `text` for a comment or a title line: every control character (a line end among them,
// which would start a command of its own) becomes "?".
std::string plainText(const std::string& text);

// Sets the box (the cubes from 0, widened to hold a particle of a final state beyond them)
// and a cutoff that reaches across its diagonal, or the chosen one when that is shorter.
void placeBox(LammpsSystem& system);

// The data file: box, types and masses, the particles, their velocities.
std::string dataFile(const LammpsSystem& system);

}  // namespace zentova
