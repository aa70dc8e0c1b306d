#include "model/integrator.h"

#include <algorithm>
#include <cstring>

#include "model/force.h"

namespace zentova {

namespace {

// 1 / DistanceScale: the force vector of a pair has magnitude |F| / DistanceScale.
constexpr double InverseDistanceScale = 25.0;

// Running minimum of the neighbour search; a squared distance at or above it never qualifies.
constexpr double NeighbourSearchStart = 1e20;

int clampCount(int value, int limit) { return std::clamp(value, 0, limit); }

// The pair forces on one particle from a list of others, computed together: gathered into
// columns, then one loop without branches that the compiler runs on vector lanes.
struct PairBatch {
    int count = 0;
    alignas(64) std::array<double, MaxParticles> dx, dy, dz, gravity, charge, core, repel;
    alignas(64) std::array<double, MaxParticles> fx, fy, fz, d;
    std::array<int, MaxParticles> other;

    void add(const double* pi, const double* pj, int j, const PairCoefficients& c) {
        dx[count] = pj[0] - pi[0];
        dy[count] = pj[1] - pi[1];
        dz[count] = pj[2] - pi[2];
        gravity[count] = c.gravity;
        charge[count] = c.charge;
        core[count] = c.core;
        repel[count] = c.repel;
        other[count] = j;
        ++count;
    }

    // The force vector of each pair, F * (pj - pi) / d.
    void compute() {
        for (int k = 0; k < count; ++k) {
            const double s2 = (dx[k] * dx[k] + dy[k] * dy[k] + dz[k] * dz[k]) * 0.0016;
            const PairResult r =
                pairForceAt(PairCoefficients{gravity[k], charge[k], core[k], repel[k]}, s2);
            d[k] = r.d;
            fx[k] = dx[k] * r.F / r.d;
            fy[k] = dy[k] * r.F / r.d;
            fz[k] = dz[k] * r.F / r.d;
        }
    }

