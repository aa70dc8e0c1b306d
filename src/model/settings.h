#pragma once

#include "model/project.h"

namespace zentova {

// The damping at start-up and after "Back to defaults".
inline constexpr double DefaultDamping = 20.0;

// The user settings that outlive the process, and the cube size of the run.
struct Settings {
    Rgb backgroundColor{0, 0, 255};
    bool fogEnabled = true;
    bool showCubeLimits = true;
    double integrationStep = 0.00005;
    double dampingCoefficient = DefaultDamping;
    double cubeHalfSize = 50.0;  // half edge of the cube in cube units
};

// The colour "Back to defaults" restores (the start-up colour is a brighter blue).
inline constexpr Rgb DefaultBackgroundColor{0, 0, 200};

// Derives an integration step from the project: smaller for more particles and stronger
// attraction. 100 particles with ae + ag = 1 give 0.00001; no particles give 0.0001.
void DefaultStepRule(Settings& settings, const Project& project);

}  // namespace zentova
