#pragma once

#include <array>

#include "model/force.h"
#include "model/limits.h"

namespace zentova {

// The force vectors (pj - pi) * F / d of `count` pairs from their separations (pj - pi) and
// force-law constants, column by column; d receives the scaled distances. Coinciding pairs
// (d = 0) get no usable vector: the caller replaces it; returns how many there are. Runs on
// the widest vector lanes the processor has; every lane width gives the same bits.
long long computePairForces(int count, const double* dx, const double* dy, const double* dz,
                            const double* gravity, const double* charge, const double* core,
                            const double* repel, double* fx, double* fy, double* fz, double* d);

// The pair forces on one particle i from many others, computed together: gathered into
// columns, then one loop without branches that the compiler runs on vector lanes.
template <int Capacity>
struct PairBatch {
    int count = 0;
    alignas(64) std::array<double, Capacity> dx, dy, dz, gravity, charge, core, repel;
    alignas(64) std::array<double, Capacity> fx, fy, fz, d;
    std::array<int, Capacity> self, other;

    // Queues the force of particle j on particle i; pi and pj are their positions.
    void add(const double* pi, const double* pj, int i, int j, const PairCoefficients& c) {
        dx[count] = pj[0] - pi[0];
        dy[count] = pj[1] - pi[1];
        dz[count] = pj[2] - pi[2];
        gravity[count] = c.gravity;
        charge[count] = c.charge;
        core[count] = c.core;
        repel[count] = c.repel;
        self[count] = i;
        other[count] = j;
        ++count;
    }

    void clear() { count = 0; }

    // The force vector of each pair, (pj - pi) * F / d.
    void compute() {
        const long long coinciding =
            computePairForces(count, dx.data(), dy.data(), dz.data(), gravity.data(), charge.data(),
                              core.data(), repel.data(), fx.data(), fy.data(), fz.data(), d.data());
        if (coinciding == 0) return;
        // Coinciding particles got 0 / 0 above.
        for (int k = 0; k < count; ++k) {
            if (d[k] == 0.0) {
                fx[k] = coincidentPushX(self[k], other[k]);
                fy[k] = 0.0;
                fz[k] = 0.0;
            }
        }
    }
};

}  // namespace zentova
