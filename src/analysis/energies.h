#pragma once

#include <string>
#include <vector>

#include "analysis/thinning.h"
#include "files/readingsreader.h"

namespace zentova {

// The kinetic energies of a run's readings as CSV text: "time,mean_kinetic_energy,
// kinetic_energy_type_1,...", a row per reading, time to 3 decimals, energies to 10
// significant digits, "." decimals, LF line ends.
std::string energiesCsv(const ReadingsTable& readings);
// The same a line at a time: the header with its line end, and one row with its line end
// (`typeCount` energies of types, 0 for those the row lacks).
std::string energiesCsvHeader(const std::vector<int>& types);
std::string energiesCsvRow(const ReadingsRow& row, std::size_t typeCount);

// The kinetic energies against time as a plot draws them, thinned as the rows come (see
// ThinnedLine): the mean of all particles, and the mean of each type in `types`.
struct EnergyLines {
    explicit EnergyLines(std::vector<int> readingsTypes, std::size_t columns = 800);
    void add(const ReadingsRow& row);

    std::vector<int> types;
    ThinnedLine mean;
    std::vector<ThinnedLine> perType;

    // What the words on a spike need, kept whole while the lines are thinned: every row's
    // mean energy (the second half's mean is known only at the end), the first highest row,
    // and the lowest bath of the run.
    std::vector<double> meanEnergies;
    double highestEnergy = 0.0;
    double highestTime = 0.0;
    double highestBath = 0.0;
    double lowestBath = 0.0;
};

}  // namespace zentova
