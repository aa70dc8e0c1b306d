#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "analysis/structure.h"
#include "model/project.h"

namespace zentova {

// How the particles wander and where they gather: the mean square displacement and the
// density profile of the frames analysed.

// Mean square displacement of each type against the time lag, over the chosen frames that
// hold the same particles as the first of them, averaged over every pair of frames that
// lag apart; lags up to half the span. Frames with positions left out are not used.
struct Displacement {
    std::vector<int> types;
    std::vector<double> lags;                  // mean time between the frames of a lag
    std::vector<std::vector<double>> perType;  // [type index][lag], cube units squared
    std::size_t framesUsed = 0;
};

Displacement meanSquareDisplacement(const std::vector<Snapshot>& frames,
                                    const std::vector<std::size_t>& chosen);

// Number density of each type against the distance from the centre of mass (masses from
// the project; the plain centre when they do not add up to a positive mass), averaged over
// the chosen frames: particles per 1000 cubic cube units in shells of `binWidth`, out to
// the cube's diagonal at most (what lies beyond is not counted), and the share of each
// type's particles in each shell, which compares types of any number.
struct DensityProfile {
    double binWidth = 1.0;
    std::vector<int> types;
    std::vector<std::vector<double>> density;  // [type index][shell]
    std::vector<std::vector<double>> share;    // [type index][shell], per cent of the type
};

DensityProfile densityProfile(const std::vector<Snapshot>& frames,
                              const std::vector<std::size_t>& chosen, const Project& project,
                              double cubeHalfSize, double binWidth = 1.0);

// The results as CSV text with a header line, "." decimals, LF line ends.
std::string displacementCsv(const Displacement& msd);
std::string densityCsv(const DensityProfile& profile);

}  // namespace zentova
