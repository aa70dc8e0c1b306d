#pragma once

// The integrator's working storage: the pair lists laid out for the vector loops and the
// scratch columns of one evaluation. Private to the model's own files; what lives between
// steps is in model/integrator.h.

#include <algorithm>
#include <array>
#include <cstdint>

#include "model/force.h"
#include "model/integrator.h"
#include "model/limits.h"
#include "model/vectorlanes.h"

namespace zentova {

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
    // The separations and distances of the lane groups that go side by side, between the
    // two loops of their evaluation.
    alignas(64) std::array<double, MaxSideBySide * 16 * MaxNeighbours> laneSeparation{};
};

// Everything an evaluation and a step work in, so that none of them allocates.
struct EvaluationWork {
    // Type-pair constants of the force law, taken at every rebuild.
    PairTable pairTable{};
    NeighbourPairs pairs;
    LaneGroups laneGroups;
    PairScratch pairScratch;
    StateVector scratchState{};       // the state a step evaluates half-way
    StateVector scratchDerivative{};  // the derivative at that state
};

inline int clampCount(int value, int limit) {
    return std::clamp(value, 0, limit);
}

// The force-law constants of every pair of the project's types, into work.pairTable.
void fillPairTable(EvaluationWork& work, const Physics& physics);

// The pairs an evaluation visits from the neighbour lists of particles 1..n, and their
// lane groups; their constants are taken by takePairConstants.
void listPairs(const Dynamics& dyn, EvaluationWork& work, int n, int slots);

// The force-law constants of every listed pair, from work.pairTable.
void takePairConstants(EvaluationWork& work, const std::uint8_t* particleType);

}  // namespace zentova
