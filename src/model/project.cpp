#include "model/project.h"

#include <charconv>
#include <cmath>
#include <cstdio>

namespace zentova {

std::int32_t sumOfCounts(const Project& project) {
    std::int64_t sum = 0;
    const int types = project.typeCount < MaxTypes ? project.typeCount : MaxTypes;
    for (int t = 1; t <= types; ++t) sum += project.counts[t];
    if (sum > INT32_MAX) return INT32_MAX;
    if (sum < INT32_MIN) return INT32_MIN;
    return static_cast<std::int32_t>(sum);
}

std::optional<std::string> diameterProblem(double diameter, int type) {
    if (!std::isfinite(diameter))
        return "type " + std::to_string(type) + " has a diameter that is not a number";
    if (std::fabs(diameter) > MaxDiameter) {
        // The shortest digits that give the value back: 1000001 is not 1e+06 beside the
        // bound, and 1e308 is not 309 digits.
        char value[32];
        const auto written = std::to_chars(value, value + sizeof value, diameter);
        char text[160];
        std::snprintf(text, sizeof text,
                      "type %d has a diameter of %.*s, diameters run from -%.0f to %.0f", type,
                      static_cast<int>(written.ptr - value), value, MaxDiameter, MaxDiameter);
        return text;
    }
    return std::nullopt;
}

std::optional<std::string> projectProblem(const Project& project) {
    if (project.typeCount < 0) return "the number of types is negative";
    if (project.typeCount > MaxTypes)
        return std::to_string(project.typeCount) + " particle types, at most " +
               std::to_string(MaxTypes) + " are allowed";
    std::int64_t total = 0;
    for (int t = 1; t <= project.typeCount; ++t) {
        const std::string type = "type " + std::to_string(t);
        if (project.counts[t] < 0) return type + " has a negative particle count";
        total += project.counts[t];
        if (!std::isfinite(project.masses[t])) return type + " has a mass that is not a number";
        if (project.masses[t] == 0.0 && project.counts[t] > 0) return type + " has a mass of 0";
        if (const auto problem = diameterProblem(project.diameters[t], t)) return problem;
    }
    if (total > MaxParticles)
        return std::to_string(total) + " particles in all, at most " +
               std::to_string(MaxParticles) + " are allowed";
    if (!std::isfinite(project.ae) || !std::isfinite(project.ag) || !std::isfinite(project.ar))
        return "a force coefficient is not a number";
    return std::nullopt;
}

std::string baseNameOf(const std::string& path) {
    const auto slash = path.find_last_of('/');
    const std::size_t nameStart = slash == std::string::npos ? 0 : slash + 1;
    // A leading dot marks a hidden file, not an extension.
    const auto dot = path.find('.', nameStart + 1);
    if (dot == std::string::npos || nameStart >= path.size()) return path;
    return path.substr(0, dot);
}

void setProjectPath(ProjectSource& source, const std::string& path) {
    source.path = path;
    source.baseName = baseNameOf(path);
}

}  // namespace zentova
