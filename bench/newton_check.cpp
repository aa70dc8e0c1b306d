// Whether the force law's division and square root could come from the processor's 14-bit
// estimates (AVX-512's vrcp14pd, vrsqrt14pd) refined with fused multiply-adds, to the same
// bits as vdivpd and vsqrtpd; and what that would cost. Not part of the program: a check
// and a measure. Run: build/bench/newton_check [BILLIONS] (operands of each kind, 1 if not
// given); it says how many operands it compared, every difference it found, and the time of
// each way on four lanes.
//
// The reciprocal 1/b, for b = B 2^-52 in [1, 2) (every other b in range is that times a
// power of two, which every step below carries exactly; the range keeps each step clear of
// overflow and of numbers below the normal ones):
//   y0 = rcp14(b), |b y0 - 1| < 2^-14 (the estimate's documented bound);
//   twice e = RN(1 - b y), y = RN(y + y e): with |b y - 1| = E before, the exact
//     y + y e is (1 - E^2 + ...) / b, so E becomes at most E^2 + 2^-53 + 2^-66: 2^-27.99,
//     then 2^-55.99 before the last rounding; y2 is within 2^-55.99 + 2^-54 < 2^-53 (one
//     unit in the last place of 1/b, which lies in (1/2, 1]) of 1/b.
//   r = RN(1 - b y2) is exact: b y2 is a multiple of 2^-105 and |1 - b y2| < 2 2^-53, so it
//     has at most 53 bits. z = y2 + y2 r = (1 - eps^2) / b with eps = b y2 - 1, and the
//     result RN(z) is RN(1/b) unless a midpoint m = (2K + 1) 2^-54 lies in [z, 1/b). Then
//     1 - b m = j 2^-106 for a whole j >= 1, and z <= m needs eps^2 >= j 2^-106. The doubles
//     within one unit of 1/b are m - 2^-54 and m + 2^-54: the second gives |eps| < 2^-53, the
//     first |eps| = b 2^-54 + j 2^-106, which reaches sqrt(j) 2^-53 only for j = 1 and
//     b >= 2 - 2^-52: the one significand of all ones, left to vdivpd.
// In range: b from 2^-1000 to 2^1000, significand not all ones; vdivpd outside.
//
// The square root of x = X 2^-52 in [1, 4) (every other x in range is that times a power of
// four):
//   y0 = rsqrt14(x), |y0 sqrt(x) - 1| < 2^-14; g0 = RN(x y0), h0 = y0 / 2;
//   r = RN(1/2 - g0 h0), g1 = RN(g0 + g0 r), h1 = RN(h0 + h0 r): g1 = sqrt(x) (1 + a),
//     h1 = (1 + b) / (2 sqrt(x)) with |a|, |b| <= 1.5 2^-28 + 3 2^-53 < 2^-27.4;
//   d = RN(x - g1^2), g2 = RN(g1 + h1 d) = sqrt(x) (1 - a^2 / 2 - a b - ...) rounded: within
//     2^-53.2 + 2^-53 < 2^-52 (one unit of sqrt(x), in [1, 2)) of sqrt(x), so RN(sqrt(x)) is
//     g2, its successor g+ or its predecessor g-.
//   sqrt(x) is above the midpoint of g2 and g+ exactly when x > g2 g+ (the square of the
//     midpoint exceeds g2 g+ by a quarter of a unit squared, below the spacing of x - g2 g+,
//     and sqrt(x) is never a midpoint), and below the midpoint of g- and g2 exactly when
//     x <= g- g2 (by the means: sqrt(g- g2) is below their midpoint); each is the sign of
//     one fused multiply-add, exact in sign. So the result is g+, g- or g2 by those two signs.
// In range: x from 2^-900 to 2^1000, so that x - g2 g+, which may be as small as x 2^-106,
// is still a normal number whose sign the multiply-add keeps (below, random operands found
// no difference, but the argument fails); vsqrtpd outside (zero, negative, infinite, not a
// number, tiny).

#include <immintrin.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

