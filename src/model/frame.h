#pragma once

#include <array>
#include <cstdint>

#include "model/limits.h"

namespace zentova {

// One frame of a trajectory as the playback holds it, apart from the shared state.
struct Frame {
    int count = 0;
    double time = 0.0;
    std::array<double, 3 * (MaxParticles + 1)> positions{};  // particle p at 3p..3p+2
    std::array<std::uint8_t, MaxParticles + 1> types{};
};

}  // namespace zentova
