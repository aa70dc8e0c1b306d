#pragma once

#include "runs/programstate.h"

namespace zentova {

// The one instance of the process.
ProgramState& Program();

}  // namespace zentova
