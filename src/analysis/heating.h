#pragma once

#include <string>
#include <vector>

#include "files/readings.h"

namespace zentova {

// One hold of the bath: a stretch of consecutive readings at one factor, and the mean kinetic
// energy per particle it settled at.
struct BathHold {
    double factor = 1.0;
    double from = 0.0;             // time of the hold's first reading
    double to = 0.0;               // and of its last
    int frames = 0;                // readings in the hold
    double meanKineticEnergy = 0;  // over the second half of them (the first, at least one)
};

// The heating curve of a run whose bath changed: its holds in the order of the run (heating
// and cooling at the same factor are two holds, so a loop shows where the run melted and
// froze at different temperatures). The first half of each hold is left out as the time the
// particles take to follow the bath. Empty when the bath never left one factor.
std::vector<BathHold> heatingCurve(const ReadingsTable& readings);

// The holds as CSV: "bath_factor,from_time,to_time,frames,mean_kinetic_energy", LF ends.
std::string heatingCsv(const std::vector<BathHold>& holds);

}  // namespace zentova
