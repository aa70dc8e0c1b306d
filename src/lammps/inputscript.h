#pragma once

#include <string>

#include "lammps/system.h"

namespace zentova {

// The input script, with the mapping of the model onto LAMMPS in its comments.
std::string inputScript(const LammpsSystem& system);

// How to run it, in a few lines.
std::string readmeText(const LammpsSystem& system);

}  // namespace zentova
