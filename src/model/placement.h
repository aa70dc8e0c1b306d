#pragma once

#include "model/particles.h"
#include "model/project.h"
#include "model/random.h"

namespace zentova {

// Numbers the particles type by type, scatters them uniformly inside the walls of the cube
// (|coordinate| < cubeHalfSize - WallMargin) with zero velocity, sizes the neighbour lists
// and marks the project as loaded. Seeds the generator first, so every placement starts a
// new sequence (or the fixed one). Returns the number of particles placed.
int PlaceParticles(Project& project, ProjectSource& source, ParticleState& particles,
                   RandomSource& random, double cubeHalfSize);

}  // namespace zentova
