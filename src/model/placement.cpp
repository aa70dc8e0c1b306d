#include "model/placement.h"

#include <algorithm>

#include "model/integrator.h"

namespace zentova {

int PlaceParticles(Project& project, ProjectSource& source, ParticleState& particles,
                   RandomSource& random, double cubeHalfSize) {
    SeedRandom(random);
    source.loaded = true;
    project.neighbourCount = MaxNeighbours;

    int n = 0;
    const int types = std::min(project.typeCount, MaxTypes);
    for (int t = 1; t <= types; ++t) {
        for (int k = 0; k < project.counts[t] && n < MaxParticles; ++k)
            particles.type[++n] = static_cast<std::uint8_t>(t);
    }
    if (n - 1 < project.neighbourCount) project.neighbourCount = n - 1;

    const double span = (cubeHalfSize - WallMargin) * 2.0;
    for (int p = 1; p <= n; ++p)
        for (int c = 0; c < 3; ++c) particles.position(p, c) = (RandomUniform(random) - 0.5) * span;
    for (int p = 1; p <= n; ++p)
        for (int c = 0; c < 3; ++c) particles.velocity(p, c) = 0.0;
    return n;
}

}  // namespace zentova
