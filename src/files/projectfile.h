#pragma once

#include <array>
#include <istream>
#include <string>

#include "model/project.h"

namespace zentova {

// The lines of a project file that hold each type's mass and diameter (index: type).
struct ProjectFileLines {
    std::array<int, MaxTypes + 1> mass{};
    std::array<int, MaxTypes + 1> diameter{};
};

// Reads a project file: name, ae, ag, ar, type count, then per type count, mass, charge,
// diameter and R, G, B. Refuses more than MaxTypes types, more than MaxParticles
// particles, negative counts or a value that is not a finite number, naming the line; any
// finite mass and diameter are taken (a calculation may still refuse them). particleCount is
// recomputed; neighbourCount is left 0 (placement sets it). With `lines`, notes where each
// type's mass and diameter stand. Throws FileError; the caller's project is untouched on
// failure.
Project readProject(std::istream& in, const std::string& fileName,
                    ProjectFileLines* lines = nullptr);

// Writes the project in the file layout (Windows-1252 name, 23-character reals, CR LF).
std::string formatProject(const Project& project);

// Opens and reads a project file. Throws FileError.
Project loadProjectFile(const std::string& fileName, ProjectFileLines* lines = nullptr);

// Writes the project atomically (temporary file, then rename). Throws FileError.
void saveProjectFile(const std::string& fileName, const Project& project);

// "Zentova - Project : NAME   File FILENAME"
std::string projectWindowTitle(const Project& project, const std::string& fileName);

}  // namespace zentova
