#pragma once

#include <array>

#include "model/project.h"

namespace zentova {

// The force between two types against their distance, as the forces editor plots it and
// the force table prints it: at separations 0.1, 0.2 ... 40 (cube units), clamped to +-400.
inline constexpr int ForceSampleCount = 400;
inline constexpr double ForceSampleStep = 0.1;
inline constexpr double PlottedForceLimit = 400.0;
using ForceSamples = std::array<double, ForceSampleCount>;

// Sample l - 1 is the force on a particle of type `first` at the origin from one of type
// `second` at (0, 0, 0.1 * l), with the given coefficients, clamped to +-400. The law is
// worked term by term, as a reader would by hand.
ForceSamples forceSamples(const Project& project, double cubeHalfSize, int first, int second,
                          double ag, double ae, double ar);

}  // namespace zentova
