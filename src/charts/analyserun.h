#pragma once

#include <ostream>

#include "charts/analyse.h"
#include "files/lammpsrun.h"

namespace zentova {

// --analyse for a LAMMPS run of an export: the same page and files as for a project, from
// the run's dump (read twice as a stream: the times, then the frames analysed) and, when
// there, its log's readings; every frame checked against the manifest. Returns the exit
// status; failures go to `err` as "zentova: ..." lines.
int runLammpsAnalysis(const LammpsRun& run, const AnalyseOptions& options, std::ostream& err);

}  // namespace zentova
