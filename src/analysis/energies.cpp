#include "analysis/energies.h"

#include <algorithm>
#include <cstdio>

namespace zentova {

std::string energiesCsvHeader(const std::vector<int>& types) {
    std::string csv = "time,mean_kinetic_energy";
    for (int t : types) csv += ",kinetic_energy_type_" + std::to_string(t);
    csv += '\n';
    return csv;
}

std::string energiesCsvRow(const ReadingsRow& row, std::size_t typeCount) {
    char field[400];
    std::snprintf(field, sizeof field, "%.3f,%.10g", row.time, row.meanKineticEnergy);
    std::string csv = field;
    for (std::size_t k = 0; k < typeCount; ++k) {
        std::snprintf(field, sizeof field, ",%.10g",
                      k < row.typeKineticEnergy.size() ? row.typeKineticEnergy[k] : 0.0);
        csv += field;
    }
    csv += '\n';
    return csv;
}

std::string energiesCsv(const ReadingsTable& readings) {
    std::string csv = energiesCsvHeader(readings.types);
    for (const ReadingsRow& row : readings.rows) csv += energiesCsvRow(row, readings.types.size());
    return csv;
}

EnergyLines::EnergyLines(std::vector<int> readingsTypes, std::size_t columns)
    : types(std::move(readingsTypes)), mean(columns), perType(types.size(), ThinnedLine(columns)) {}

void EnergyLines::add(const ReadingsRow& row) {
    if (meanEnergies.empty() || row.meanKineticEnergy > highestEnergy) {
        highestEnergy = row.meanKineticEnergy;
        highestTime = row.time;
        highestBath = row.bathFactor;
    }
    lowestBath = meanEnergies.empty() ? row.bathFactor : std::min(lowestBath, row.bathFactor);
    meanEnergies.push_back(row.meanKineticEnergy);
    mean.add(row.time, row.meanKineticEnergy);
    for (std::size_t k = 0; k < perType.size(); ++k)
        perType[k].add(row.time, k < row.typeKineticEnergy.size() ? row.typeKineticEnergy[k] : 0.0);
}

}  // namespace zentova