namespace {

// The whole file is built for AVX-512 (bench/CMakeLists.txt); main() looks first.
#define CHECK_TARGET inline

constexpr std::uint64_t ReciprocalLow = 0x0170000000000000u;  // 2^-1000
constexpr std::uint64_t RootLow = 0x07b0000000000000u;        // 2^-900
constexpr std::uint64_t High = 0x7e70000000000000u;           // 2^1000
constexpr std::uint64_t Significand = 0x000fffffffffffffu;

// Lanes whose bits lie in [low, High]: positive, finite, not tiny, not huge.
CHECK_TARGET __mmask8 inRange(__m256d v, std::uint64_t low) {
    const __m256i bits = _mm256_sub_epi64(_mm256_castpd_si256(v), _mm256_set1_epi64x(low));
    return _mm256_cmple_epu64_mask(bits, _mm256_set1_epi64x(High - low));
}

CHECK_TARGET __m256d newtonReciprocal(__m256d b) {
    const __m256d one = _mm256_set1_pd(1.0);
    __m256d y = _mm256_rcp14_pd(b);
    for (int i = 0; i < 3; ++i) y = _mm256_fmadd_pd(y, _mm256_fnmadd_pd(b, y, one), y);
    return y;
}

CHECK_TARGET bool refinesReciprocals(__m256d b) {
    const __mmask8 allOnes = _mm256_cmpeq_epi64_mask(
        _mm256_and_si256(_mm256_castpd_si256(b), _mm256_set1_epi64x(Significand)),
        _mm256_set1_epi64x(Significand));
    return (inRange(b, ReciprocalLow) & ~allOnes & 0xf) == 0xf;
}

CHECK_TARGET __m256d reciprocal(__m256d b) {
    if (!refinesReciprocals(b)) return _mm256_div_pd(_mm256_set1_pd(1.0), b);
    return newtonReciprocal(b);
}

CHECK_TARGET __m256d newtonRoot(__m256d x) {
    const __m256d half = _mm256_set1_pd(0.5);
    const __m256d y = _mm256_rsqrt14_pd(x);
    __m256d g = _mm256_mul_pd(x, y);
    __m256d h = _mm256_mul_pd(half, y);
    const __m256d r = _mm256_fnmadd_pd(g, h, half);
    g = _mm256_fmadd_pd(g, r, g);
    h = _mm256_fmadd_pd(h, r, h);
    g = _mm256_fmadd_pd(h, _mm256_fnmadd_pd(g, g, x), g);
    const __m256i bits = _mm256_castpd_si256(g);
    const __m256d above = _mm256_castsi256_pd(_mm256_add_epi64(bits, _mm256_set1_epi64x(1)));
    const __m256d below = _mm256_castsi256_pd(_mm256_sub_epi64(bits, _mm256_set1_epi64x(1)));
    const __m256d zero = _mm256_setzero_pd();
    const __mmask8 up = _mm256_cmp_pd_mask(_mm256_fnmadd_pd(g, above, x), zero, _CMP_GT_OQ);
    const __mmask8 down = _mm256_cmp_pd_mask(_mm256_fnmadd_pd(below, g, x), zero, _CMP_LE_OQ);
    return _mm256_mask_mov_pd(_mm256_mask_mov_pd(g, up, above), down, below);
}

CHECK_TARGET bool refinesRoots(__m256d x) {
    return (inRange(x, RootLow) & 0xf) == 0xf;
}

CHECK_TARGET __m256d root(__m256d x) {
    if (!refinesRoots(x)) return _mm256_sqrt_pd(x);
    return newtonRoot(x);
}

// xoshiro256** for the operands.
struct Random {
    std::uint64_t s[4] = {0x9e3779b97f4a7c15u, 0xbf58476d1ce4e5b9u, 0x94d049bb133111ebu, 1};
    std::uint64_t next() {
        const std::uint64_t result = rotl(s[1] * 5, 7) * 9;
        const std::uint64_t t = s[1] << 17;
        s[2] ^= s[0];
        s[3] ^= s[1];
        s[1] ^= s[2];
        s[0] ^= s[3];
        s[2] ^= t;
        s[3] = rotl(s[3], 45);
        return result;
    }
    static std::uint64_t rotl(std::uint64_t x, int k) { return (x << k) | (x >> (64 - k)); }
};

double fromBits(std::uint64_t bits) {
    double d;
    std::memcpy(&d, &bits, sizeof d);
    return d;
}

std::uint64_t toBits(double d) {
    std::uint64_t bits;
    std::memcpy(&bits, &d, sizeof bits);
    return bits;
}

struct Tally {
    const char* what;
    std::uint64_t compared = 0;
    std::uint64_t refined = 0;  // of them, worked out by the Newton steps
    std::uint64_t differing = 0;
};

// Compares both ways on `values` (a multiple of 4 long), counting differences and showing
// the first few.
void compare(const std::vector<double>& values, Tally& reciprocals, Tally& roots) {
    for (std::size_t i = 0; i < values.size(); i += 4) {
        const __m256d v = _mm256_loadu_pd(&values[i]);
        alignas(32) double mine[2][4], hardware[2][4];
        _mm256_store_pd(mine[0], reciprocal(v));
        _mm256_store_pd(hardware[0], _mm256_div_pd(_mm256_set1_pd(1.0), v));
        _mm256_store_pd(mine[1], root(v));
        _mm256_store_pd(hardware[1], _mm256_sqrt_pd(v));
        for (int k = 0; k < 2; ++k) {
            Tally& tally = k == 0 ? reciprocals : roots;
            tally.compared += 4;
            if (k == 0 ? refinesReciprocals(v) : refinesRoots(v)) tally.refined += 4;
            for (int lane = 0; lane < 4; ++lane) {
                if (toBits(mine[k][lane]) == toBits(hardware[k][lane])) continue;
                if (++tally.differing <= 10)
                    std::printf("%s of %a: %a, hardware %a\n", tally.what, values[i + lane],
                                mine[k][lane], hardware[k][lane]);
            }
        }
    }
}

// Operands where a wrong rounding would show first.
std::vector<double> edgeOperands(Random& random) {
    std::vector<double> values;
    for (int e = -1100; e <= 1100; ++e) {
        const double power = std::ldexp(1.0, e);
        for (std::uint64_t k = 0; k < 64; ++k) {
            values.push_back(fromBits(toBits(power) + k));  // just above a power of two
            values.push_back(fromBits(toBits(power) - k));  // just below, all ones included
        }
    }
    // Exact roots: squares of doubles of 26 bits or fewer, around them, at many scales.
    for (int k = 0; k < 1000000; ++k) {
        const double s = std::ldexp(static_cast<double>(random.next() >> 38), k % 200 - 100);
        for (const std::uint64_t d : {0, 1, 2}) {
            values.push_back(fromBits(toBits(s * s) + d));
            values.push_back(fromBits(toBits(s * s) - d));
        }
    }
    // Results next to a midpoint M of two doubles in [1, 2): the hardest to round. Long
    // double holds M, M^2 and 1/M to 64 bits.
    for (int k = 0; k < 2000000; ++k) {
        const long double lo = fromBits(0x3ff0000000000000u | (random.next() & Significand));
        const long double mid = lo + std::ldexp(1.0L, -53);
        const double scale = std::ldexp(1.0, 2 * (k % 1000) - 1000);
        for (const double near : {static_cast<double>(mid * mid), static_cast<double>(1 / mid),
                                  static_cast<double>(1 / (2 * mid))})
            for (const std::uint64_t d : {0, 1, 2}) {
                values.push_back(fromBits(toBits(near) + d) * scale);
                values.push_back(fromBits(toBits(near) - d) * scale);
            }
    }
    const double special[] = {0.0,
                              -0.0,
                              1.0,
                              -1.0,
                              INFINITY,
                              -INFINITY,
                              NAN,
                              std::ldexp(1.0, -1074),
                              std::ldexp(1.0, -1022),
                              1.7976931348623157e308};
    for (const double s : special) values.push_back(s);
    while (values.size() % 4 != 0) values.push_back(2.0);
    return values;
}

using Clock = std::chrono::steady_clock;

// Nanoseconds per four lanes of each way, over independent operands: the least of five
// passes, as another process may take the processor during one.
template <class Way>
double timeWay(const std::vector<double>& in, Way way) {
    double least = 1e300;
    for (int pass = 0; pass < 5; ++pass) {
        __m256d sink = _mm256_setzero_pd();
        const auto start = Clock::now();
        for (int round = 0; round < 10; ++round)
            for (std::size_t i = 0; i < in.size(); i += 4)
                sink = _mm256_add_pd(sink, way(_mm256_loadu_pd(&in[i])));
        const double ns = std::chrono::duration<double, std::nano>(Clock::now() - start).count();
        alignas(32) double out[4];
        _mm256_store_pd(out, sink);
        if (out[0] == 12345.0) std::puts("");
        least = std::min(least, ns / (10.0 * static_cast<double>(in.size() / 4)));
    }
    return least;
}

}  // namespace

