#pragma once

namespace zentova {

// Fixed bounds of a project; all per-type and per-particle storage is sized by them.
inline constexpr int MaxTypes = 20;
inline constexpr int MaxParticles = 200;
inline constexpr int MaxNeighbours = 20;

// Positions of all particles followed by their velocities, three values each.
inline constexpr int StateSize = MaxParticles * 6;
inline constexpr int VelocityOffset = MaxParticles * 3;

}  // namespace zentova
