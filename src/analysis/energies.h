#pragma once

#include <string>

#include "files/readings.h"

namespace zentova {

// The kinetic energies of a run's readings as CSV text: "time,mean_kinetic_energy,
// kinetic_energy_type_1,...", a row per reading, time to 3 decimals, energies to 10
// significant digits, "." decimals, LF line ends.
std::string energiesCsv(const ReadingsTable& readings);

}  // namespace zentova
