#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>

#include "model/limits.h"

namespace zentova {

// A colour as three 8-bit components.
struct Rgb {
    std::uint8_t r = 0;
    std::uint8_t g = 0;
    std::uint8_t b = 0;
    friend bool operator==(const Rgb&, const Rgb&) = default;
};

// The one experiment the program works on: its types, counts and the three global
// force coefficients. Per-type arrays are indexed by type number 1..MaxTypes; index 0 is unused.
struct Project {
    std::string name = "?";  // UTF-8 inside the program
    std::int32_t typeCount = 0;
    std::int32_t particleCount = 0;   // always the sum of counts[1..typeCount]
    std::int32_t neighbourCount = 0;  // min(MaxNeighbours, particleCount - 1), set by placement
    double ag = 0.0;                  // weak attraction (gravity), times the product of masses
    double ae = 0.0;                  // strong attraction, times the product of charges
    double ar = 0.0;                  // short-range repulsion
    std::array<std::int32_t, MaxTypes + 1> charges{};
    std::array<std::int32_t, MaxTypes + 1> counts{};
    std::array<double, MaxTypes + 1> diameters{};
    std::array<double, MaxTypes + 1> masses{};
    std::array<Rgb, MaxTypes + 1> colors{};

    friend bool operator==(const Project&, const Project&) = default;
};

// Sum of counts over the types in use (at most MaxTypes of them).
std::int32_t sumOfCounts(const Project& project);

// Why the project cannot be integrated (too many types or particles, a negative count,
// a mass of zero, a value that is not finite, a diameter beyond MaxDiameter), or nothing
// when it can.
std::optional<std::string> projectProblem(const Project& project);

// The largest size of a diameter, either sign. A sphere of 425 already fills the cube; far
// beyond, the repelling core exceeds what the force law can be evaluated with.
inline constexpr double MaxDiameter = 1.0e6;

// Why `diameter` cannot be type `type`'s, or nothing when it can.
std::optional<std::string> diameterProblem(double diameter, int type);

// Where the current project came from.
struct ProjectSource {
    std::string path;      // as given by the file dialog or the command line
    std::string baseName;  // stem of the ".his" and ".sta" files
    bool loaded = false;   // set by placement
};

// The stem of the trajectory and final-state files: the path up to the first "." of its
// file-name part, so the files land beside the project file. A name without a dot (or with
// only a leading one) keeps its whole name as the stem.
std::string baseNameOf(const std::string& path);

// Sets the path and the stem derived from it.
void setProjectPath(ProjectSource& source, const std::string& path);

}  // namespace zentova
