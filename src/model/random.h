#pragma once

#include <cstdint>
#include <optional>

namespace zentova {

// The one pseudo-random generator of the process: a 32-bit linear congruential sequence
// shared by placement, the integrator's kicks and the decorative drawing.
struct RandomSource {
    std::uint32_t seed = 0;
    // When set, seeding takes this value instead of the clock, so runs can be repeated.
    std::optional<std::uint32_t> fixedSeed;
};

// The sequence's multiplier (its increment is 1), and the factor that reads a seed as a
// value in [0, 1): 1 / 2^32.
inline constexpr std::uint32_t RandomMultiplier = 134775813u;
inline constexpr double UniformScale = 1.0 / 4294967296.0;

// Seeds from the clock (the low 32 bits of a nanosecond counter), or from fixedSeed.
void SeedRandom(RandomSource& random);

// Next value in [0, 1): seed <- seed * 134775813 + 1 (mod 2^32), read as seed / 2^32.
inline double RandomUniform(RandomSource& random) {
    random.seed = random.seed * RandomMultiplier + 1u;
    return static_cast<double>(random.seed) * UniformScale;
}

// k steps of the sequence at once: seed <- seed * multiplier + increment (mod 2^32).
struct SequenceJump {
    std::uint32_t multiplier = 1u;
    std::uint32_t increment = 0u;
};
constexpr SequenceJump sequenceJump(int k) {
    SequenceJump jump;
    for (int i = 0; i < k; ++i) {
        jump.multiplier *= RandomMultiplier;
        jump.increment = jump.increment * RandomMultiplier + 1u;
    }
    return jump;
}

// Fills out[0..count) with the next `count` values of the sequence, in order: the same
// values as count calls of RandomUniform, computed in interleaved chains so that the
// multiplications do not wait for each other.
void fillUniform(RandomSource& random, double* out, int count);

// The same, centred and scaled: out[j] = (RandomUniform() - 0.5) * span, exactly.
void fillCentered(RandomSource& random, double* out, int count, double span);

}  // namespace zentova
