#pragma once

#include <string>
#include <vector>

#include "files/readingsreader.h"
#include "model/settings.h"

namespace zentova {

// How long the bath takes to bring the particles' motion to its temperature: the damping
// slows a velocity e times in 1 / damping (0.05 time units with the setup's damping).
inline constexpr double BathRelaxationTime = 1.0 / DefaultDamping;

// The fewest readings a hold's second half must have for its mean to stand for the hold:
// one or two readings are one moment's chance, not a settled level.
inline constexpr int FewestFramesInMean = 3;

// One hold of the bath: a stretch of consecutive readings at one factor, and the mean kinetic
// energy per particle it settled at.
struct BathHold {
    double factor = 1.0;
    double from = 0.0;             // time of the hold's first reading
    double to = 0.0;               // and of its last
    int frames = 0;                // readings in the whole hold
    int framesInMean = 0;          // readings in its second half, which the mean is taken over
    double meanKineticEnergy = 0;  // over the second half of them (the first, at least one)
    // Whether the second half began at least a relaxation time after the hold's first
    // reading and holds FewestFramesInMean readings or more. An unsettled hold's energy
    // still lags behind its bath and says nothing about how the particles answer it.
    bool settled = false;
};

// The heating curve of a run whose bath changed: its holds in the order of the run (heating
// and cooling at the same factor are two holds, so a loop shows where the run melted and
// froze at different temperatures). The first half of each hold is left out as the time the
// particles take to follow the bath. Empty when the bath never left one factor.
std::vector<BathHold> heatingCurve(const ReadingsTable& readings,
                                   double relaxationTime = BathRelaxationTime);

// The holds as CSV: "bath_factor,from_time,to_time,frames,mean_kinetic_energy,
// frames_in_mean,settled" (settled "yes" or "no"), LF ends.
std::string heatingCsv(const std::vector<BathHold>& holds);

}  // namespace zentova
