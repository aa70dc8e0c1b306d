#include "runs/description.h"

#include <QString>
#include <array>
#include <cmath>
#include <cstdio>
#include <map>

#include "files/numformat.h"
#include "view3d/viewwindow.h"

namespace zentova {

namespace {

std::string number(double value) {
    return formatSignificant(value, 3);
}

using Point = std::array<double, 3>;

double distance(const Point& a, const Point& b) {
    return std::sqrt((a[0] - b[0]) * (a[0] - b[0]) + (a[1] - b[1]) * (a[1] - b[1]) +
                     (a[2] - b[2]) * (a[2] - b[2]));
}

}  // namespace

std::string DescribeParticles(const Project& project, const ParticlePlaces& places,
                              double cubeHalfSize) {
    const int n = places.count();
    if (n <= 0) return "No particles are shown.";
    Point centre{};
    std::map<int, std::pair<Point, int>> types;  // each type's sum of positions and count
    for (int p = 1; p <= n; ++p) {
        auto& [sum, count] = types[places.type(p)];
        for (int c = 0; c < 3; ++c) {
            centre[c] += places.position(p, c) / n;
            sum[c] += places.position(p, c);
        }
        ++count;
    }
    double squares = 0.0;
    for (int p = 1; p <= n; ++p) {
        const Point at{places.position(p, 0), places.position(p, 1), places.position(p, 2)};
        squares += distance(at, centre) * distance(at, centre);
    }
    const double gyration = std::sqrt(squares / n);

    std::string text = std::to_string(n) + " particles of " + std::to_string(types.size()) +
                       (types.size() == 1 ? " type" : " types") + ":";
    std::string separator = " ";
    for (auto& [type, place] : types) {
        auto& [sum, count] = place;
        for (double& c : sum) c /= count;
        const double mass =
            type >= 1 && type <= MaxTypes ? project.masses[static_cast<std::size_t>(type)] : 0.0;
        text += separator + std::to_string(count) + " of type " + std::to_string(type) + " (mass " +
                number(mass) + ")";
        separator = ", ";
    }
    text += ". Radius of gyration " + number(gyration) + " in a cube of half edge " +
            number(cubeHalfSize) + ".";
    if (types.size() < 2) return text;
    double farthest = 0.0;
    std::pair<int, int> pair;
    for (auto a = types.begin(); a != types.end(); ++a) {
        for (auto b = std::next(a); b != types.end(); ++b) {
            const double d = distance(a->second.first, b->second.first);
            if (pair.first == 0 || d > farthest) {
                farthest = d;
                pair = {a->first, b->first};
            }
        }
    }
    const bool separated = farthest > 0.5 * gyration;
    text += separated ? " The types are separated: the centres of types "
                      : " The types are mixed: the centres of types ";
    text += std::to_string(pair.first) + " and " + std::to_string(pair.second) + " lie " +
            number(farthest) + " apart.";
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
    char text[64];
    std::snprintf(text, sizeof text, "t = %.3f", time);
    return text;
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
