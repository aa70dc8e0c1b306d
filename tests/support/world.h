#pragma once

#include <memory>

#include "model/integrator.h"
#include "model/placement.h"
#include "model/settings.h"

namespace zentova::testing {

// A complete model state of its own for one test: project, particles, settings, generator
// and integrator state, with the physics bound to them.
struct World {
    Project project;
    ProjectSource source;
    ParticleState particles;
    Settings settings;
    RandomSource random;
    Dynamics dynamics;

    // n particles of one type (mass 1, diameter 6) and no forces between them.
    explicit World(int n = 0, double mass = 1.0) {
        project.typeCount = 1;
        project.counts[1] = n;
        project.masses[1] = mass;
        project.diameters[1] = 6.0;
        project.particleCount = n;
        random.fixedSeed = 1234;
        PlaceParticles(project, source, particles, random, settings.cubeHalfSize);
    }

    Physics physics() {
        return Physics{project, particles.type.data(), settings.cubeHalfSize,
                       settings.dampingCoefficient, random};
    }
    void rebuild() {
        RebuildNeighbours(dynamics, physics(), particles.state.data(), project.particleCount);
    }
    StateVector derivative() {
        StateVector d{};
        EvaluateDerivative(dynamics, physics(), particles.state.data(), d.data());
        return d;
    }
    void put(int p, double x, double y, double z) {
        particles.position(p, 0) = x;
        particles.position(p, 1) = y;
        particles.position(p, 2) = z;
    }
};

inline std::unique_ptr<World> makeWorld(int n = 0, double mass = 1.0) {
    return std::make_unique<World>(n, mass);
}

}  // namespace zentova::testing
