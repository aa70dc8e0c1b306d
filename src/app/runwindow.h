#pragma once

#include "files/lammpsrun.h"

namespace zentova {

// `zentova DIR` for a LAMMPS run's folder (or its in.STEM): the run replayed in the view
// window alone, the settings of the current folder's setupek.dat; the program ends when the
// replay is dismissed. Returns the exit status.
int replayRunOnDesktop(const LammpsRun& run, int argc, char** argv);

}  // namespace zentova
