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

void fillUniform(RandomSource& random, double* out, int count) {
    constexpr std::uint32_t A = 134775813u;
    // Four steps at once: s[j + 4] = A^4 s[j] + (A^3 + A^2 + A + 1), modulo 2^32.
    constexpr std::uint32_t A4 = A * A * A * A;
    constexpr std::uint32_t C4 = A * A * A + A * A + A + 1u;
    constexpr double Scale = 1.0 / 4294967296.0;
    if (count < 8) {
        for (int j = 0; j < count; ++j) out[j] = RandomUniform(random);
        return;
    }
    // Seeds first (four independent chains), then the conversion in a separate loop that
    // runs on vector lanes.
    std::uint32_t seeds[4];
    seeds[0] = random.seed * A + 1u;
    for (int lane = 1; lane < 4; ++lane) seeds[lane] = seeds[lane - 1] * A + 1u;
    std::uint32_t block[256];
    for (int start = 0; start < count; start += 256) {
        const int size = count - start < 256 ? count - start : 256;
        int j = 0;
        for (; j + 4 <= size; j += 4)
            for (int lane = 0; lane < 4; ++lane) {
                block[j + lane] = seeds[lane];
                seeds[lane] = seeds[lane] * A4 + C4;
            }
        for (int lane = 0; j < size; ++j, ++lane) block[j] = seeds[lane];
        for (int k = 0; k < size; ++k) out[start + k] = static_cast<double>(block[k]) * Scale;
    }
    // Every value is a 32-bit seed times 2^-32, exactly, so the last one gives the seed back.
    random.seed = static_cast<std::uint32_t>(out[count - 1] * 4294967296.0);
}

}  // namespace zentova
