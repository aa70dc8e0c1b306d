#pragma once

#include <array>
#include <vector>

namespace zentova {

// Fixed bounds of a project; all per-type and per-particle storage is sized by them.
inline constexpr int MaxTypes = 20;
inline constexpr int MaxParticles = 200;
inline constexpr int MaxNeighbours = 20;

// Positions of all particles followed by their velocities, three values each.
inline constexpr int StateSize = MaxParticles * 6;
inline constexpr int VelocityOffset = MaxParticles * 3;

// Where each type number (1..MaxTypes) stands in `types`, a list of distinct type numbers
// (the columns of a table by type): slot[types[k]] == k, and -1 for a type not in it.
inline std::array<int, MaxTypes + 1> typeSlots(const std::vector<int>& types) {
    std::array<int, MaxTypes + 1> slot;
    slot.fill(-1);
    for (std::size_t k = 0; k < types.size(); ++k) slot[types[k]] = static_cast<int>(k);
    return slot;
}

}  // namespace zentova
