#pragma once

#include <cstdint>

#include "model/project.h"
#include "model/settings.h"

namespace zentova::testing {

// A valid project drawn from `seed`, the same on every machine: 1..20 types, 1..200
// particles in all (a type may have none), masses 0.1..10 (even in the logarithm), charges
// -3..3, diameters 2..12, ae 0..2, ag 0..1, ar 0..2.
Project randomProject(std::uint32_t seed);

// The settings a user gets for it with "Back to defaults": the step of DefaultStepRule.
Settings defaultSettingsFor(const Project& project);

}  // namespace zentova::testing
