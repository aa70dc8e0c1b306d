#pragma once

#include <ostream>
#include <string>

#include "model/forcecurve.h"

namespace zentova {

// The forces editor's curve as CSV: "distance,force", then one line per sample, the
// distance with one decimal (0.1 ... 40.0, cube units) and the force in the shortest form
// that reads back to the same double.
std::string formatForceCsv(const ForceSamples& samples);

// The --force-table command: loads the project, checks the two type numbers (1..typeCount)
// and prints the CSV of the curve the editor plots for the project's coefficients on `out`.
// A failure is one "zentova: ..." line on `err`. Returns the exit status.
int runForceTable(const std::string& projectPath, const std::string& type1,
                  const std::string& type2, std::ostream& out, std::ostream& err);

}  // namespace zentova
