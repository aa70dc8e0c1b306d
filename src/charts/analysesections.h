#pragma once

#include <string>
#include <vector>

#include "analysis/energies.h"
#include "analysis/heating.h"
#include "analysis/structure.h"
#include "analysis/wandering.h"
#include "charts/plot.h"
#include "files/readings.h"
#include "model/project.h"

namespace zentova {

// One part of the analysis page: its files' stem, its heading, the words under it, more
// HTML (a table, may be empty), its numbers as CSV and its plot.
struct Section {
    std::string stem;
    std::string heading;
    std::string words;
    std::string extra;
    std::string csv;
    PlotContent plot;
};

// The page's parts: g(r) with the neighbour table, the wandering (mean square
// displacement), the density from the centre of mass, the kinetic energies of the readings.
Section rdfSection(const RadialDistribution& rdf, const Project& project);
Section msdSection(const Displacement& msd, const Project& project);
Section densitySection(const DensityProfile& profile, const Project& project);
// The energies' numbers are written as the readings are read: its csv is left empty.
Section energiesSection(const EnergyLines& lines, const Project& project);
// The heating curve of a run whose bath changed (holds from heatingCurve, not empty).
Section heatingSection(const std::vector<BathHold>& holds);

}  // namespace zentova
