#include "lammps/bath.h"

#include <algorithm>
#include <cmath>

#include "model/integrator.h"

namespace zentova {

double kickShare() {
    const double adams = RestartInterval - StartupSteps;
    double sum = StartupSteps * 1.0;    // midpoint steps: the second evaluation's kicks
    sum += adams * 25.0 / 144.0;        // corrector: the predicted point's, 5/12
    sum += (adams - 1) * 49.0 / 144.0;  // the current point's 8/12, less 1/12 one step later
    sum += 64.0 / 144.0;                // the cycle's last Adams step: the restart drops it
    sum += 1.0 / 144.0;                 // the first Adams step's history: a midpoint's k1
    return sum / RestartInterval;
}

double kickForceVariance(int slots) {
    return kickShare() * std::max(slots, 0) * KickSpan * KickSpan / 12.0;
}

double bathTemperature(int slots, double step, double damping, double mass) {
    return kickForceVariance(slots) * step / (2.0 * damping * mass);
}

int neighbourSlots(const Project& project) {
    return std::clamp(sumOfCounts(project) - 1, 0, MaxNeighbours);
}

std::vector<BathSegment> bathSegments(const BathSchedule& schedule, double startTime, double step,
                                      long long steps) {
    std::vector<BathSegment> segments{
        {0, bathFactorAt(schedule, startTime + 0.5 * step), startTime}};
    for (const BathChange& change : schedule) {
        // The first step k whose start plus half a step reaches the change's time.
        const double first = std::ceil((change.time - startTime) / step - 0.5);
        if (!(first > 0.0) || first >= static_cast<double>(steps)) continue;
        if (change.factor == segments.back().factor) continue;
        segments.push_back({static_cast<long long>(first), change.factor, change.time});
    }
    return segments;
}

}  // namespace zentova
