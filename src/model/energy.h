#pragma once

#include "model/particles.h"
#include "model/project.h"

namespace zentova {

// The squared speed of particle p, its x, y and z parts summed in this order.
inline double speedSquared(const ParticleState& particles, int p) {
    double v2 = 0.0;
    for (int c = 0; c < 3; ++c) v2 += particles.velocity(p, c) * particles.velocity(p, c);
    return v2;
}

// 0.5 m v^2 of particle p, m the mass of its type (0 for a slot without a valid type). The
// status line and the readings both sum these, so their means agree to the last digit.
inline double kineticEnergy(const Project& project, const ParticleState& particles, int p) {
    const int type = particles.type[p];
    const double mass = type >= 1 && type <= MaxTypes ? project.masses[type] : 0.0;
    return 0.5 * mass * speedSquared(particles, p);
}

}  // namespace zentova
