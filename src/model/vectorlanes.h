#pragma once

#include <cstdint>

#include "model/force.h"
#include "model/limits.h"

namespace zentova {

// The evaluation and the neighbour search, four particles side by side on the 256-bit
// vector lanes of processors that have them. Each lane performs exactly the operations of
// the one-particle code in the same order, with no fused multiply-add, so the results are
// the same bits; only particles are interleaved, never the terms of one particle's sum.

// True when the processor runs the four-lane code.
bool haveVectorLanes();

// The pairs of the lane groups: group g is particles firstParticle[g] .. + 3, each with
// length[g] pairs; pair (slot s, particle l) is entry base[g] + 4 s + l of the columns.
struct LaneColumns {
    const double* positions;  // the state vector: particle p at 3 (p - 1)
    const std::int16_t* firstParticle;
    const std::int16_t* length;
    const std::int32_t* base;
    const std::int32_t* otherIndex;  // 3 (other - 1)
    const double* gravity;
    const double* charge;
    const double* core;
    const double* repel;
    const double* push;  // x force of a coinciding pair (no direction of its own)
    double* separation;  // room for MaxSideBySide x MaxNeighbours x 16 values, 32-byte aligned
};

// One group's part of an evaluation: its pair forces, kicks and walls summed in slot order,
// the kicks drawn particle by particle, slot by slot, x before y before z; then the rates
// of its four particles.
struct LaneGroupInput {
    int group;
    std::uint32_t seed;                    // the random sequence before the group's first kick
    const std::uint32_t* chainMultiplier;  // [12]: jump to each kick chain's first draw
    const std::uint32_t* chainIncrement;   // [12]
    const double* far[3];                  // the far force of the group's first particle, per axis
    const double* mass;                    // [4]
    const double* velocities;              // the state's velocities of the four, x y z each
    double* velocityRate;                  // where their accelerations go, x y z each
    double* positionRate;                  // where their velocities go, x y z each
};
struct LaneSumShared {
    std::uint32_t strideMultiplier;  // three draws at once, from a slot to the next
    std::uint32_t strideIncrement;
    double kickFactor;  // KickSpan / 2^32
    double damping;
    double wall;  // the walls stand at +-wall on every axis
};
// Up to MaxSideBySide groups with lists equally long at once.
inline constexpr int MaxSideBySide = 4;
void laneGroups(const LaneColumns& columns, const LaneSumShared& shared,
                const LaneGroupInput* groups, int count);

// Squared distances from four particles (self[axis][lane]) to particles 1..n, given as
// columns xs, ys, zs indexed by number; dist2 receives 4 values per particle, at 4 w.
void laneDistances(const double* xs, const double* ys, const double* zs, int n,
                   const double (&self)[3][4], double* dist2);

// The force on four particles from all particles w = 1..n whose keep mask is set (all bits
// of keep[4 w + lane]), in increasing w. coefficients[q][type][lane] holds the constants of
// the pair (lane's type, type): q = 0 gravity, 1 charge, 2 core, 3 repel.
void laneFarForces(const double* xs, const double* ys, const double* zs, int n,
                   const std::uint8_t* type, const double (&self)[3][4], int firstParticle,
                   const double* dist2, const std::int64_t* keep,
                   const double (*coefficients)[MaxTypes + 1][4], double (&far)[3][4]);

}  // namespace zentova