    // Adds the force of pair k on particle i. Coinciding particles have no direction of
    // their own; they are pushed apart along x at full repulsion, the lower number towards
    // -x, so the pair separates and no 0/0 reaches the state.
    void addTo(double* acc, int k, int i) const {
        if (d[k] != 0.0) {
            acc[0] += fx[k];
            acc[1] += fy[k];
            acc[2] += fz[k];
        } else {
            acc[0] += (i < other[k] ? -ForceLimit : ForceLimit) * InverseDistanceScale;
        }
    }
};

// The soft wall on one axis: a restoring term growing with the square of the penetration,
// inward. "Not w >= p" also treats a coordinate that is not a number as beyond the wall.
inline double wallAcceleration(double p, double w) {
    if (!(w >= p)) return (p - w) * (p - w) * WallStiffness;
    if (p < -w) return (p + w) * (p + w) * WallStiffness;
    return 0.0;
}

inline void applyWall(double& acc, double p, double w, double term) {
    if (!(w >= p)) acc -= term;
    else if (p < -w) acc += term;
}

void fillPairTable(Dynamics& dyn, const Physics& physics) {
    const Project& project = physics.project;
    const int types = clampCount(project.typeCount, MaxTypes);
    for (int a = 1; a <= types; ++a)
        for (int b = 1; b <= types; ++b)
            dyn.pairTable[a][b] = pairCoefficients(project, physics.cubeHalfSize, a, b,
                                                   project.ag, project.ae, project.ar);
}

}  // namespace

void RebuildNeighbours(Dynamics& dyn, const Physics& physics, const double* state, int n) {
    const Project& project = physics.project;
    n = clampCount(n, MaxParticles);
    const int slots = clampCount(project.neighbourCount, MaxNeighbours);
    for (int k = 1; k <= slots; ++k)
        std::fill_n(dyn.neighbours[k].begin() + 1, n, 0);
    for (auto& axis : dyn.farForce) std::fill_n(axis.begin() + 1, n, 0.0);

    fillPairTable(dyn, physics);
    std::array<bool, MaxParticles + 1> taken{};
    PairBatch batch;
    // The nearest `slots` particles so far, sorted by squared distance; a later particle
    // goes after equal distances, so among ties the lower number wins.
    std::array<double, MaxNeighbours + 1> nearest2{};
    std::array<int, MaxNeighbours + 1> nearest{};
    for (int i = 1; i <= n; ++i) {
        const double* pi = state + positionIndex(i, 0);
        int listed = 0;
        for (int w = 1; w <= n; ++w) {
            if (w == i) continue;
            const double* pw = state + positionIndex(w, 0);
            const double dx = pi[0] - pw[0];
            const double dy = pi[1] - pw[1];
            const double dz = pi[2] - pw[2];
            const double d2 = dx * dx + dy * dy + dz * dz;
            if (!(d2 < NeighbourSearchStart)) continue;
            if (listed == slots && (slots == 0 || !(d2 < nearest2[listed - 1]))) continue;
            int at = listed < slots ? listed++ : listed - 1;
            for (; at > 0 && nearest2[at - 1] > d2; --at) {
                nearest2[at] = nearest2[at - 1];
                nearest[at] = nearest[at - 1];
            }
            nearest2[at] = d2;
            nearest[at] = w;
        }
        std::fill(taken.begin(), taken.end(), false);
        for (int k = 1; k <= slots; ++k) {
            // A slot without a candidate points at the particle itself and is skipped.
            const int w = k <= listed ? nearest[k - 1] : i;
            dyn.neighbours[k][i] = w;
            taken[w] = true;
        }
        if (n <= slots) continue;
        const auto& row = dyn.pairTable[physics.particleType[i]];
        batch.count = 0;
        for (int w = 1; w <= n; ++w)
            if (!taken[w] && w != i)
                batch.add(pi, state + positionIndex(w, 0), w, row[physics.particleType[w]]);
        batch.compute();
        double far[3] = {0.0, 0.0, 0.0};
        for (int k = 0; k < batch.count; ++k) batch.addTo(far, k, i);
        for (int c = 0; c < 3; ++c) dyn.farForce[c][i] = far[c];
    }
}

void EvaluateDerivative(Dynamics& dyn, const Physics& physics, const double* state,
                        double* derivative) {
    const Project& project = physics.project;
    std::fill_n(derivative, StateSize, 0.0);
    const int n = clampCount(project.particleCount, MaxParticles);
    const int slots = clampCount(project.neighbourCount, MaxNeighbours);
    const double wall = physics.cubeHalfSize - WallMargin;
    const double damping = physics.damping;
    RandomSource& random = physics.random;
    fillPairTable(dyn, physics);

    PairBatch batch;
    std::array<double, 3 * MaxNeighbours> kick;
    for (int i = 1; i <= n; ++i) {
        const double* pi = state + positionIndex(i, 0);
        const auto& row = dyn.pairTable[physics.particleType[i]];
        batch.count = 0;
        for (int k = 1; k <= slots; ++k) {
            const int a = dyn.neighbours[k][i];
            if (a == i || a < 1 || a > MaxParticles) continue;
            batch.add(pi, state + positionIndex(a, 0), a, row[physics.particleType[a]]);
        }
        batch.compute();
        const int used = batch.count;
        // The wall term is the same in every slot; it is applied once per slot.
        double wallTerm[3];
        for (int c = 0; c < 3; ++c) wallTerm[c] = wallAcceleration(pi[c], wall);

        // The kicks in the order they are drawn: slot by slot, x before y before z.
        fillUniform(random, kick.data(), 3 * used);
        for (int j = 0; j < 3 * used; ++j) kick[j] = (kick[j] - 0.5) * KickSpan;
        double acc[3] = {0.0, 0.0, 0.0};
        for (int k = 0; k < used; ++k) {
            batch.addTo(acc, k, i);
            // Kicks and walls act once per visited slot: that is the model's strength.
            for (int c = 0; c < 3; ++c) acc[c] += kick[3 * k + c];
            for (int c = 0; c < 3; ++c) applyWall(acc[c], pi[c], wall, wallTerm[c]);
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
