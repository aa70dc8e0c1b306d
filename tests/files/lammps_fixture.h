#pragma once

#include "files/lammpsmanifest.h"

namespace zentova::testing {

// The manifest of the LAMMPS readers' tests: four particles in a box of 100, three of
// type 1, one of type 2, none of type 3; frames 300 steps of 0.001 apart from t = 1.
inline LammpsManifest fourParticleManifest() {
    LammpsManifest m;
    m.particlesPerCube = 4;
    m.particles = 4;
    m.low = {0, 0, 0};
    m.high = {100, 100, 100};
    m.step = 0.001;
    m.frameInterval = 300;
    m.startTime = 1.0;
    m.types = {{3, 1, 6, {}}, {1, 2, 8, {}}, {0, 1, 4, {}}};
    return m;
}

}  // namespace zentova::testing
