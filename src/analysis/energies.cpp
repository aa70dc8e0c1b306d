#include "analysis/energies.h"

#include <cstdio>

namespace zentova {

std::string energiesCsv(const ReadingsTable& readings) {
    std::string csv = "time,mean_kinetic_energy";
    for (int t : readings.types) csv += ",kinetic_energy_type_" + std::to_string(t);
    csv += '\n';
    for (const ReadingsRow& row : readings.rows) {
        char field[40];
        std::snprintf(field, sizeof field, "%.3f,%.10g", row.time, row.meanKineticEnergy);
        csv += field;
        for (std::size_t k = 0; k < readings.types.size(); ++k) {
            std::snprintf(field, sizeof field, ",%.10g",
                          k < row.typeKineticEnergy.size() ? row.typeKineticEnergy[k] : 0.0);
            csv += field;
        }
        csv += '\n';
    }
    return csv;
}

}  // namespace zentova
