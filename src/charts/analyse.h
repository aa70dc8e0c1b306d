#pragma once

#include <optional>
#include <ostream>
#include <string>

namespace zentova {

// What --analyse reads and where it writes.
struct AnalyseOptions {
    std::string projectPath;
    std::string outFolder;  // empty: the project's stem + "-analysis"
    std::optional<double> from;
    std::optional<double> to;
    bool overwrite = false;  // replace files of the same names in the output folder
};

// Reads the project, its trajectory and (when there) its readings, and writes into the
// output folder the radial distribution functions with the coordination numbers, the mean
// square displacements, the density profiles and the kinetic energies, each as CSV and as a
// PNG and an SVG plot, and index.html that shows them with a few words each, as one set of
// the output writer checked before the trajectory is read. Progress and
// failures go to `err` as "zentova: ..." lines. Needs a QApplication. Returns the exit
// status.
int runAnalysis(const AnalyseOptions& options, std::ostream& err);

}  // namespace zentova
