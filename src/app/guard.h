#pragma once

#include "canvas/toolkit.h"
#include "model/project.h"

namespace zentova {

// The shipped examples may be opened, played back and shown, but not edited, recalculated
// or overwritten. True when the operation may go on; otherwise tells the user and returns
// false.
bool ExampleProjectGuard(Toolkit& toolkit, const ProjectSource& source);

}  // namespace zentova
