#pragma once

// Internal to the model: the pair law and the loads on four vector lanes that the lane
// groups and the neighbour search share, inlined into the code built for AVX2.

#include <immintrin.h>

#include <cstdint>

#include "model/force.h"

namespace zentova::lanes {

#define ZENTOVA_LANES __attribute__((target("avx2"), always_inline)) inline

struct LaneVectors {
    __m256d x, y, z;
};

// pairForceAt on four pairs, operation for operation, then the vector F (pj - pi) / d with
// the coinciding pairs given their push along x.
// d = sqrt(s2) given: d is 0 exactly when s2 is. MayCoincide false leaves out the handling
// of d = 0, for slots known to have none.
template <bool MayCoincide = true>
ZENTOVA_LANES LaneVectors laneForceAt(__m256d dx, __m256d dy, __m256d dz, __m256d d,
                                      __m256d gravity, __m256d charge, __m256d core, __m256d repel,
                                      __m256d push) {
    const __m256d zero = _mm256_setzero_pd();
    const __m256d limit = _mm256_set1_pd(ForceLimit);
    const __m256d negativeLimit = _mm256_set1_pd(-ForceLimit);
    // max(MinGap, gap) keeps a gap that is not a number, as "if (gap < MinGap)" does.
    const __m256d gap = _mm256_max_pd(_mm256_set1_pd(MinGap), _mm256_sub_pd(d, core));
    const __m256d gap2 = _mm256_mul_pd(gap, gap);
    const __m256d gap4 = _mm256_mul_pd(gap2, gap2);
    const __m256d inverse = _mm256_div_pd(_mm256_set1_pd(1.0), _mm256_mul_pd(d, gap4));
    const __m256d inverseD = _mm256_mul_pd(gap4, inverse);
    const __m256d inverseGap4 = _mm256_mul_pd(d, inverse);
    const __m256d inverseS2 = _mm256_mul_pd(inverseD, inverseD);
    __m256d f = _mm256_add_pd(
        _mm256_add_pd(_mm256_mul_pd(gravity, inverseS2), _mm256_mul_pd(charge, inverseS2)),
        _mm256_mul_pd(repel, inverseGap4));
    // max(f, -limit) is -limit also for a force that is not a number; min(f, limit) then
    // clamps from above, as the two "if"s of the one-pair code do.
    f = _mm256_min_pd(_mm256_max_pd(f, negativeLimit), limit);
    if constexpr (!MayCoincide) {
        const __m256d scale = _mm256_mul_pd(f, inverseD);
        return {_mm256_mul_pd(dx, scale), _mm256_mul_pd(dy, scale), _mm256_mul_pd(dz, scale)};
    }
    const __m256d coinciding = _mm256_cmp_pd(d, zero, _CMP_EQ_OQ);
    f = _mm256_blendv_pd(f, negativeLimit, coinciding);
    const __m256d scale = _mm256_mul_pd(f, inverseD);
    return {_mm256_blendv_pd(_mm256_mul_pd(dx, scale), push, coinciding),
            _mm256_andnot_pd(coinciding, _mm256_mul_pd(dy, scale)),
            _mm256_andnot_pd(coinciding, _mm256_mul_pd(dz, scale))};
}

ZENTOVA_LANES LaneVectors laneForce(__m256d dx, __m256d dy, __m256d dz, __m256d s2, __m256d gravity,
                                    __m256d charge, __m256d core, __m256d repel, __m256d push) {
    return laneForceAt(dx, dy, dz, _mm256_sqrt_pd(s2), gravity, charge, core, repel, push);
}

// Two 128-bit loads into one register: [p[0], p[1], q[0], q[1]].
ZENTOVA_LANES __m256d loadPairs(const double* p, const double* q) {
    return _mm256_insertf128_pd(_mm256_castpd128_pd256(_mm_loadu_pd(p)), _mm_loadu_pd(q), 1);
}

// The positions of four particles, given their offsets in the state vector, as x, y and z
// columns. Plain loads and shuffles: the processor's gather instruction is slower here.
ZENTOVA_LANES LaneVectors loadPositions(const double* positions, const std::int32_t* offset) {
    const double* p0 = positions + offset[0];
    const double* p1 = positions + offset[1];
    const double* p2 = positions + offset[2];
    const double* p3 = positions + offset[3];
    const __m256d xy02 = loadPairs(p0, p2);  // x0 y0 x2 y2
    const __m256d xy13 = loadPairs(p1, p3);
    const __m256d z02 = loadPairs(p0 + 1, p2 + 1);  // y0 z0 y2 z2
    const __m256d z13 = loadPairs(p1 + 1, p3 + 1);
    return {_mm256_unpacklo_pd(xy02, xy13), _mm256_unpackhi_pd(xy02, xy13),
            _mm256_unpackhi_pd(z02, z13)};
}

ZENTOVA_LANES __m256d squaredLength(__m256d dx, __m256d dy, __m256d dz) {
    return _mm256_add_pd(_mm256_add_pd(_mm256_mul_pd(dx, dx), _mm256_mul_pd(dy, dy)),
                         _mm256_mul_pd(dz, dz));
}

// Four kicks from four seeds with their top bits flipped, seed ^ 2^31, which as a signed
// number is seed - 2^31: times span / 2^32.
ZENTOVA_LANES __m256d laneKicks(__m128i flippedSeeds, __m256d factor) {
    return _mm256_mul_pd(_mm256_cvtepi32_pd(flippedSeeds), factor);
}

}  // namespace zentova::lanes
