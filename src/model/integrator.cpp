#include "model/integrator.h"

#include <algorithm>
#include <cstring>

#include "model/force.h"
#include "model/pairbatch.h"
#include "model/vectorlanes.h"

namespace zentova {

namespace {

// Running minimum of the neighbour search; a squared distance at or above it never qualifies.
constexpr double NeighbourSearchStart = 1e20;

int clampCount(int value, int limit) { return std::clamp(value, 0, limit); }

// The soft wall on one axis: a restoring term growing with the square of the penetration,
// pointing inward. "Not w >= p" also treats a coordinate that is not a number as beyond.
inline double wallAcceleration(double p, double w) {
    if (!(w >= p)) return -((p - w) * (p - w) * WallStiffness);
    if (p < -w) return (p + w) * (p + w) * WallStiffness;
    return 0.0;
}

void fillPairTable(Dynamics& dyn, const Physics& physics) {
    const Project& project = physics.project;
    const int types = clampCount(project.typeCount, MaxTypes);
    for (int a = 1; a <= types; ++a)
        for (int b = 1; b <= types; ++b)
            dyn.pairTable[a][b] = pairCoefficients(project, physics.cubeHalfSize, a, b,
                                                   project.ag, project.ae, project.ar);
}

// The pairs an evaluation visits, in its order: particle by particle, slot by slot, skipping
// slots that name no other particle.
void listPairs(Dynamics& dyn, int n, int slots) {
    NeighbourPairs& pairs = dyn.pairs;
    pairs.count = 0;
    for (int i = 1; i <= n; ++i) {
        pairs.first[i] = pairs.count;
        for (int k = 1; k <= slots; ++k) {
            const int a = dyn.neighbours[k][i];
            if (a == i || a < 1 || a > MaxParticles) continue;
            pairs.self[pairs.count] = i;
            pairs.other[pairs.count] = a;
            ++pairs.count;
        }
    }
    pairs.first[n + 1] = pairs.count;
    for (int i = n + 2; i <= MaxParticles + 1; ++i) pairs.first[i] = pairs.count;
    pairs.valid = false;

    LaneGroups& groups = dyn.laneGroups;
    groups.count = 0;
    std::fill(groups.startingAt.begin(), groups.startingAt.end(), std::int16_t{-1});
    int base = 0;
    for (int i = 1; i + 3 <= n;) {
        const int length = pairs.first[i + 1] - pairs.first[i];
        bool equal = length > 0;
        for (int l = 1; l < 4 && equal; ++l)
            equal = pairs.first[i + l + 1] - pairs.first[i + l] == length;
        if (!equal) {
            ++i;
            continue;
        }
        const int g = groups.count++;
        groups.startingAt[i] = static_cast<std::int16_t>(g);
        groups.firstParticle[g] = static_cast<std::int16_t>(i);
        groups.length[g] = static_cast<std::int16_t>(length);
        groups.base[g] = base;
        for (int l = 0; l < 4; ++l)
            for (int s = 0; s < length; ++s)
                groups.otherIndex[base + 4 * s + l] = 3 * (pairs.other[pairs.first[i + l] + s] - 1);
        base += 4 * length;
        i += 4;
    }
}

// The constants of the lane groups, copied from the particle-major pairs.
void laneConstants(Dynamics& dyn) {
    const NeighbourPairs& pairs = dyn.pairs;
    LaneGroups& groups = dyn.laneGroups;
    for (int g = 0; g < groups.count; ++g) {
        const int first = groups.firstParticle[g];
        for (int l = 0; l < 4; ++l)
            for (int s = 0; s < groups.length[g]; ++s) {
                const int k = pairs.first[first + l] + s;
                const int entry = groups.base[g] + 4 * s + l;
                groups.gravity[entry] = pairs.gravity[k];
                groups.charge[entry] = pairs.charge[k];
                groups.core[entry] = pairs.core[k];
                groups.repel[entry] = pairs.repel[k];
                groups.push[entry] =
                    (pairs.self[k] < pairs.other[k] ? -ForceLimit : ForceLimit) *
                    InverseDistanceScale;
            }
    }
}

// The force-law constants of every listed pair, taken again only when the table changed.
void refreshPairConstants(Dynamics& dyn, const std::uint8_t* particleType, int types) {
    NeighbourPairs& pairs = dyn.pairs;
    bool same = pairs.valid;
    for (int a = 1; a <= types && same; ++a)
        for (int b = 1; b <= types && same; ++b) {
            const PairCoefficients& now = dyn.pairTable[a][b];
            const PairCoefficients& then = pairs.constantsFrom[a][b];
            same = now.gravity == then.gravity && now.charge == then.charge &&
                   now.core == then.core && now.repel == then.repel;
        }
    if (same) return;
    for (int k = 0; k < pairs.count; ++k) {
        const PairCoefficients& c =
            dyn.pairTable[particleType[pairs.self[k]]][particleType[pairs.other[k]]];
        pairs.gravity[k] = c.gravity;
        pairs.charge[k] = c.charge;
        pairs.core[k] = c.core;
        pairs.repel[k] = c.repel;
    }
    laneConstants(dyn);
    pairs.constantsFrom = dyn.pairTable;
    pairs.valid = true;
}

}  // namespace

namespace {

// Fills particle i's neighbour slots from its squared distances dist2[1..n]: the nearest
// `slots` by (squared distance, number), so the lower number wins ties; a squared distance
// of 1e20 or more never qualifies. Marks the chosen particles, and i itself, in `taken`.
void selectNeighbours(Dynamics& dyn, int i, int n, int slots, const double* dist2,
                      std::array<bool, MaxParticles + 1>& taken) {
    std::array<int, MaxParticles> candidates{};
    const auto nearer = [&](int a, int b) {
        return dist2[a] < dist2[b] || (dist2[a] == dist2[b] && a < b);
    };
    // Particles move little between rebuilds: the farthest of the old neighbours bounds the
    // new ones, so only the particles within that bound need sorting; a bound that leaves
    // too few is dropped.
    double bound = -1.0;
    for (int k = 1; k <= slots; ++k) {
        const int old = dyn.neighbours[k][i];
        if (old < 1 || old > n || old == i) {
            bound = -1.0;
            break;
        }
        bound = std::max(bound, dist2[old]);
    }
    int found = 0;
    if (bound >= 0.0) {
        for (int w = 1; w <= n; ++w)
            if (w != i && dist2[w] <= bound && dist2[w] < NeighbourSearchStart)
                candidates[found++] = w;
    }
    if (found < slots) {
        found = 0;
        for (int w = 1; w <= n; ++w)
            if (w != i && dist2[w] < NeighbourSearchStart) candidates[found++] = w;
    }
    const int listed = std::min(slots, found);
    std::partial_sort(candidates.begin(), candidates.begin() + listed,
                      candidates.begin() + found, nearer);
    std::fill(taken.begin(), taken.end(), false);
    taken[i] = true;
    for (int k = 1; k <= slots; ++k) {
        // A slot without a candidate points at the particle itself and is skipped.
        const int w = k <= listed ? candidates[k - 1] : i;
        dyn.neighbours[k][i] = w;
        taken[w] = true;
    }
}

// One particle at a time: the distances, the neighbours, then the far force summed over
// the others in increasing number.
void rebuildPortable(Dynamics& dyn, const Physics& physics, const double* state, int n,
                     int slots) {
    std::array<double, MaxParticles + 1> dist2{};
    std::array<bool, MaxParticles + 1> taken{};
    PairBatch<MaxParticles> batch;
    for (int i = 1; i <= n; ++i) {
        const double* pi = state + positionIndex(i, 0);
        for (int w = 1; w <= n; ++w) {
            const double* pw = state + positionIndex(w, 0);
            const double dx = pi[0] - pw[0];
            const double dy = pi[1] - pw[1];
            const double dz = pi[2] - pw[2];
            dist2[w] = dx * dx + dy * dy + dz * dz;
        }
        selectNeighbours(dyn, i, n, slots, dist2.data(), taken);
        if (n <= slots) continue;
        const auto& row = dyn.pairTable[physics.particleType[i]];
        batch.clear();
        for (int w = 1; w <= n; ++w)
            if (!taken[w])
                batch.add(pi, state + positionIndex(w, 0), i, w, row[physics.particleType[w]]);
        batch.compute();
        double far[3] = {0.0, 0.0, 0.0};
        for (int k = 0; k < batch.count; ++k) {
            far[0] += batch.fx[k];
            far[1] += batch.fy[k];
            far[2] += batch.fz[k];
        }
        for (int c = 0; c < 3; ++c) dyn.farForce[c][i] = far[c];
    }
}

// Four particles at a time on vector lanes; the last group may hold fewer than four, its
// spare lanes repeat particle n and are thrown away.
void rebuildInLanes(Dynamics& dyn, const Physics& physics, const double* state, int n,
                    int slots) {
    alignas(32) double xs[MaxParticles + 1];
    alignas(32) double ys[MaxParticles + 1];
    alignas(32) double zs[MaxParticles + 1];
    for (int w = 1; w <= n; ++w) {
        xs[w] = state[positionIndex(w, 0)];
        ys[w] = state[positionIndex(w, 1)];
        zs[w] = state[positionIndex(w, 2)];
    }
    alignas(32) double dist2[4 * (MaxParticles + 1)];
    alignas(32) std::int64_t keep[4 * (MaxParticles + 1)];
    alignas(32) double coefficients[4][MaxTypes + 1][4];
    std::array<double, MaxParticles + 1> laneDist2{};
    std::array<bool, MaxParticles + 1> taken{};
    int types = clampCount(physics.project.typeCount, MaxTypes);
    for (int w = 1; w <= n; ++w) types = std::max<int>(types, physics.particleType[w]);
    for (int first = 1; first <= n; first += 4) {
        int lane[4];
        double self[3][4];
        for (int l = 0; l < 4; ++l) {
            lane[l] = std::min(first + l, n);
            for (int c = 0; c < 3; ++c) self[c][l] = state[positionIndex(lane[l], c)];
        }
        laneDistances(xs, ys, zs, n, self, dist2);
        for (int l = 0; l < 4 && first + l <= n; ++l) {
            for (int w = 1; w <= n; ++w) laneDist2[w] = dist2[4 * w + l];
            selectNeighbours(dyn, first + l, n, slots, laneDist2.data(), taken);
            for (int w = 1; w <= n; ++w) keep[4 * w + l] = taken[w] ? 0 : -1;
        }
        if (n <= slots) continue;
        for (int l = n - first + 1; l < 4; ++l)
            for (int w = 1; w <= n; ++w) keep[4 * w + l] = 0;
        for (int l = 0; l < 4; ++l) {
            const auto& row = dyn.pairTable[physics.particleType[lane[l]]];
            for (int t = 0; t <= types; ++t) {
                coefficients[0][t][l] = row[t].gravity;
                coefficients[1][t][l] = row[t].charge;
                coefficients[2][t][l] = row[t].core;
                coefficients[3][t][l] = row[t].repel;
            }
        }
        double far[3][4];
        laneFarForces(xs, ys, zs, n, physics.particleType, self, first, dist2, keep,
                      coefficients, far);
        for (int l = 0; l < 4 && first + l <= n; ++l)
            for (int c = 0; c < 3; ++c) dyn.farForce[c][first + l] = far[c][l];
    }
}

}  // namespace

void RebuildNeighbours(Dynamics& dyn, const Physics& physics, const double* state, int n) {
    n = clampCount(n, MaxParticles);
    const int slots = clampCount(physics.project.neighbourCount, MaxNeighbours);
    for (auto& axis : dyn.farForce) std::fill_n(axis.begin() + 1, n, 0.0);
    fillPairTable(dyn, physics);
    if (haveVectorLanes() && !dyn.portableOnly)
        rebuildInLanes(dyn, physics, state, n, slots);
    else
        rebuildPortable(dyn, physics, state, n, slots);
    listPairs(dyn, n, slots);
}

namespace {

// The pair forces of particle-major pairs [begin, end) into the scratch columns.
void pairForces(Dynamics& dyn, const double* state, int begin, int end) {
    const NeighbourPairs& pairs = dyn.pairs;
    PairScratch& scratch = dyn.pairScratch;
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
    // No direction of their own: pushed apart along x, the lower number towards -x.
    for (int k = begin; k < end; ++k) {
        if (scratch.d[k] != 0.0) continue;
        scratch.fx[k] =
            (pairs.self[k] < pairs.other[k] ? -ForceLimit : ForceLimit) * InverseDistanceScale;
        scratch.fy[k] = 0.0;
        scratch.fz[k] = 0.0;
    }
}

// The soft walls of the three axes at particle i's position.
void wallTerms(const double* state, int i, double wall, double (&term)[3]) {
    for (int c = 0; c < 3; ++c) term[c] = wallAcceleration(state[positionIndex(i, c)], wall);
}

// Particle i's sum over its slots from the scratch columns, with its kicks kick[0..3 count).
void sumSlots(const Dynamics& dyn, int i, const double* kick, const double (&wallTerm)[3],
              double (&acc)[3]) {
    const NeighbourPairs& pairs = dyn.pairs;
    const PairScratch& scratch = dyn.pairScratch;
    acc[0] = acc[1] = acc[2] = 0.0;
    for (int k = pairs.first[i]; k < pairs.first[i + 1]; ++k, kick += 3) {
        acc[0] += scratch.fx[k];
        acc[1] += scratch.fy[k];
        acc[2] += scratch.fz[k];
        // Kicks and walls act once per visited slot: that is the model's strength.
        for (int c = 0; c < 3; ++c) acc[c] += kick[c];
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
    const int count = n > 0 ? dyn.pairs.first[n + 1] : 0;
    pairForces(dyn, state, 0, count);
    double* kicks = dyn.pairScratch.kicks.data();
    fillCentered(physics.random, kicks, 3 * count, KickSpan);
    for (int i = 1; i <= n; ++i) {
        double wallTerm[3];
        wallTerms(state, i, wall, wallTerm);
        double acc[3];
        sumSlots(dyn, i, kicks + 3 * dyn.pairs.first[i], wallTerm, acc);
        finishParticle(dyn, physics, state, i, acc, derivative);
    }
}

// Groups of four particles on vector lanes, the others one at a time: first the pair
// forces of all groups, then the sums in particle order, so that the kicks are drawn in
// the same order as above.
void evaluateInLanes(Dynamics& dyn, const Physics& physics, const double* state, int n,
                     double wall, double* derivative) {
    const LaneGroups& groups = dyn.laneGroups;
    const NeighbourPairs& pairs = dyn.pairs;
    PairScratch& scratch = dyn.pairScratch;
    RandomSource& random = physics.random;
    laneForces(LaneForceInput{state, groups.count, groups.firstParticle.data(),
                              groups.length.data(), groups.base.data(),
                              groups.otherIndex.data(), groups.gravity.data(),
                              groups.charge.data(), groups.core.data(), groups.repel.data(),
                              groups.push.data(), scratch.laneFx.data(), scratch.laneFy.data(),
                              scratch.laneFz.data(), scratch.laneSeparation.data()});

    const LaneSumShared shared{SlotStride.multiplier, SlotStride.increment,
                               KickSpan * (1.0 / 4294967296.0), physics.damping};
    LaneSumInput sums[MaxSideBySide];
    alignas(32) double wallTerm[MaxSideBySide][3][4];
    double mass[MaxSideBySide][4];
    // Fills sums[slot] for group g and returns where its kicks end.
    const auto prepare = [&](int slot, int g, std::uint32_t seed) {
        const int first = groups.firstParticle[g];
        const int length = groups.length[g];
        for (int l = 0; l < 4; ++l) {
            double term[3];
            wallTerms(state, first + l, wall, term);
            for (int c = 0; c < 3; ++c) wallTerm[slot][c][l] = term[c];
            mass[slot][l] = physics.project.masses[physics.particleType[first + l]];
        }
        LaneSumInput& in = sums[slot];
        const int base = groups.base[g];
        in.fx = scratch.laneFx.data() + base;
        in.fy = scratch.laneFy.data() + base;
        in.fz = scratch.laneFz.data() + base;
        in.length = length;
        in.wall = &wallTerm[slot][0][0];
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
            const int begin = pairs.first[i];
            const int end = pairs.first[i + 1];
            pairForces(dyn, state, begin, end);
            double* kicks = scratch.kicks.data() + 3 * begin;
            fillCentered(random, kicks, 3 * (end - begin), KickSpan);
            double term[3];
            wallTerms(state, i, wall, term);
            double acc[3];
            sumSlots(dyn, i, kicks, term, acc);
            finishParticle(dyn, physics, state, i, acc, derivative);
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
        laneSums(shared, sums, count);
        i += 4 * count;
    }
}

}  // namespace

void EvaluateDerivative(Dynamics& dyn, const Physics& physics, const double* state,
                        double* derivative) {
    const Project& project = physics.project;
    std::fill_n(derivative, StateSize, 0.0);
    const int n = clampCount(project.particleCount, MaxParticles);
    const double wall = physics.cubeHalfSize - WallMargin;
    fillPairTable(dyn, physics);
    refreshPairConstants(dyn, physics.particleType, clampCount(project.typeCount, MaxTypes));
    if (haveVectorLanes() && !dyn.portableOnly && dyn.laneGroups.count > 0)
        evaluateInLanes(dyn, physics, state, n, wall, derivative);
    else
        evaluatePortable(dyn, physics, state, n, wall, derivative);
}

namespace {

// The vector sums of the steps, built for AVX2 and for the baseline; with no fused
// multiply-add, both give the same bits.

// out = a * x + y
__attribute__((target_clones("avx2", "default"))) void scaleAndAdd(double* out,
                                                                     double a, const double* x,
                                                                     const double* y) {
    for (int j = 0; j < StateSize; ++j) out[j] = a * x[j] + y[j];
}

// The Adams-Bashforth predictor: out = (23 fn - 16 f1 + 5 f2) * step + state.
__attribute__((target_clones("avx2", "default"))) void adamsPredict(
    double* __restrict out, const double* fn, const double* f1, const double* f2, double step,
    const double* state) {
    for (int j = 0; j < StateSize; ++j)
        out[j] = (23.0 * fn[j] - 16.0 * f1[j] + 5.0 * f2[j]) * step + state[j];
}

// The Adams-Moulton corrector, in place: state = (5 fp + 8 fn - f1) * step + state.
__attribute__((target_clones("avx2", "default"))) void adamsCorrect(
    double* state, const double* fp, const double* fn, const double* f1,
    double step) {
    for (int j = 0; j < StateSize; ++j)
        state[j] = (5.0 * fp[j] + 8.0 * fn[j] - f1[j]) * step + state[j];
}

}  // namespace

void MidpointStep(Dynamics& dyn, const Physics& physics, double* state, double h, double* k1) {
    EvaluateDerivative(dyn, physics, state, k1);
    double* mid = dyn.scratchState.data();
    scaleAndAdd(mid, 0.5 * h, k1, state);  // 0.5 * h * k1 + state, as written
    double* k2 = dyn.scratchDerivative.data();
    EvaluateDerivative(dyn, physics, mid, k2);
    scaleAndAdd(state, h, k2, state);
}

void AdamsStep(Dynamics& dyn, const Physics& physics, double* state, double h) {
    // Third-order Adams-Bashforth predictor (23, -16, 5) / 12 and
    // Adams-Moulton corrector (5, 8, -1) / 12.
    const double* newest = dyn.history[dyn.newest].data();
    const double* previous = dyn.history[dyn.previous].data();
    const double step = h / 12.0;

    // The oldest derivative never enters a formula: its vector takes f_n and becomes the
    // newest, the others move down one place.
    double* fn = dyn.history[dyn.oldest].data();
    EvaluateDerivative(dyn, physics, state, fn);
    double* predicted = dyn.scratchState.data();
    adamsPredict(predicted, fn, newest, previous, step, state);
    double* fp = dyn.scratchDerivative.data();
    EvaluateDerivative(dyn, physics, predicted, fp);
    adamsCorrect(state, fp, fn, newest, step);

    const int freed = dyn.oldest;
    dyn.oldest = dyn.previous;
    dyn.previous = dyn.newest;
    dyn.newest = freed;
}

void StoreHistory(Dynamics& dyn, HistorySlot slot, const double* derivative) {
    const int index = slot == HistorySlot::Oldest     ? dyn.oldest
                      : slot == HistorySlot::Previous ? dyn.previous
                                                      : dyn.newest;
    std::memcpy(dyn.history[index].data(), derivative, sizeof(double) * StateSize);
}

}  // namespace zentova
