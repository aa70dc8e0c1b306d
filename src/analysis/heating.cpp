#include "analysis/heating.h"

#include <cstdio>

namespace zentova {

std::vector<BathHold> heatingCurve(const ReadingsTable& readings, double relaxationTime) {
    std::vector<BathHold> holds;
    const std::vector<ReadingsRow>& rows = readings.rows;
    for (std::size_t begin = 0; begin < rows.size();) {
        std::size_t end = begin + 1;
        while (end < rows.size() && rows[end].bathFactor == rows[begin].bathFactor) ++end;
        BathHold hold;
        hold.factor = rows[begin].bathFactor;
        hold.from = rows[begin].time;
        hold.to = rows[end - 1].time;
        hold.frames = static_cast<int>(end - begin);
        const std::size_t settled = begin + (end - begin) / 2;
        hold.framesInMean = static_cast<int>(end - settled);
        double sum = 0.0;
        for (std::size_t k = settled; k < end; ++k) sum += rows[k].meanKineticEnergy;
        hold.meanKineticEnergy = sum / static_cast<double>(end - settled);
        // The bath changed at the latest at the hold's first reading: timed from there, the
        // time the particles had to follow it is never overstated.
        hold.settled = hold.framesInMean >= FewestFramesInMean &&
                       rows[settled].time - rows[begin].time >= relaxationTime;
        holds.push_back(hold);
        begin = end;
    }
    if (holds.size() < 2) holds.clear();
    return holds;
}

std::string heatingCsv(const std::vector<BathHold>& holds) {
    std::string csv =
        "bath_factor,from_time,to_time,frames,mean_kinetic_energy,frames_in_mean,settled\n";
    for (const BathHold& hold : holds) {
        char line[200];
        std::snprintf(line, sizeof line, "%.10g,%.3f,%.3f,%d,%.10g,%d,%s\n", hold.factor, hold.from,
                      hold.to, hold.frames, hold.meanKineticEnergy, hold.framesInMean,
                      hold.settled ? "yes" : "no");
        csv += line;
    }
    return csv;
}

}  // namespace zentova
