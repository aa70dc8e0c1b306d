#include "model/vectorlanes.h"

#include <immintrin.h>

#include "model/integrator.h"
#include "model/lanelaw.h"

namespace zentova {

using namespace lanes;

bool haveVectorLanes() {
    static const bool available = __builtin_cpu_supports("avx2");
    return available;
}

// The bodies below are built twice: for AVX2, and for processors whose AVX-512 gives the
// same 256-bit operations 32 registers instead of 16.
#define ZENTOVA_WIDE __attribute__((target("avx2,avx512f,avx512vl")))

namespace {

// The separations and distances of the slots of Count groups with lists equally long, into
// separation[g][s]; true when a pair coincides. The roots of all slots come first, the rest
// of the law after: each loop has one long wait per slot (a root, a division), and the
// processor overlaps the slots' waits instead of stalling on a root followed by a division.
template <int Count>
ZENTOVA_LANES bool separationsInLanes(const LaneColumns& in, const LaneGroupInput* groups,
                                      double (*separation)[MaxNeighbours][4][4]) {
    const __m256d scaleToLaw = _mm256_set1_pd(SquaredDistanceScale);
    __m256d anyCoinciding = _mm256_setzero_pd();
    for (int g = 0; g < Count; ++g) {
        const int group = groups[g].group;
        const double* self = in.positions + 3 * (in.firstParticle[group] - 1);
        const __m256d sx = _mm256_set_pd(self[9], self[6], self[3], self[0]);
        const __m256d sy = _mm256_set_pd(self[10], self[7], self[4], self[1]);
        const __m256d sz = _mm256_set_pd(self[11], self[8], self[5], self[2]);
        const int base = in.base[group];
        for (int s = 0; s < in.length[group]; ++s) {
            const LaneVectors other = loadPositions(in.positions, in.otherIndex + base + 4 * s);
            const __m256d dx = _mm256_sub_pd(other.x, sx);
            const __m256d dy = _mm256_sub_pd(other.y, sy);
            const __m256d dz = _mm256_sub_pd(other.z, sz);
            const __m256d s2 = _mm256_mul_pd(squaredLength(dx, dy, dz), scaleToLaw);
            _mm256_store_pd(separation[g][s][0], dx);
            _mm256_store_pd(separation[g][s][1], dy);
            _mm256_store_pd(separation[g][s][2], dz);
            _mm256_store_pd(separation[g][s][3], _mm256_sqrt_pd(s2));
            anyCoinciding =
                _mm256_or_pd(anyCoinciding, _mm256_cmp_pd(s2, _mm256_setzero_pd(), _CMP_EQ_OQ));
        }
    }
    return _mm256_movemask_pd(anyCoinciding) != 0;
}

// The strides of the kick sequence, from a slot to the next, and the kicks' scale.
struct KickStrides {
    __m256d kickFactor;
    __m256i multiplier8;
    __m256i increment8;
    __m128i multiplier4;
    __m128i increment4;
};

ZENTOVA_LANES KickStrides kickStrides(const LaneSumShared& shared) {
    return {_mm256_set1_pd(shared.kickFactor),
            _mm256_set1_epi32(static_cast<int>(shared.strideMultiplier)),
            _mm256_set1_epi32(static_cast<int>(shared.strideIncrement)),
            _mm_set1_epi32(static_cast<int>(shared.strideMultiplier)),
            _mm_set1_epi32(static_cast<int>(shared.strideIncrement))};
}

// The running sums of Count groups, and their kick chains: twelve chains of the sequence per
// group, one per particle and axis (x lanes, then y, then z), each starting at its first
// draw and moving three draws per slot. They hold the seeds with their top bits flipped,
// ready to be read as kicks, and advance as the seeds do: for an odd multiplier A (every
// jump of the sequence has one), A (s + 2^31) + C + 2^31 = A s + C + (A + 1) 2^31 = A s + C
// modulo 2^32, and adding 2^31 modulo 2^32 is flipping the top bit.
template <int Count>
struct LaneSums {
    __m256i chainsXY[Count];
    __m128i chainsZ[Count];
    __m256d acc[Count][3];
    int base[Count];
};

template <int Count>
ZENTOVA_LANES void startSums(const LaneColumns& cols, const LaneGroupInput* in,
                             LaneSums<Count>& sums) {
    for (int g = 0; g < Count; ++g) {
        const auto* multiplier = reinterpret_cast<const __m256i*>(in[g].chainMultiplier);
        const auto* increment = reinterpret_cast<const __m256i*>(in[g].chainIncrement);
        const int flippedSeed = static_cast<int>(in[g].seed ^ 0x80000000u);
        sums.chainsXY[g] = _mm256_add_epi32(
            _mm256_mullo_epi32(_mm256_set1_epi32(flippedSeed), _mm256_loadu_si256(multiplier)),
            _mm256_loadu_si256(increment));
        sums.chainsZ[g] = _mm_add_epi32(
            _mm_mullo_epi32(_mm_set1_epi32(flippedSeed),
                            _mm_loadu_si128(reinterpret_cast<const __m128i*>(multiplier + 1))),
            _mm_loadu_si128(reinterpret_cast<const __m128i*>(increment + 1)));
        for (int c = 0; c < 3; ++c) sums.acc[g][c] = _mm256_setzero_pd();
        sums.base[g] = cols.base[in[g].group];
    }
}

// Slot s of group g: the rest of the law, then the pair force, the kick and the wall into
// the group's sums, the chains moved on to the next slot.
template <int Count, bool MayCoincide, bool Walls>
ZENTOVA_LANES void addSlot(const LaneColumns& cols, const KickStrides& strides,
                           const double (&separation)[4][4], const __m256d (&wall)[3],
                           LaneSums<Count>& sums, int g, int s) {
    const int k = sums.base[g] + 4 * s;
    const LaneVectors f = laneForceAt<MayCoincide>(
        _mm256_load_pd(separation[0]), _mm256_load_pd(separation[1]), _mm256_load_pd(separation[2]),
        _mm256_load_pd(separation[3]), _mm256_loadu_pd(cols.gravity + k),
        _mm256_loadu_pd(cols.charge + k), _mm256_loadu_pd(cols.core + k),
        _mm256_loadu_pd(cols.repel + k), _mm256_loadu_pd(cols.push + k));
    const __m256d kx = laneKicks(_mm256_castsi256_si128(sums.chainsXY[g]), strides.kickFactor);
    const __m256d ky = laneKicks(_mm256_extracti128_si256(sums.chainsXY[g], 1), strides.kickFactor);
    const __m256d kz = laneKicks(sums.chainsZ[g], strides.kickFactor);
    sums.chainsXY[g] = _mm256_add_epi32(_mm256_mullo_epi32(sums.chainsXY[g], strides.multiplier8),
                                        strides.increment8);
    sums.chainsZ[g] =
        _mm_add_epi32(_mm_mullo_epi32(sums.chainsZ[g], strides.multiplier4), strides.increment4);
    const __m256d force[3] = {f.x, f.y, f.z};
    const __m256d kick[3] = {kx, ky, kz};
    for (int c = 0; c < 3; ++c) {
        sums.acc[g][c] = _mm256_add_pd(_mm256_add_pd(sums.acc[g][c], force[c]), kick[c]);
        if constexpr (Walls) sums.acc[g][c] = _mm256_add_pd(sums.acc[g][c], wall[c]);
    }
}

// (acc + far) / mass - damping v, then the velocities as the rates of the positions.
template <int Count>
ZENTOVA_LANES void storeRates(const LaneSumShared& shared, const LaneGroupInput* in,
                              const __m256d (&acc)[Count][3]) {
    const __m256d damping = _mm256_set1_pd(shared.damping);
    for (int g = 0; g < Count; ++g) {
        const std::int32_t offsets[4] = {0, 3, 6, 9};
        const LaneVectors v = loadPositions(in[g].velocities, offsets);
        const __m256d velocity[3] = {v.x, v.y, v.z};
        const __m256d mass = _mm256_loadu_pd(in[g].mass);
        alignas(32) double rate[3][4];
        for (int c = 0; c < 3; ++c) {
            const __m256d force = _mm256_add_pd(acc[g][c], _mm256_loadu_pd(in[g].far[c]));
            _mm256_store_pd(rate[c], _mm256_sub_pd(_mm256_div_pd(force, mass),
                                                   _mm256_mul_pd(damping, velocity[c])));
        }
        for (int l = 0; l < 4; ++l)
            for (int c = 0; c < 3; ++c) {
                in[g].velocityRate[3 * l + c] = rate[c][l];
                in[g].positionRate[3 * l + c] = in[g].velocities[3 * l + c];
            }
    }
}

// Count groups side by side, slot by slot: the rest of the law, then at once the pair force,
// kick and wall into each particle's sum, in slot order, the kicks drawn particle by
// particle, slot by slot, x before y before z; then the rates of the groups' particles. The
// force vectors go from the law to the sums in registers, not through columns in memory,
// and the groups' sums, each a chain of additions that must stay in order, wait for each
// other less.
// MayCoincide false leaves out the handling of coinciding pairs, for groups known to have
// none. Without Walls the wall terms are all +0 and are not added: a sum that starts at +0
// is never -0 when rounding to nearest (x + y is -0 only for x = y = -0), and for every
// other x, a number or not, x + (+0) is x itself, so leaving the addition out changes no bit.
template <int Count, bool MayCoincide, bool Walls>
ZENTOVA_LANES void groupsInLanes(const LaneColumns& columns, const LaneSumShared& shared,
                                 const LaneGroupInput* in,
                                 const double (*separation)[MaxNeighbours][4][4],
                                 const __m256d (&wall)[Count][3]) {
    // A copy, so that the stores below (which may alias anything) do not make the compiler
    // read the column pointers again in every slot.
    const LaneColumns cols = columns;
    const KickStrides strides = kickStrides(shared);
    LaneSums<Count> sums;
    startSums<Count>(cols, in, sums);
    const int length = cols.length[in[0].group];
    for (int s = 0; s < length; ++s)
        for (int g = 0; g < Count; ++g)
            addSlot<Count, MayCoincide, Walls>(cols, strides, separation[g][s], wall[g], sums, g,
                                               s);
    storeRates<Count>(shared, in, sums.acc);
}

// The soft walls of four particles on one axis, lane by lane as the one-particle code
// does it: -((p - w) (p - w) stiffness) beyond +w, also for a coordinate that is not a
// number ("not w >= p"); (p + w) (p + w) stiffness below -w; +0 between.
ZENTOVA_LANES __m256d laneWall(__m256d p, __m256d w) {
    const __m256d stiffness = _mm256_set1_pd(WallStiffness);
    const __m256d signBit = _mm256_set1_pd(-0.0);
    const __m256d above = _mm256_sub_pd(p, w);
    const __m256d below = _mm256_add_pd(p, w);
    const __m256d down =
        _mm256_xor_pd(_mm256_mul_pd(_mm256_mul_pd(above, above), stiffness), signBit);
    const __m256d up = _mm256_mul_pd(_mm256_mul_pd(below, below), stiffness);
    const __m256d beyondTop = _mm256_cmp_pd(w, p, _CMP_NGE_UQ);
    const __m256d beyondBottom = _mm256_cmp_pd(p, _mm256_xor_pd(w, signBit), _CMP_LT_OQ);
    return _mm256_blendv_pd(_mm256_and_pd(up, beyondBottom), down, beyondTop);
}

// Count groups: the wall terms of their particles, then the law, with the coinciding pairs
// handled and the walls added only where there are any.
template <int Count>
ZENTOVA_LANES void groupsByCase(const LaneColumns& columns, const LaneSumShared& shared,
                                const LaneGroupInput* in) {
    const __m256d w = _mm256_set1_pd(shared.wall);
    __m256d wall[Count][3];
    __m256i bits = _mm256_setzero_si256();
    for (int g = 0; g < Count; ++g) {
        const std::int32_t offsets[4] = {0, 3, 6, 9};
        const LaneVectors p = loadPositions(
            columns.positions + 3 * (columns.firstParticle[in[g].group] - 1), offsets);
        wall[g][0] = laneWall(p.x, w);
        wall[g][1] = laneWall(p.y, w);
        wall[g][2] = laneWall(p.z, w);
        for (int c = 0; c < 3; ++c) bits = _mm256_or_si256(bits, _mm256_castpd_si256(wall[g][c]));
    }
    // Any term other than +0 (all bits clear) is added.
    const bool walls = !_mm256_testz_si256(bits, bits);
    auto* separation = reinterpret_cast<double(*)[MaxNeighbours][4][4]>(columns.separation);
    const bool coinciding = separationsInLanes<Count>(columns, in, separation);
    if (coinciding) {
        if (walls)
            groupsInLanes<Count, true, true>(columns, shared, in, separation, wall);
        else
            groupsInLanes<Count, true, false>(columns, shared, in, separation, wall);
    } else {
        if (walls)
            groupsInLanes<Count, false, true>(columns, shared, in, separation, wall);
        else
            groupsInLanes<Count, false, false>(columns, shared, in, separation, wall);
    }
}

// Up to four groups side by side, as many as there are.
ZENTOVA_LANES void groupsByCount(const LaneColumns& columns, const LaneSumShared& shared,
                                 const LaneGroupInput* in, int count) {
    switch (count) {
        case 4:
            return groupsByCase<4>(columns, shared, in);
        case 3:
            return groupsByCase<3>(columns, shared, in);
        case 2:
            return groupsByCase<2>(columns, shared, in);
        default:
            return groupsByCase<1>(columns, shared, in);
    }
}

ZENTOVA_WIDE void groupsWide(const LaneColumns& columns, const LaneSumShared& shared,
                             const LaneGroupInput* in, int count) {
    groupsByCount(columns, shared, in, count);
}

// With 16 registers, more than two groups side by side spill more than they gain.
__attribute__((target("avx2"))) void groupsAvx2(const LaneColumns& columns,
                                                const LaneSumShared& shared,
                                                const LaneGroupInput* in, int count) {
    for (int g = 0; g < count; g += 2) {
        if (count - g >= 2)
            groupsByCase<2>(columns, shared, in + g);
        else
            groupsByCase<1>(columns, shared, in + g);
    }
}

// AVX-512 gives the same 256-bit operations 32 registers instead of 16.
bool haveWideRegisterFile() {
    static const bool available =
        __builtin_cpu_supports("avx512f") && __builtin_cpu_supports("avx512vl");
    return available;
}

}  // namespace

void laneGroups(const LaneColumns& columns, const LaneSumShared& shared,
                const LaneGroupInput* groups, int count) {
    if (haveWideRegisterFile())
        groupsWide(columns, shared, groups, count);
    else
        groupsAvx2(columns, shared, groups, count);
}

}  // namespace zentova
