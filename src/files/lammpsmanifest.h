#pragma once

#include <array>
#include <istream>
#include <string>
#include <vector>

#include "model/project.h"

namespace zentova {

// What a folder written by --export-lammps was made from, so that a LAMMPS run of it can be
// read back and checked: the box, how many particles of which types, and the types' looks.
struct LammpsManifest {
    struct Type {
        long long count = 0;  // in the whole box
        double mass = 0.0;
        double diameter = 0.0;
        Rgb colour;
    };
    std::string projectFile;  // as given on export, control characters made "?"
    std::string projectName;
    std::string stem;
    long long particlesPerCube = 0;
    std::array<int, 3> replicate{1, 1, 1};
    long long particles = 0;
    std::array<double, 3> low{}, high{};  // the box
    double cubeEdge = 100.0;
    double step = 0.0;            // the integration step
    long long frameInterval = 0;  // steps between the dump's frames
    double startTime = 0.0;       // the model's time at LAMMPS's step 0
    std::vector<Type> types;      // types[t - 1] is type t
};

// The most cubes an export tiles along an axis: a manifest beyond it is not one.
inline constexpr int MaxManifestReplicate = 20;

// The manifest's file name in the folder.
std::string lammpsManifestName(const std::string& stem);

// The manifest as text: one "key values" line each, numbers with ".", read back exactly.
std::string formatLammpsManifest(const LammpsManifest& manifest);

// Reads a manifest. Throws FileError naming `fileName` and the line when a line is not one
// of a manifest, a value is missing, not a number or out of range, or a key is missing; and
// when its particles are not the types' sum, or not those of one cube times the cubes.
LammpsManifest parseLammpsManifest(std::istream& in, const std::string& fileName);

// Reads the manifest at `path`. Throws FileError.
LammpsManifest loadLammpsManifest(const std::string& path);

// The export's project as the view, the readings and the analysis know it: the manifest's
// types, their particles, masses, diameters and colours.
Project projectOfRun(const LammpsManifest& manifest);

}  // namespace zentova
