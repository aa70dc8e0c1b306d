#include "model/integrator.h"

#include <algorithm>
#include <cstring>

#include "model/force.h"
#include "model/pairbatch.h"

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
    pairs.constantsFrom = dyn.pairTable;
    pairs.valid = true;
}

}  // namespace

void RebuildNeighbours(Dynamics& dyn, const Physics& physics, const double* state, int n) {
    const Project& project = physics.project;
    n = clampCount(n, MaxParticles);
    const int slots = clampCount(project.neighbourCount, MaxNeighbours);
    for (auto& axis : dyn.farForce) std::fill_n(axis.begin() + 1, n, 0.0);
    fillPairTable(dyn, physics);

    std::array<double, MaxParticles + 1> dist2{};
    std::array<int, MaxParticles> candidates{};
    std::array<bool, MaxParticles + 1> taken{};
    PairBatch<MaxParticles> batch;
    const auto nearer = [&](int a, int b) {
        return dist2[a] < dist2[b] || (dist2[a] == dist2[b] && a < b);
    };
    for (int i = 1; i <= n; ++i) {
        const double* pi = state + positionIndex(i, 0);
        for (int w = 1; w <= n; ++w) {
            const double* pw = state + positionIndex(w, 0);
            const double dx = pi[0] - pw[0];
            const double dy = pi[1] - pw[1];
            const double dz = pi[2] - pw[2];
            dist2[w] = dx * dx + dy * dy + dz * dz;
        }
        // The nearest `slots` by (squared distance, number), so the lower number wins ties;
        // a squared distance of 1e20 or more never qualifies. Particles move little between
        // rebuilds: the farthest of the old neighbours bounds the new ones, so only the
        // particles within that bound need sorting; a bound that leaves too few is dropped.
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
        for (int k = 1; k <= slots; ++k) {
            // A slot without a candidate points at the particle itself and is skipped.
            const int w = k <= listed ? candidates[k - 1] : i;
            dyn.neighbours[k][i] = w;
            taken[w] = true;
        }
        if (n <= slots) continue;
        const auto& row = dyn.pairTable[physics.particleType[i]];
        batch.clear();
        for (int w = 1; w <= n; ++w)
            if (!taken[w] && w != i)
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
    listPairs(dyn, n, slots);
}

void EvaluateDerivative(Dynamics& dyn, const Physics& physics, const double* state,
                        double* derivative) {
    const Project& project = physics.project;
    std::fill_n(derivative, StateSize, 0.0);
    const int n = clampCount(project.particleCount, MaxParticles);
    const double wall = physics.cubeHalfSize - WallMargin;
    const double damping = physics.damping;
    RandomSource& random = physics.random;
    fillPairTable(dyn, physics);

    // The pairs of all particles at once: separations, forces on vector lanes, and every
    // kick in the order it is drawn (particle by particle, slot by slot, x before y before
    // z); then each particle's sums in the order the model defines.
    refreshPairConstants(dyn, physics.particleType, clampCount(project.typeCount, MaxTypes));
    const NeighbourPairs& pairs = dyn.pairs;
    PairScratch& scratch = dyn.pairScratch;
    const int count = n > 0 ? pairs.first[n + 1] : 0;
    for (int i = 1; i <= n; ++i) {
        const double* pi = state + positionIndex(i, 0);
        for (int k = pairs.first[i]; k < pairs.first[i + 1]; ++k) {
            const double* pa = state + positionIndex(pairs.other[k], 0);
            scratch.dx[k] = pa[0] - pi[0];
            scratch.dy[k] = pa[1] - pi[1];
            scratch.dz[k] = pa[2] - pi[2];
        }
    }
    const long long coinciding = computePairForces(
        count, scratch.dx.data(), scratch.dy.data(), scratch.dz.data(), pairs.gravity.data(),
        pairs.charge.data(), pairs.core.data(), pairs.repel.data(), scratch.fx.data(),
        scratch.fy.data(), scratch.fz.data(), scratch.d.data());
    if (coinciding > 0) {
        // No direction of their own: pushed apart along x, the lower number towards -x.
        for (int k = 0; k < count; ++k) {
            if (scratch.d[k] != 0.0) continue;
            scratch.fx[k] =
                (pairs.self[k] < pairs.other[k] ? -ForceLimit : ForceLimit) * InverseDistanceScale;
            scratch.fy[k] = 0.0;
            scratch.fz[k] = 0.0;
        }
    }
    const double* kick = scratch.kicks.data();
    fillCentered(random, scratch.kicks.data(), 3 * count, KickSpan);

    for (int i = 1; i <= n; ++i) {
        const double* pi = state + positionIndex(i, 0);
        // The wall term is the same in every slot; it is applied once per slot. Inside the
        // walls it is +0, and adding +0 leaves a sum that started at +0 exactly as it was.
        double wallTerm[3];
        for (int c = 0; c < 3; ++c) wallTerm[c] = wallAcceleration(pi[c], wall);
        double acc[3] = {0.0, 0.0, 0.0};
        for (int k = pairs.first[i]; k < pairs.first[i + 1]; ++k) {
            acc[0] += scratch.fx[k];
            acc[1] += scratch.fy[k];
            acc[2] += scratch.fz[k];
            // Kicks and walls act once per visited slot: that is the model's strength.
            for (int c = 0; c < 3; ++c) acc[c] += kick[3 * k + c];
            for (int c = 0; c < 3; ++c) acc[c] += wallTerm[c];
        }
        const double mass = project.masses[physics.particleType[i]];
        for (int c = 0; c < 3; ++c) {
            const double v = state[velocityIndex(i, c)];
            derivative[velocityIndex(i, c)] = (acc[c] + dyn.farForce[c][i]) / mass - damping * v;
            derivative[positionIndex(i, c)] = v;
        }
    }
}

void MidpointStep(Dynamics& dyn, const Physics& physics, double* state, double h, double* k1) {
    EvaluateDerivative(dyn, physics, state, k1);
    double* mid = dyn.scratchState.data();
    for (int j = 0; j < StateSize; ++j) mid[j] = 0.5 * h * k1[j] + state[j];
    double* k2 = dyn.scratchDerivative.data();
    EvaluateDerivative(dyn, physics, mid, k2);
    for (int j = 0; j < StateSize; ++j) state[j] = h * k2[j] + state[j];
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
    for (int j = 0; j < StateSize; ++j)
        predicted[j] = (23.0 * fn[j] - 16.0 * newest[j] + 5.0 * previous[j]) * step + state[j];
    double* fp = dyn.scratchDerivative.data();
    EvaluateDerivative(dyn, physics, predicted, fp);
    for (int j = 0; j < StateSize; ++j)
        state[j] = (5.0 * fp[j] + 8.0 * fn[j] - newest[j]) * step + state[j];

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
