#include <algorithm>

#include "model/evaluationwork.h"
#include "model/pairbatch.h"
#include "model/vectorlanes.h"

namespace zentova {

namespace {

// Running minimum of the neighbour search; a squared distance at or above it never qualifies.
constexpr double NeighbourSearchStart = 1e20;

// Fills particle i's neighbour slots from its squared distances dist2[Stride w], w = 1..n:
// the nearest `slots` by (squared distance, number), so the lower number wins ties; a
// squared distance of 1e20 or more never qualifies. Marks the chosen particles, and i
// itself, in `taken`.
template <int Stride>
void selectNeighbours(Dynamics& dyn, int i, int n, int slots, const double* dist2,
                      std::array<bool, MaxParticles + 1>& taken) {
    const auto at = [dist2](int w) { return dist2[Stride * w]; };
    const auto nearer = [&](int a, int b) { return at(a) < at(b) || (at(a) == at(b) && a < b); };
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
        bound = std::max(bound, at(old));
    }
    // Every particle is written at the end of the list, which grows only by those that
    // qualify: no branch that guesses wrong for one particle in ten.
    std::array<int, MaxParticles> candidates;
    const auto gather = [&](double limit) {
        int found = 0;
        for (int w = 1; w <= n; ++w) {
            const double d = at(w);
            candidates[found] = w;
            found += (w != i) & (d <= limit) & (d < NeighbourSearchStart);
        }
        return found;
    };
    int found = bound >= 0.0 ? gather(bound) : 0;
    if (found < slots) found = gather(NeighbourSearchStart);
    const int listed = std::min(slots, found);
    std::partial_sort(candidates.begin(), candidates.begin() + listed, candidates.begin() + found,
                      nearer);
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
void rebuildPortable(Dynamics& dyn, const Physics& physics, const double* state, int n, int slots) {
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
        selectNeighbours<1>(dyn, i, n, slots, dist2.data(), taken);
        if (n <= slots) continue;
        const auto& row = dyn.work->pairTable[physics.particleType[i]];
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
void rebuildInLanes(Dynamics& dyn, const Physics& physics, const double* state, int n, int slots) {
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
            selectNeighbours<4>(dyn, first + l, n, slots, dist2 + l, taken);
            for (int w = 1; w <= n; ++w) keep[4 * w + l] = taken[w] ? 0 : -1;
        }
        if (n <= slots) continue;
        for (int l = n - first + 1; l < 4; ++l)
            for (int w = 1; w <= n; ++w) keep[4 * w + l] = 0;
        for (int l = 0; l < 4; ++l) {
            const auto& row = dyn.work->pairTable[physics.particleType[lane[l]]];
            for (int t = 0; t <= types; ++t) {
                coefficients[0][t][l] = row[t].gravity;
                coefficients[1][t][l] = row[t].charge;
                coefficients[2][t][l] = row[t].core;
                coefficients[3][t][l] = row[t].repel;
            }
        }
        double far[3][4];
        laneFarForces(xs, ys, zs, n, physics.particleType, self, first, dist2, keep, coefficients,
                      far);
        for (int l = 0; l < 4 && first + l <= n; ++l)
            for (int c = 0; c < 3; ++c) dyn.farForce[c][first + l] = far[c][l];
    }
}

}  // namespace

void RebuildNeighbours(Dynamics& dyn, const Physics& physics, const double* state, int n) {
    n = clampCount(n, MaxParticles);
    const int slots = clampCount(physics.project.neighbourCount, MaxNeighbours);
    for (auto& axis : dyn.farForce) std::fill_n(axis.begin() + 1, n, 0.0);
    fillPairTable(*dyn.work, physics);
    if (haveVectorLanes() && !dyn.portableOnly)
        rebuildInLanes(dyn, physics, state, n, slots);
    else
        rebuildPortable(dyn, physics, state, n, slots);
    listPairs(dyn, *dyn.work, n, slots);
    takePairConstants(*dyn.work, physics.particleType);
}

}  // namespace zentova
