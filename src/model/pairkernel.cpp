#include "model/pairbatch.h"

namespace zentova {

// Two builds of the loop, chosen when the program starts: 4 lanes where the processor has
// them, 2 otherwise. Multiplying, dividing and taking roots round the same on both, and no
// operations are fused, so the results do not depend on the choice.
__attribute__((target_clones("avx2", "default"))) long long computePairForces(
    int count, const double* __restrict dx, const double* __restrict dy,
    const double* __restrict dz, const double* __restrict gravity, const double* __restrict charge,
    const double* __restrict core, const double* __restrict repel, double* __restrict fx,
    double* __restrict fy, double* __restrict fz, double* __restrict d) {
    long long coinciding = 0;  // as wide as a double, so it shares the loop's lanes
    for (int k = 0; k < count; ++k) {
        const double s2 = (dx[k] * dx[k] + dy[k] * dy[k] + dz[k] * dz[k]) * SquaredDistanceScale;
        const PairResult r =
            pairForceAt(PairCoefficients{gravity[k], charge[k], core[k], repel[k]}, s2);
        d[k] = r.d;
        const double scale = r.F * r.inverseD;
        fx[k] = dx[k] * scale;
        fy[k] = dy[k] * scale;
        fz[k] = dz[k] * scale;
        coinciding += r.d == 0.0;
    }
    return coinciding;
}

}  // namespace zentova
