#include "runs/description.h"

#include <QString>
#include <array>
#include <cmath>
#include <cstdio>
#include <map>

#include "canvas/axisnumbers.h"
#include "files/numformat.h"
#include "lang/language.h"
#include "view3d/viewwindow.h"

namespace zentova {

namespace {

// Three significant digits, with the class's decimal separator.
std::string number(double value) {
    return withScreenSeparator(formatSignificant(value, 3));
}

using Point = std::array<double, 3>;

double distance(const Point& a, const Point& b) {
    return std::sqrt((a[0] - b[0]) * (a[0] - b[0]) + (a[1] - b[1]) * (a[1] - b[1]) +
                     (a[2] - b[2]) * (a[2] - b[2]));
}

// Each type's centre (the mean of its positions) and its count of particles.
using TypeCentres = std::map<int, std::pair<Point, int>>;

TypeCentres typeCentres(const ParticlePlaces& places, int n) {
    TypeCentres types;
    for (int p = 1; p <= n; ++p) {
        auto& [sum, count] = types[places.type(p)];
        for (int c = 0; c < 3; ++c) sum[c] += places.position(p, c);
        ++count;
    }
    for (auto& entry : types) {
        auto& [sum, count] = entry.second;
        for (double& c : sum) c /= count;
    }
    return types;
}

double gyrationRadius(const ParticlePlaces& places, int n) {
    Point centre{};
    for (int p = 1; p <= n; ++p)
        for (int c = 0; c < 3; ++c) centre[c] += places.position(p, c) / n;
    double squares = 0.0;
    for (int p = 1; p <= n; ++p) {
        const Point at{places.position(p, 0), places.position(p, 1), places.position(p, 2)};
        squares += distance(at, centre) * distance(at, centre);
    }
    return std::sqrt(squares / n);
}

// The two types whose centres lie farthest apart (the first pair found of equal ones).
struct FarthestTypes {
    int typeA = 0;
    int typeB = 0;
    double apart = 0.0;
};

FarthestTypes farthestTypes(const TypeCentres& types) {
    FarthestTypes farthest;
    for (auto a = types.begin(); a != types.end(); ++a) {
        for (auto b = std::next(a); b != types.end(); ++b) {
            const double d = distance(a->second.first, b->second.first);
            if (farthest.typeA == 0 || d > farthest.apart) farthest = {a->first, b->first, d};
        }
    }
    return farthest;
}

}  // namespace

std::string DescribeParticles(const Project& project, const ParticlePlaces& places,
                              double cubeHalfSize) {
    const int n = places.count();
    if (n <= 0) return translated("ViewDescription", "No particles are shown.");
    const TypeCentres types = typeCentres(places, n);
    const double gyration = gyrationRadius(places, n);

    std::string list;
    for (const auto& [type, place] : types) {
        const int count = place.second;
        const double mass =
            type >= 1 && type <= MaxTypes ? project.masses[static_cast<std::size_t>(type)] : 0.0;
        if (!list.empty()) list += ", ";
        list += filled(translated("ViewDescription", "%1 of type %2 (mass %3)"),
                       {std::to_string(count), std::to_string(type), number(mass)});
    }
    const int typeCount = static_cast<int>(types.size());
    std::string text = filled(
        translated("ViewDescription",
                   "%1 particles of %n types: %2. Radius of gyration %3 in a cube of half edge %4.",
                   nullptr, typeCount),
        {std::to_string(n), list, number(gyration), number(cubeHalfSize)});
    if (types.size() < 2) return text;
    const FarthestTypes farthest = farthestTypes(types);
    const bool separated = farthest.apart > 0.5 * gyration;
    const std::string centres =
        separated ? translated("ViewDescription",
                               "The types are separated: the centres of types %1 and %2 lie %3 "
                               "apart.")
                  : translated("ViewDescription",
                               "The types are mixed: the centres of types %1 and %2 lie %3 apart.");
    text += ' ';
    text += filled(centres, {std::to_string(farthest.typeA), std::to_string(farthest.typeB),
                             number(farthest.apart)});
    return text;
}

ParticlePlaces statePlaces(const ParticleState& particles, int n) {
    return {[n] { return n; }, [&particles](int p, int c) { return particles.position(p, c); },
            [&particles](int p) { return static_cast<int>(particles.type[p]); }};
}

ParticlePlaces framePlaces(const Frame& frame) {
    return {[&frame] { return frame.count; },
            [&frame](int p, int c) { return frame.positions[3 * p + c]; },
            [&frame](int p) { return static_cast<int>(frame.types[p]); }};
}

std::string timeText(double time) {
    return filled(translated("Playback", "t = %1"), {screenNumber(time, 3)});
}

std::string readingsOnScreen(const Readings& r, double bath) {
    char energy[32];
    std::snprintf(energy, sizeof energy, "%.5g", r.meanKineticEnergy);
    return filled(
        translated("Calculation",
                   "t = %1   frames %2   %3 steps/s   mean kinetic energy %4 per "
                   "particle   bath x %5"),
        {screenNumber(r.time, 3), std::to_string(r.frames), screenNumber(r.stepsPerSecond, 0),
         withScreenSeparator(energy), screenNumber(bath, 2)});
}

RunWords::RunWords(TForm2& view, std::function<std::string()> facts, const Project& project,
                   ParticlePlaces places, double cubeHalfSize)
    : m_view(view) {
    view.setRunFacts([facts = std::move(facts)] { return QString::fromStdString(facts()); });
    view.setDescriber([&project, places = std::move(places), cubeHalfSize] {
        return QString::fromStdString(DescribeParticles(project, places, cubeHalfSize));
    });
}

RunWords::~RunWords() {
    m_view.setRunFacts({});
    m_view.setDescriber({});
}

}  // namespace zentova
