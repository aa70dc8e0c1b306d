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
    // The distinct pair whose force is this pair's, and whether it is given reversed: the
    // pair of its other particle, which lists this one as well.
    std::array<std::int32_t, MaxPairs> distinct{};
    std::array<bool, MaxPairs> reversed{};
};

// The pairs whose forces an evaluation computes on vector lanes: a pair that both of its
// particles list is computed once, for its lower-numbered particle, where the force-law
// constants of its two types are the same both ways to the bit (then so is its force, and
// the other particle's force is the same vector reversed, exactly); every other listed pair
// is one of its own. Each particle's pairs fill whole blocks of four, so that a block has one
// first particle; fillers pair it with itself. The columns run on to a whole number of
// vector widths.
inline constexpr int DistinctPadding = 8;
inline constexpr int DistinctCapacity = MaxPairs + 3 * MaxParticles + DistinctPadding;
struct DistinctPairs {
    int count = 0;   // with the fillers
    int needed = 0;  // without
    // The pairs of particles below i (and their fillers) end at upTo[i].
    std::array<int, MaxParticles + 2> upTo{};
    alignas(64) std::array<std::int32_t, DistinctCapacity> self{};   // 3 (i - 1)
    alignas(64) std::array<std::int32_t, DistinctCapacity> other{};  // 3 (j - 1)
    alignas(64) std::array<double, DistinctCapacity> gravity{};
    alignas(64) std::array<double, DistinctCapacity> charge{};
    alignas(64) std::array<double, DistinctCapacity> core{};
    alignas(64) std::array<double, DistinctCapacity> repel{};
    alignas(64) std::array<double, DistinctCapacity> push{};  // x force of a coinciding pair
    // One evaluation's force vectors on `self`, F (pj - pi) / d: pair p's x, y, z at 4 p.
    alignas(64) std::array<double, 4 * (DistinctCapacity)> force{};
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
    alignas(64) std::array<std::int32_t, MaxPairs> distinct{};  // 4 (its distinct pair)
    alignas(64) std::array<double, MaxPairs> sign{};  // -0 where it is given reversed, else +0
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
};

// Everything an evaluation and a step work in, so that none of them allocates.
struct EvaluationWork {
    // Type-pair constants of the force law, taken at every rebuild.
    PairTable pairTable{};
    // symmetric[a][b]: the constants of types a and b are the same bits both ways, so that a
    // pair of them may be computed once for both particles. Checked with the table.
    std::array<std::array<bool, MaxTypes + 1>, MaxTypes + 1> symmetric{};
    NeighbourPairs pairs;
    DistinctPairs distinct;
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

// The force-law constants of every listed pair, from work.pairTable, and the distinct pairs
// whose forces the lanes compute.
void takePairConstants(EvaluationWork& work, const std::uint8_t* particleType);

}  // namespace zentova
