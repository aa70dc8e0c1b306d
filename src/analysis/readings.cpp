#include "analysis/readings.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <fstream>
#include <string_view>

#include "files/atomicfile.h"
#include "model/energy.h"

namespace zentova {

namespace {

constexpr const char* TypeColumnPrefix = "kinetic_energy_type_";

std::vector<std::string_view> splitFields(std::string_view line) {
    std::vector<std::string_view> fields;
    std::size_t start = 0;
    for (;;) {
        const std::size_t comma = line.find(',', start);
        fields.push_back(line.substr(start, comma - start));
        if (comma == std::string_view::npos) break;
        start = comma + 1;
    }
    return fields;
}

bool parseReal(std::string_view text, double& value) {
    const auto [ptr, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    return ec == std::errc() && ptr == text.data() + text.size() && std::isfinite(value);
}

}  // namespace

std::vector<int> readingsTypes(const Project& project) {
    std::vector<int> types;
    for (int t = 1; t <= project.typeCount && t <= MaxTypes; ++t)
        if (project.counts[t] > 0) types.push_back(t);
    return types;
}

ReadingsRow computeReadings(const Project& project, const std::vector<int>& types,
                            const ParticleState& particles, int n, long long frames) {
    ReadingsRow row;
    row.time = particles.time;
    row.frames = frames;
    row.typeKineticEnergy.assign(types.size(), 0.0);
    n = std::clamp(n, 0, MaxParticles);
    if (n == 0) return row;
    std::vector<int> column(MaxTypes + 1, -1);
    for (std::size_t k = 0; k < types.size(); ++k) column[types[k]] = static_cast<int>(k);
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
    std::string header = "time,frames,mean_kinetic_energy";
    for (int t : types) header += "," + std::string(TypeColumnPrefix) + std::to_string(t);
    header += ",mean_speed,radius_of_gyration,largest_distance_from_centre";
    return header;
}

std::string formatReadingsRow(const ReadingsRow& row) {
    char field[48];
    std::snprintf(field, sizeof field, "%.3f,%lld", row.time, row.frames);
    std::string line = field;
    const auto add = [&](double value) {
        std::snprintf(field, sizeof field, ",%.10g", std::isfinite(value) ? value : 0.0);
        line += field;
    };
    add(row.meanKineticEnergy);
    for (double e : row.typeKineticEnergy) add(e);
    add(row.meanSpeed);
    add(row.radiusOfGyration);
    add(row.largestDistance);
    line += '\n';
    return line;
}

ReadingsTable parseReadings(std::istream& in) {
    ReadingsTable table;
    std::string line;
    int lineNo = 0;
    const auto strip = [](std::string& text) {
        while (!text.empty() && (text.back() == '\r' || text.back() == '\n')) text.pop_back();
    };
    if (!std::getline(in, line)) return table;
    ++lineNo;
    strip(line);
    const std::vector<std::string_view> names = splitFields(line);
    const std::size_t fixedColumns = 6;
    if (names.size() < fixedColumns || names[0] != "time" || names[1] != "frames" ||
        names[2] != "mean_kinetic_energy" || names[names.size() - 3] != "mean_speed" ||
        names[names.size() - 2] != "radius_of_gyration" ||
        names.back() != "largest_distance_from_centre") {
        table.badLine = 1;
        return table;
    }
    const std::string_view prefix = TypeColumnPrefix;
    for (std::size_t k = 3; k + 3 < names.size(); ++k) {
        int type = 0;
        const std::string_view name = names[k];
        const auto [ptr, ec] =
            name.substr(0, prefix.size()) == prefix
                ? std::from_chars(name.data() + prefix.size(), name.data() + name.size(), type)
                : std::from_chars_result{name.data(), std::errc::invalid_argument};
        if (ec != std::errc() || ptr != name.data() + name.size() || type < 1 || type > MaxTypes) {
            table.badLine = 1;
            return table;
        }
        table.types.push_back(type);
    }
    table.headerKnown = true;
    while (std::getline(in, line)) {
        ++lineNo;
        // A last line without its line end may be a write cut short: it does not count.
        const bool ended = !in.eof();
        strip(line);
        const std::vector<std::string_view> fields = splitFields(line);
        ReadingsRow row;
        double values[6];
        bool good = ended && fields.size() == names.size();
        if (good) {
            double frames = 0;
            good = parseReal(fields[0], row.time) && parseReal(fields[1], frames) && frames >= 0 &&
                   frames == std::floor(frames);
            row.frames = static_cast<long long>(frames);
            for (std::size_t k = 2; good && k < fields.size(); ++k) {
                double value = 0.0;
                good = parseReal(fields[k], value);
                if (k == 2)
                    values[0] = value;
                else if (k + 3 < fields.size())
                    row.typeKineticEnergy.push_back(value);
                else
                    values[k + 3 - fields.size() + 1] = value;
            }
        }
        if (!good) {
            table.badLine = lineNo;
            break;
        }
        row.meanKineticEnergy = values[0];
        row.meanSpeed = values[1];
        row.radiusOfGyration = values[2];
        row.largestDistance = values[3];
        table.rows.push_back(std::move(row));
    }
    return table;
}

ReadingsTable loadReadings(const std::string& path) {
    // A FIFO or a device in its place would keep the reader waiting.
    if (!isRegularFile(path)) return {};
    std::ifstream in(path, std::ios::binary);
    if (!in) return {};
    return parseReadings(in);
}

std::string readingsPathOf(const std::string& baseName) {
    return baseName + ".readings.csv";
}

}  // namespace zentova
