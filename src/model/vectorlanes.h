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

// Four particles whose neighbour lists are equally long, and the neighbour pairs of all of
// them: pair (slot s, lane l) is entry 4 s + l of the columns.
struct LaneGroupInput {
    const double* positions;        // the state vector: particle p at 3 (p - 1)
    int firstParticle;              // the four particles are firstParticle .. firstParticle + 3
    int length;                     // pairs per particle, at least 1
    const std::int32_t* otherIndex;  // 3 (other - 1) for each pair
    const double* gravity;
    const double* charge;
    const double* core;
    const double* repel;
    const double* push;              // x force of a coinciding pair (no direction of its own)
    const double* wall;              // [3][4]: the wall term of each axis and particle
    std::uint32_t seed;              // the random sequence before the group's first kick
    const std::uint32_t* chainMultiplier;  // [12]: jump to each kick chain's first draw
    const std::uint32_t* chainIncrement;   // [12]
    std::uint32_t strideMultiplier;  // three draws at once, from a slot to the next
    std::uint32_t strideIncrement;
    std::uint32_t groupMultiplier;   // all 12 length draws of the group at once
    std::uint32_t groupIncrement;
    double kickFactor;               // KickSpan / 2^32
};

struct LaneGroupSums {
    alignas(32) double acc[3][4];  // per axis and particle: pair forces, kicks and walls
    std::uint32_t seed;            // the sequence after the group's last kick
};

// The sums of four particles over their neighbour slots: pair force, kick, wall, in slot
// order, with the kicks drawn particle by particle, slot by slot, x before y before z.
// Two builds: sumLaneGroupAvx512 uses AVX-512's wider register file (check
// haveWideRegisterFile() first), sumLaneGroupAvx2 needs AVX2 only.
void sumLaneGroupAvx2(const LaneGroupInput& in, LaneGroupSums& out);
void sumLaneGroupAvx512(const LaneGroupInput& in, LaneGroupSums& out);
bool haveWideRegisterFile();

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
