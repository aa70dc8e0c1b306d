#pragma once

#include <array>
#include <cstdint>

#include "model/force.h"
#include "model/particles.h"
#include "model/project.h"
#include "model/random.h"

namespace zentova {

inline constexpr double WallMargin = 3.0;     // walls stand at +-(cubeHalfSize - WallMargin)
inline constexpr double WallStiffness = 400;  // times the squared penetration depth
inline constexpr double KickSpan = 400;       // kicks are uniform in [-KickSpan/2, KickSpan/2)

using StateVector = std::array<double, StateSize>;

inline constexpr int MaxPairs = MaxParticles * MaxNeighbours;

using PairTable = std::array<std::array<PairCoefficients, MaxTypes + 1>, MaxTypes + 1>;

// The neighbour pairs in the order an evaluation visits them: particle by particle, slot by
// slot, leaving out slots that name no other particle. Fixed between rebuilds, with the
// force-law constants of each pair laid out for the vector loop.
struct NeighbourPairs {
    int count = 0;
    std::array<int, MaxParticles + 2> first{};  // particle i's pairs: first[i] .. first[i + 1] - 1
    std::array<std::int32_t, MaxPairs> self{};
    std::array<std::int32_t, MaxPairs> other{};
    alignas(64) std::array<double, MaxPairs> gravity{};
    alignas(64) std::array<double, MaxPairs> charge{};
    alignas(64) std::array<double, MaxPairs> core{};
    alignas(64) std::array<double, MaxPairs> repel{};
    PairTable constantsFrom{};  // the table the constants above were taken from
    bool valid = false;
};

// The same pairs for the four-lane evaluation: groups of four consecutive particles whose
// lists are equally long, pair (slot s, particle l) of a group at entry base + 4 s + l.
// Particles in no group are evaluated one at a time from NeighbourPairs.
struct LaneGroups {
    int count = 0;
    std::array<std::int16_t, MaxParticles + 1> startingAt{};  // group starting at i, or -1
    std::array<std::int16_t, MaxParticles / 4> firstParticle{};
    std::array<std::int16_t, MaxParticles / 4> length{};  // pairs per particle
    std::array<std::int32_t, MaxParticles / 4> base{};
    alignas(64) std::array<std::int32_t, MaxPairs> otherIndex{};  // 3 (other - 1)
    alignas(64) std::array<double, MaxPairs> gravity{};
    alignas(64) std::array<double, MaxPairs> charge{};
    alignas(64) std::array<double, MaxPairs> core{};
    alignas(64) std::array<double, MaxPairs> repel{};
    alignas(64) std::array<double, MaxPairs> push{};  // x force of a coinciding pair
};

// One evaluation's pair quantities, column by column.
struct PairScratch {
    alignas(64) std::array<double, MaxPairs> dx{};
    alignas(64) std::array<double, MaxPairs> dy{};
    alignas(64) std::array<double, MaxPairs> dz{};
    alignas(64) std::array<double, MaxPairs> fx{};
    alignas(64) std::array<double, MaxPairs> fy{};
    alignas(64) std::array<double, MaxPairs> fz{};
    alignas(64) std::array<double, MaxPairs> d{};
    alignas(64) std::array<double, 3 * MaxPairs> kicks{};
    // The force vectors of the lane groups' pairs, in the groups' order.
    alignas(64) std::array<double, MaxPairs> laneFx{};
    alignas(64) std::array<double, MaxPairs> laneFy{};
    alignas(64) std::array<double, MaxPairs> laneFz{};
    // One group's separations and distances between the two loops of the lane forces.
    alignas(64) std::array<double, 16 * MaxNeighbours> laneSeparation{};
};

// The integrator's own state: neighbour lists, the frozen far force, the Adams history and
// scratch vectors, so that no step allocates.
struct Dynamics {
    // neighbours[k][i]: number of the k-th nearest neighbour of particle i (k = 1 nearest).
    std::array<std::array<std::int32_t, MaxParticles + 1>, MaxNeighbours + 1> neighbours{};
    // farForce[c][i]: force on particle i from all particles that are not its neighbours.
    std::array<std::array<double, MaxParticles + 1>, 3> farForce{};
    // Derivatives of the last three step points; the roles rotate instead of the data.
    std::array<StateVector, 3> history{};
    int newest = 2;
    int previous = 1;
    int oldest = 0;
    // Type-pair constants of the force law, refreshed at every evaluation.
    PairTable pairTable{};
    NeighbourPairs pairs;
    LaneGroups laneGroups;
    PairScratch pairScratch;
    // Evaluates and searches one particle at a time even where vector lanes would serve:
    // the reference the four-lane code is checked against.
    bool portableOnly = false;
    StateVector scratchState{};
    StateVector scratchDerivative{};
    StateVector scratchDerivative2{};
};

// What an evaluation reads besides the state: the project, the particle types, the cube,
// the damping, and the random source it draws its kicks from.
struct Physics {
    const Project& project;
    const std::uint8_t* particleType;  // 1-based, as ParticleState::type
    double cubeHalfSize;
    double damping;
    RandomSource& random;
};

// Rebuilds the neighbour lists of particles 1..n from the positions at the start of
// `state`, and the far force from every particle that is not a listed neighbour.
void RebuildNeighbours(Dynamics& dyn, const Physics& physics, const double* state, int n);

// Time derivative of `state` (positions, velocities) into `derivative`: velocities, and
// accelerations from the neighbours' pair forces, the kicks, the walls, the far force and
// damping. Draws 3 random numbers per particle and neighbour slot.
void EvaluateDerivative(Dynamics& dyn, const Physics& physics, const double* state,
                        double* derivative);

// One explicit midpoint step of size h on `state`, in place; stores k1, the derivative at
// the start of the step, into `k1`.
void MidpointStep(Dynamics& dyn, const Physics& physics, double* state, double h, double* k1);

// One third-order Adams-Bashforth-Moulton predictor-corrector step of size h, in place,
// reading and shifting the derivative history.
void AdamsStep(Dynamics& dyn, const Physics& physics, double* state, double h);

enum class HistorySlot { Oldest, Previous, Newest };

// Stores a start-up derivative into one slot of the Adams history.
void StoreHistory(Dynamics& dyn, HistorySlot slot, const double* derivative);

}  // namespace zentova
