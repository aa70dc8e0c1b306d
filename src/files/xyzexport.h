#pragma once

#include <istream>
#include <string>
#include <string_view>

#include "files/trajectory.h"
#include "model/project.h"

namespace zentova {

// Extended XYZ, the text format that molecular-dynamics viewers and libraries read: per
// trajectory frame a count line, a comment line of key=value pairs (the cube as the
// lattice, walls rather than periodic boundaries, the columns, the time, the shift), then
// per particle the species, x, y, z and the radius.
//
// The cube runs from 0 to its edge here, not from -half to +half as in the trajectory:
// readers place a lattice at the origin (ASE keeps an "Origin" key aside and puts the cell
// at 0), so the coordinates are the trajectory's plus the half edge, which the comment line
// states as ShiftFromHis="50 50 50".

// Species are written as chemical symbols, because readers accept nothing else: the
// element whose atomic number is the type number (1 "H", 2 "He", ... 20 "Ca"). Empty
// outside 1..MaxTypes.
std::string_view elementSymbol(int type);

// The radius written for a type: the size the 3-D view draws its spheres at (0.02 scene
// units per unit of display diameter, 0.085 scene units per cube unit), in cube units.
inline constexpr double XyzRadiusPerDiameter = 0.02 / 0.085;

// Appends the block of one frame; LF line ends, coordinates with 3 decimals as in the
// trajectory. Types are taken as they are (the caller checks them against the project).
void appendXyzFrame(std::string& out, const Frame& frame, const Project& project,
                    double cubeHalfSize);

// Converts every whole frame of a trajectory, writing each block through `write`. A particle
// whose type the project does not have refuses the trajectory as another project's.
// Returns the number of frames; `partialFrameLine`, when given, receives the line where a
// last frame cut short began (0 for none), which is left out. Throws FileError (the
// reader's, or the refusal).
template <typename Write>
long long convertTrajectoryToXyz(std::istream& his, const std::string& hisName,
                                 const Project& project, double cubeHalfSize, Write&& write,
                                 int* partialFrameLine = nullptr);

// Where --export-xyz writes without an explicit name: the project's stem + ".xyz".
std::string defaultXyzPath(const std::string& projectPath);

// The --export-xyz command's work: reads the project and its ".his" and writes `outPath`
// through the output writer under commandPolicy (an existing file only with `overwrite`,
// never one of the project's own), checked before anything is read. Returns the number of
// frames; `partialFrameLine` as for convertTrajectoryToXyz. Throws FileError.
long long exportXyzFile(const std::string& projectPath, const std::string& outPath,
                        double cubeHalfSize, bool overwrite = false,
                        int* partialFrameLine = nullptr);

// Checks one frame against the project: no more particles than it has, no type it lacks.
// Every command that reads a trajectory applies it. Throws FileError naming `hisName`.
void checkFrameTypes(const Frame& frame, long long frameNumber, const Project& project,
                     const std::string& hisName);

template <typename Write>
long long convertTrajectoryToXyz(std::istream& his, const std::string& hisName,
                                 const Project& project, double cubeHalfSize, Write&& write,
                                 int* partialFrameLine) {
    TrajectoryReader reader(his, hisName);
    Frame frame;
    std::string block;
    long long frames = 0;
    while (reader.readFrame(frame)) {
        checkFrameTypes(frame, ++frames, project, hisName);
        block.clear();
        appendXyzFrame(block, frame, project, cubeHalfSize);
        write(block);
    }
    if (partialFrameLine) *partialFrameLine = reader.partialFrameLine();
    return frames;
}

}  // namespace zentova
