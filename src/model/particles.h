#pragma once

#include <array>
#include <cstdint>

#include "model/limits.h"

namespace zentova {

// The per-particle state: positions and velocities in one contiguous vector that the
// integrators advance at once, the type of every particle and the simulated time.
// Particle numbers run 1..MaxParticles.
struct ParticleState {
    std::array<double, StateSize> state{};
    std::array<std::uint8_t, MaxParticles + 1> type{};  // 0 for unused slots
    double time = 0.0;

    double& position(int p, int c) { return state[3 * (p - 1) + c]; }
    double position(int p, int c) const { return state[3 * (p - 1) + c]; }
    double& velocity(int p, int c) { return state[VelocityOffset + 3 * (p - 1) + c]; }
    double velocity(int p, int c) const { return state[VelocityOffset + 3 * (p - 1) + c]; }
    const double* positionOf(int p) const { return &state[3 * (p - 1)]; }
};

// Index of coordinate c (0 x, 1 y, 2 z) of particle p in a state vector.
constexpr int positionIndex(int p, int c) {
    return 3 * (p - 1) + c;
}
constexpr int velocityIndex(int p, int c) {
    return VelocityOffset + 3 * (p - 1) + c;
}

}  // namespace zentova
