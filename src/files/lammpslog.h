#pragma once

#include <istream>

#include "files/lammpsmanifest.h"
#include "files/readingsreader.h"

namespace zentova {

// Reads a run's log.lammps into readings, checked against the manifest: the thermo tables
// of every run in it (a WARNING inside a table is passed over, a run's first row repeating
// the last one's step replaces it), the rows at the model's frames (step a whole number of
// frame intervals, from the first) in the readings file's columns. A table without the
// export's columns, a row that is not one (cut short, a value not a finite number) or a
// step that goes back is left out, the first such line in badLine; a log cut before "Loop
// time" keeps its whole rows.
ReadingsTable parseLammpsLog(std::istream& in, const LammpsManifest& manifest);

}  // namespace zentova
