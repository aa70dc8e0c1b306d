#include "reliability/randomproject.h"

#include <algorithm>
#include <cmath>
#include <random>
#include <string>

namespace zentova::testing {

namespace {

// mt19937's outputs are fixed by the standard; the distributions of <random> are not, so
// the values are derived from the raw outputs here.
class Draw {
  public:
    explicit Draw(std::uint32_t seed) : m_engine(seed) {}
    double uniform(double low, double high) {
        return low + (high - low) * (static_cast<double>(m_engine()) / 4294967296.0);
    }
    int integer(int low, int high) {  // low..high inclusive
        const auto span = static_cast<std::uint64_t>(high - low + 1);
        return low + static_cast<int>(m_engine() % span);
    }

  private:
    std::mt19937 m_engine;
};

}  // namespace

Project randomProject(std::uint32_t seed) {
    Draw draw(seed);
    Project project;
    project.name = "Random " + std::to_string(seed);
    project.typeCount = draw.integer(1, MaxTypes);
    project.ae = draw.uniform(0.0, 2.0);
    project.ag = draw.uniform(0.0, 1.0);
    project.ar = draw.uniform(0.0, 2.0);

    // The total first, then shared out by random weights, so that few and many particles
    // are equally likely whatever the number of types.
    const int total = draw.integer(1, MaxParticles);
    double weights[MaxTypes + 1] = {};
    double sum = 0.0;
    for (int t = 1; t <= project.typeCount; ++t) sum += weights[t] = draw.uniform(0.0, 1.0);
    int placed = 0;
    for (int t = 1; t <= project.typeCount; ++t) {
        project.counts[t] = static_cast<std::int32_t>(std::floor(total * weights[t] / sum));
        placed += project.counts[t];
    }
    for (; placed < total; ++placed) ++project.counts[draw.integer(1, project.typeCount)];
    project.particleCount = sumOfCounts(project);

    for (int t = 1; t <= project.typeCount; ++t) {
        project.masses[t] = std::exp(draw.uniform(std::log(0.1), std::log(10.0)));
        project.charges[t] = draw.integer(-3, 3);
        project.diameters[t] = draw.uniform(2.0, 12.0);
        project.colors[t] = {static_cast<std::uint8_t>(draw.integer(0, 255)),
                             static_cast<std::uint8_t>(draw.integer(0, 255)),
                             static_cast<std::uint8_t>(draw.integer(0, 255))};
    }
    return project;
}

Settings defaultSettingsFor(const Project& project) {
    Settings settings;
    DefaultStepRule(settings, project);
    return settings;
}

}  // namespace zentova::testing
