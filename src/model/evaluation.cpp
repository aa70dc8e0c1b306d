#include <algorithm>
#include <bit>
#include <cstdint>

#include "model/evaluationwork.h"
#include "model/pairbatch.h"
#include "model/vectorlanes.h"

namespace zentova {

namespace {

// The soft wall on one axis: a restoring term growing with the square of the penetration,
// pointing inward. "Not w >= p" also treats a coordinate that is not a number as beyond.
inline double wallAcceleration(double p, double w) {
    if (!(w >= p)) return -((p - w) * (p - w) * WallStiffness);
    if (p < -w) return (p + w) * (p + w) * WallStiffness;
    return 0.0;
}

// The pair forces of particle-major pairs [begin, end) into the scratch columns.
void pairForces(EvaluationWork& work, const double* state, int begin, int end) {
    const NeighbourPairs& pairs = work.pairs;
    PairScratch& scratch = work.pairScratch;
    for (int k = begin; k < end; ++k) {
        const double* pi = state + positionIndex(pairs.self[k], 0);
        const double* pa = state + positionIndex(pairs.other[k], 0);
        scratch.dx[k] = pa[0] - pi[0];
        scratch.dy[k] = pa[1] - pi[1];
        scratch.dz[k] = pa[2] - pi[2];
    }
    const long long coinciding = computePairForces(
        end - begin, scratch.dx.data() + begin, scratch.dy.data() + begin,
        scratch.dz.data() + begin, pairs.gravity.data() + begin, pairs.charge.data() + begin,
        pairs.core.data() + begin, pairs.repel.data() + begin, scratch.fx.data() + begin,
        scratch.fy.data() + begin, scratch.fz.data() + begin, scratch.d.data() + begin);
    if (coinciding == 0) return;
    for (int k = begin; k < end; ++k) {
        if (scratch.d[k] != 0.0) continue;
        scratch.fx[k] = coincidentPushX(pairs.self[k], pairs.other[k]);
        scratch.fy[k] = 0.0;
        scratch.fz[k] = 0.0;
    }
}

// The soft walls of the three axes at particle i's position.
void wallTerms(const double* state, int i, double wall, double (&term)[3]) {
    for (int c = 0; c < 3; ++c) term[c] = wallAcceleration(state[positionIndex(i, c)], wall);
}

// Particle i's sum over its slots from the scratch columns, with its kicks kick[0..3 count).
// Wall terms that are all +0 are not added: the sum starts at +0 and so is never -0, and
// for any other x, x + (+0) is x to the bit (see the lanes' sums).
void sumSlots(const EvaluationWork& work, int i, const double* kick, const double (&wallTerm)[3],
              double (&acc)[3]) {
    const NeighbourPairs& pairs = work.pairs;
    const PairScratch& scratch = work.pairScratch;
    const bool walls =
        (std::bit_cast<std::uint64_t>(wallTerm[0]) | std::bit_cast<std::uint64_t>(wallTerm[1]) |
         std::bit_cast<std::uint64_t>(wallTerm[2])) != 0;
    acc[0] = acc[1] = acc[2] = 0.0;
    for (int k = pairs.first[i]; k < pairs.first[i + 1]; ++k, kick += 3) {
        acc[0] += scratch.fx[k];
        acc[1] += scratch.fy[k];
        acc[2] += scratch.fz[k];
        // Kicks and walls act once per visited slot: that is the model's strength.
        for (int c = 0; c < 3; ++c) acc[c] += kick[c];
        if (walls)
            for (int c = 0; c < 3; ++c) acc[c] += wallTerm[c];
    }
}

// Particle i's derivative from its slot sums, the far force, its mass and the damping.
void finishParticle(const Dynamics& dyn, const Physics& physics, const double* state, int i,
                    const double (&acc)[3], double* derivative) {
    const double mass = physics.project.masses[physics.particleType[i]];
    for (int c = 0; c < 3; ++c) {
        const double v = state[velocityIndex(i, c)];
        derivative[velocityIndex(i, c)] =
            (acc[c] + dyn.farForce[c][i]) / mass - physics.damping * v;
        derivative[positionIndex(i, c)] = v;
    }
}

// Where each of a group's twelve kick chains starts, for every list length: particle l's
// draw for axis c in slot s is draw 3 (l slots + s) + c + 1 after the group's start.
struct KickChains {
    std::array<std::array<std::uint32_t, 12>, MaxNeighbours + 1> multiplier{};
    std::array<std::array<std::uint32_t, 12>, MaxNeighbours + 1> increment{};
    std::array<SequenceJump, MaxNeighbours + 1> group{};  // past all 12 length draws
};

constexpr KickChains kickChains() {
    KickChains chains;
    for (int slots = 1; slots <= MaxNeighbours; ++slots) {
        chains.group[slots] = sequenceJump(12 * slots);
        for (int c = 0; c < 3; ++c)
            for (int l = 0; l < 4; ++l) {
                const SequenceJump jump = sequenceJump(3 * slots * l + c + 1);
                chains.multiplier[slots][4 * c + l] = jump.multiplier;
                chains.increment[slots][4 * c + l] = jump.increment;
            }
    }
    return chains;
}

constexpr KickChains Chains = kickChains();
constexpr SequenceJump SlotStride = sequenceJump(3);

// All pairs in one batch, every kick in the order it is drawn, then each particle's sums.
void evaluatePortable(Dynamics& dyn, const Physics& physics, const double* state, int n,
                      double wall, double* derivative) {
    EvaluationWork& work = *dyn.work;
    const int count = n > 0 ? work.pairs.first[n + 1] : 0;
    pairForces(work, state, 0, count);
    double* kicks = work.pairScratch.kicks.data();
    fillCentered(physics.random, kicks, 3 * count, physics.kickSpan);
    for (int i = 1; i <= n; ++i) {
        double wallTerm[3];
        wallTerms(state, i, wall, wallTerm);
        double acc[3];
        sumSlots(work, i, kicks + 3 * work.pairs.first[i], wallTerm, acc);
        finishParticle(dyn, physics, state, i, acc, derivative);
    }
}

// Particle i alone: its pairs, its kicks drawn, its wall and its sums.
void evaluateOne(Dynamics& dyn, const Physics& physics, const double* state, int i, double wall,
                 double* derivative) {
    EvaluationWork& work = *dyn.work;
    const int begin = work.pairs.first[i];
    const int end = work.pairs.first[i + 1];
    pairForces(work, state, begin, end);
    double* kicks = work.pairScratch.kicks.data() + 3 * begin;
    fillCentered(physics.random, kicks, 3 * (end - begin), physics.kickSpan);
    double term[3];
    wallTerms(state, i, wall, term);
    double acc[3];
    sumSlots(work, i, kicks, term, acc);
    finishParticle(dyn, physics, state, i, acc, derivative);
}

// Groups of four particles on vector lanes, the others one at a time, in particle order, so
// that the kicks are drawn in the same order as above.
void evaluateInLanes(Dynamics& dyn, const Physics& physics, const double* state, int n, double wall,
                     double* derivative) {
    EvaluationWork& work = *dyn.work;
    const LaneGroups& groups = work.laneGroups;
    PairScratch& scratch = work.pairScratch;
    RandomSource& random = physics.random;
    const LaneColumns columns{state,
                              groups.firstParticle.data(),
                              groups.length.data(),
                              groups.base.data(),
                              groups.otherIndex.data(),
                              groups.gravity.data(),
                              groups.charge.data(),
                              groups.core.data(),
                              groups.repel.data(),
                              groups.push.data(),
                              scratch.laneSeparation.data()};
    const LaneSumShared shared{SlotStride.multiplier, SlotStride.increment,
                               physics.kickSpan * UniformScale, physics.damping, wall};
    LaneGroupInput sums[MaxSideBySide];
    double mass[MaxSideBySide][4];
    // Fills sums[slot] for group g and returns where its kicks end.
    const auto prepare = [&](int slot, int g, std::uint32_t seed) {
        const int first = groups.firstParticle[g];
        const int length = groups.length[g];
        for (int l = 0; l < 4; ++l)
            mass[slot][l] = physics.project.masses[physics.particleType[first + l]];
        LaneGroupInput& in = sums[slot];
        in.group = g;
        in.seed = seed;
        in.chainMultiplier = Chains.multiplier[length].data();
        in.chainIncrement = Chains.increment[length].data();
        for (int c = 0; c < 3; ++c) in.far[c] = &dyn.farForce[c][first];
        in.mass = mass[slot];
        in.velocities = state + velocityIndex(first, 0);
        in.velocityRate = derivative + velocityIndex(first, 0);
        in.positionRate = derivative + positionIndex(first, 0);
        const SequenceJump past = Chains.group[length];
        return seed * past.multiplier + past.increment;
    };
    for (int i = 1; i <= n;) {
        const int g = groups.startingAt[i];
        if (g < 0) {
            evaluateOne(dyn, physics, state, i, wall, derivative);
            ++i;
            continue;
        }
        // The groups that follow at once with lists as long go side by side with this one.
        int count = 0;
        random.seed = prepare(count++, g, random.seed);
        while (count < MaxSideBySide && i + 4 * count <= n) {
            const int next = groups.startingAt[i + 4 * count];
            if (next < 0 || groups.length[next] != groups.length[g]) break;
            random.seed = prepare(count++, next, random.seed);
        }
        laneGroups(columns, shared, sums, count);
        i += 4 * count;
    }
}

}  // namespace

void EvaluateDerivative(Dynamics& dyn, const Physics& physics, const double* state,
                        double* derivative) {
    const Project& project = physics.project;
    const int n = clampCount(project.particleCount, MaxParticles);
    // Particles 1..n get both their rates below; only the slots above keep a zero derivative.
    std::fill(derivative + positionIndex(n + 1, 0), derivative + VelocityOffset, 0.0);
    std::fill(derivative + velocityIndex(n + 1, 0), derivative + StateSize, 0.0);
    const double wall = physics.cubeHalfSize - WallMargin;
    if (haveVectorLanes() && !dyn.portableOnly && dyn.work->laneGroups.count > 0)
        evaluateInLanes(dyn, physics, state, n, wall, derivative);
    else
        evaluatePortable(dyn, physics, state, n, wall, derivative);
}

}  // namespace zentova
