#include "files/readings.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <fstream>
#include <optional>
#include <string_view>
#include <utility>

#include "files/fileio.h"
#include "model/energy.h"
#include "model/limits.h"

namespace zentova {

std::vector<int> readingsTypes(const Project& project) {
    std::vector<int> types;
    for (int t = 1; t <= project.typeCount && t <= MaxTypes; ++t)
        if (project.counts[t] > 0) types.push_back(t);
    return types;
}

ReadingsRow computeReadings(const Project& project, const std::vector<int>& types,
                            const ParticleState& particles, int n, long long frame) {
    ReadingsRow row;
    row.time = particles.time;
    row.frame = frame;
    row.typeKineticEnergy.assign(types.size(), 0.0);
    n = std::clamp(n, 0, MaxParticles);
    if (n == 0) return row;
    const auto column = typeSlots(types);
    std::vector<int> typeCount(types.size(), 0);
    double sum = 0.0;
    double speeds = 0.0;
    double centre[3] = {0.0, 0.0, 0.0};
    for (int p = 1; p <= n; ++p) {
        const int type = particles.type[p];
        const double energy = kineticEnergy(project, particles, p);
        sum += energy;
        speeds += std::sqrt(speedSquared(particles, p));
        if (type >= 1 && type <= MaxTypes && column[type] >= 0) {
            row.typeKineticEnergy[column[type]] += energy;
            ++typeCount[column[type]];
        }
        double r2 = 0.0;
        for (int c = 0; c < 3; ++c) {
            centre[c] += particles.position(p, c);
            r2 += particles.position(p, c) * particles.position(p, c);
        }
        row.largestDistance = std::max(row.largestDistance, std::sqrt(r2));
    }
    row.meanKineticEnergy = sum / n;
    row.meanSpeed = speeds / n;
    for (std::size_t k = 0; k < types.size(); ++k)
        if (typeCount[k] > 0) row.typeKineticEnergy[k] /= typeCount[k];
    for (double& c : centre) c /= n;
    double spread = 0.0;
    for (int p = 1; p <= n; ++p)
        for (int c = 0; c < 3; ++c) {
            const double d = particles.position(p, c) - centre[c];
            spread += d * d;
        }
    row.radiusOfGyration = std::sqrt(spread / n);
    return row;
}

std::string readingsHeader(const std::vector<int>& types) {
    std::string header = "time,frame,mean_kinetic_energy";
    for (int t : types) header += "," + std::string(TypeColumnPrefix) + std::to_string(t);
    header += ",mean_speed,radius_of_gyration,largest_distance_from_centre,";
    return header + BathColumn;
}

std::string formatReadingsRow(const ReadingsRow& row) {
    // Room for the longest time "%.3f" gives (a finite double has at most 309 digits before
    // the point): a row is never cut.
    char field[400];
    std::snprintf(field, sizeof field, "%.3f,%lld", row.time, row.frame);
    std::string line = field;
    const auto add = [&](double value) {
        if (!std::isfinite(value)) value = 0.0;
        std::snprintf(field, sizeof field, ",%.10g", value);
        // Rounded to 10 digits, the largest doubles would read back as beyond any double.
        double back = 0.0;
        if (!fileio::parseFiniteReal(field + 1, back))
            std::snprintf(field, sizeof field, ",%.17g", value);
        line += field;
    };
    add(row.meanKineticEnergy);
    for (double e : row.typeKineticEnergy) add(e);
    add(row.meanSpeed);
    add(row.radiusOfGyration);
    add(row.largestDistance);
    add(row.bathFactor);
    line += '\n';
    return line;
}

std::string readingsPathOf(const std::string& baseName) {
    return baseName + ".readings.csv";
}

}  // namespace zentova
