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

// Takes a frame read from a trajectory into the frame shown: its time and particles
// 1..next.count. A frame with fewer particles than the one shown leaves the rest as the
// earlier frames had them.
inline void takeFrame(Frame& shown, const Frame& next) {
    for (int p = 1; p <= next.count; ++p) {
        for (int c = 0; c < 3; ++c) shown.positions[3 * p + c] = next.positions[3 * p + c];
        shown.types[p] = next.types[p];
    }
    shown.count = next.count;
    shown.time = next.time;
}

}  // namespace zentova
