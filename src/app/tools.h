#pragma once

namespace zentova {

// The commands beside the calculation, each a word and fixed arguments:
//   --export-xyz PROJECT [OUT]    the trajectory as extended XYZ (OUT: the stem + ".xyz")
//   --snapshot PROJECT OUT.png    a picture of the final state
//   --force-table PROJECT T1 T2   the forces editor's curve as CSV on standard output
// Returns the exit status, or -1 when argv[1] names none of them.
int runToolCommand(int argc, char** argv);

}  // namespace zentova
