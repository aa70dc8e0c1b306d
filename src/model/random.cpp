#include "model/random.h"

#include <chrono>

namespace zentova {

void SeedRandom(RandomSource& random) {
    if (random.fixedSeed) {
        random.seed = *random.fixedSeed;
        return;
    }
    const auto ticks = std::chrono::steady_clock::now().time_since_epoch();
    const auto ns = std::chrono::duration_cast<std::chrono::nanoseconds>(ticks).count();
    random.seed = static_cast<std::uint32_t>(ns);
}

namespace {

// A^k and A^(k-1) + ... + A + 1, modulo 2^32: k steps of the sequence at once.
constexpr std::uint32_t jumpMultiplier(int k) {
    std::uint32_t m = 1u;
    for (int i = 0; i < k; ++i) m *= RandomMultiplier;
    return m;
}
constexpr std::uint32_t jumpIncrement(int k) {
    std::uint32_t c = 0u;
    for (int i = 0; i < k; ++i) c = c * RandomMultiplier + 1u;
    return c;
}

// The next `count` seeds of the sequence, in order, computed in 32 interleaved chains
// (s[j + 32] = A^32 s[j] + A^31 + ... + A + 1, modulo 2^32) so that the multiplications do
// not wait for each other and share vector lanes; `convert` turns each block into values.
template <typename Convert>
inline void fillSeeds(RandomSource& random, int count, Convert convert) {
    constexpr int Lanes = 32;
    constexpr std::uint32_t A = RandomMultiplier;
    constexpr std::uint32_t AJ = jumpMultiplier(Lanes);
    constexpr std::uint32_t CJ = jumpIncrement(Lanes);
    std::uint32_t lanes[Lanes];
    lanes[0] = random.seed * A + 1u;
    for (int lane = 1; lane < Lanes; ++lane) lanes[lane] = lanes[lane - 1] * A + 1u;
    alignas(32) std::uint32_t block[256];
    for (int start = 0; start < count; start += 256) {
        const int size = count - start < 256 ? count - start : 256;
        int j = 0;
        for (; j + Lanes <= size; j += Lanes)
            for (int lane = 0; lane < Lanes; ++lane) {
                block[j + lane] = lanes[lane];
                lanes[lane] = lanes[lane] * AJ + CJ;
            }
        for (int lane = 0; j < size; ++j, ++lane) block[j] = lanes[lane];
        convert(block, start, size);
        random.seed = block[size - 1];
    }
}

}  // namespace

__attribute__((target_clones("avx2", "default"))) void fillUniform(RandomSource& random,
                                                                   double* out, int count) {
    fillSeeds(random, count, [out](const std::uint32_t* seeds, int start, int size) {
        for (int k = 0; k < size; ++k)
            out[start + k] = static_cast<double>(seeds[k]) * UniformScale;
    });
}

__attribute__((target_clones("avx2", "default"))) void fillCentered(RandomSource& random,
                                                                    double* out, int count,
                                                                    double span) {
    // seed * 2^-32 - 0.5 is (seed - 2^31) * 2^-32 exactly, and as a signed 32-bit number the
    // difference converts to double on vector lanes. Scaling by a power of two is exact, so
    // one multiplication by span * 2^-32 rounds as (u - 0.5) * span does.
    const double factor = span * UniformScale;
    fillSeeds(random, count, [out, factor](const std::uint32_t* seeds, int start, int size) {
        for (int k = 0; k < size; ++k)
            out[start + k] =
                static_cast<double>(static_cast<std::int32_t>(seeds[k] ^ 0x80000000u)) * factor;
    });
}

}  // namespace zentova