int main(int argc, char** argv) {
    if (!__builtin_cpu_supports("avx512f") || !__builtin_cpu_supports("avx512vl")) {
        std::puts("newton_check: this processor has no AVX-512; nothing to check");
        return 0;
    }
    const double billions = argc > 1 ? std::atof(argv[1]) : 1.0;
    Random random;
    Tally reciprocals{"1 /"}, roots{"sqrt"};
    compare(edgeOperands(random), reciprocals, roots);
    std::printf("edge operands: %llu compared, %llu reciprocals and %llu roots differ\n",
                static_cast<unsigned long long>(reciprocals.compared),
                static_cast<unsigned long long>(reciprocals.differing),
                static_cast<unsigned long long>(roots.differing));

    // Random operands in range: any significand, any exponent from 2^-1000 to 2^1000, and as
    // many again with the exponents of the force law (distances and their powers).
    std::vector<double> batch(1 << 16);
    const auto target = reciprocals.compared + static_cast<std::uint64_t>(billions * 1e9);
    const auto start = Clock::now();
    while (reciprocals.compared < target) {
        for (std::size_t i = 0; i < batch.size(); ++i) {
            const std::uint64_t r = random.next();
            const std::uint64_t exponent =
                (i & 1) ? 1023 - 1000 + (r >> 53) % 2001 : 1023 - 30 + (r >> 53) % 60;
            batch[i] = fromBits((exponent << 52) | (r & Significand));
        }
        compare(batch, reciprocals, roots);
    }
    const double seconds = std::chrono::duration<double>(Clock::now() - start).count();
    std::printf(
        "all operands: %llu reciprocals compared (%llu by Newton steps), %llu differ; %llu "
        "roots compared (%llu by Newton steps), %llu differ (%.0f s)\n",
        static_cast<unsigned long long>(reciprocals.compared),
        static_cast<unsigned long long>(reciprocals.refined),
        static_cast<unsigned long long>(reciprocals.differing),
        static_cast<unsigned long long>(roots.compared),
        static_cast<unsigned long long>(roots.refined),
        static_cast<unsigned long long>(roots.differing), seconds);

    std::vector<double> timing(4096);
    for (std::size_t i = 0; i < timing.size(); ++i)
        timing[i] = fromBits((1023ull - 5 + i % 10) << 52 | (random.next() & Significand));
    const __m256d ones = _mm256_set1_pd(1.0);
    std::printf(
        "ns per four lanes, independent operands: vdivpd %.2f, Newton %.2f (with the range "
        "test %.2f); vsqrtpd %.2f, Newton %.2f (with the range test %.2f)\n",
        timeWay(timing, [&](__m256d v) { return _mm256_div_pd(ones, v); }),
        timeWay(timing, [](__m256d v) { return newtonReciprocal(v); }),
        timeWay(timing, [](__m256d v) { return reciprocal(v); }),
        timeWay(timing, [](__m256d v) { return _mm256_sqrt_pd(v); }),
        timeWay(timing, [](__m256d v) { return newtonRoot(v); }),
        timeWay(timing, [](__m256d v) { return root(v); }));
    return reciprocals.differing + roots.differing == 0 ? 0 : 1;
}
