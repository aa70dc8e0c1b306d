#pragma once

#include "cli/commandline.h"

namespace zentova {

// --snapshot PROJECT OUT.png: draws the final state as the view shows it into a PNG file,
// on the display the environment names or on a virtual screen of its own. Returns the exit
// status.
int snapshotCommand(const CommandCall& call);

}  // namespace zentova
