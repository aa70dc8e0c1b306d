#include <immintrin.h>

#include "model/lanelaw.h"
#include "model/vectorlanes.h"

// The neighbour search's distances and far forces, four particles side by side.

namespace zentova {

using namespace lanes;

__attribute__((target("avx2"))) void laneDistances(const double* xs, const double* ys,
                                                   const double* zs, int n,
                                                   const double (&self)[3][4], double* dist2) {
    const __m256d sx = _mm256_loadu_pd(self[0]);
    const __m256d sy = _mm256_loadu_pd(self[1]);
    const __m256d sz = _mm256_loadu_pd(self[2]);
    for (int w = 1; w <= n; ++w) {
        const __m256d dx = _mm256_sub_pd(sx, _mm256_set1_pd(xs[w]));
        const __m256d dy = _mm256_sub_pd(sy, _mm256_set1_pd(ys[w]));
        const __m256d dz = _mm256_sub_pd(sz, _mm256_set1_pd(zs[w]));
        _mm256_storeu_pd(dist2 + 4 * w, squaredLength(dx, dy, dz));
    }
}

__attribute__((target("avx2"))) void laneFarForces(
    const double* xs, const double* ys, const double* zs, int n, const std::uint8_t* type,
    const double (&self)[3][4], int firstParticle, const double* dist2, const std::int64_t* keep,
    const double (*coefficients)[MaxTypes + 1][4], double (&far)[3][4]) {
    const __m256d sx = _mm256_loadu_pd(self[0]);
    const __m256d sy = _mm256_loadu_pd(self[1]);
    const __m256d sz = _mm256_loadu_pd(self[2]);
    const __m256d scaleToLaw = _mm256_set1_pd(SquaredDistanceScale);
    const __m256d lanes =
        _mm256_set_pd(firstParticle + 3, firstParticle + 2, firstParticle + 1, firstParticle);
    const __m256d pushDown = _mm256_set1_pd(-CoincidentPush);
    const __m256d pushUp = _mm256_set1_pd(CoincidentPush);
    __m256d ax = _mm256_setzero_pd();
    __m256d ay = _mm256_setzero_pd();
    __m256d az = _mm256_setzero_pd();
    for (int w = 1; w <= n; ++w) {
        const __m256d kept =
            _mm256_castsi256_pd(_mm256_loadu_si256(reinterpret_cast<const __m256i*>(keep + 4 * w)));
        if (_mm256_movemask_pd(kept) == 0) continue;
        const __m256d dx = _mm256_sub_pd(_mm256_set1_pd(xs[w]), sx);
        const __m256d dy = _mm256_sub_pd(_mm256_set1_pd(ys[w]), sy);
        const __m256d dz = _mm256_sub_pd(_mm256_set1_pd(zs[w]), sz);
        const int t = type[w];
        // The lower number is pushed towards -x.
        const __m256d other = _mm256_set1_pd(w);
        const __m256d push =
            _mm256_blendv_pd(pushUp, pushDown, _mm256_cmp_pd(lanes, other, _CMP_LT_OQ));
        const LaneVectors f = laneForce(
            dx, dy, dz, _mm256_mul_pd(_mm256_loadu_pd(dist2 + 4 * w), scaleToLaw),
            _mm256_loadu_pd(coefficients[0][t]), _mm256_loadu_pd(coefficients[1][t]),
            _mm256_loadu_pd(coefficients[2][t]), _mm256_loadu_pd(coefficients[3][t]), push);
        // A sum that starts at +0 never becomes -0, so adding +0 for a left-out particle
        // leaves it exactly as skipping would.
        ax = _mm256_add_pd(ax, _mm256_and_pd(f.x, kept));
        ay = _mm256_add_pd(ay, _mm256_and_pd(f.y, kept));
        az = _mm256_add_pd(az, _mm256_and_pd(f.z, kept));
    }
    _mm256_storeu_pd(far[0], ax);
    _mm256_storeu_pd(far[1], ay);
    _mm256_storeu_pd(far[2], az);
}

}  // namespace zentova
