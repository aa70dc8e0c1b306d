#include "lammps/pairtable.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <numeric>

#include "model/force.h"

namespace zentova {

namespace {

std::uint32_t floatBits(float value) {
    std::uint32_t bits = 0;
    std::memcpy(&bits, &value, sizeof bits);
    return bits;
}

float bitsFloat(std::uint32_t bits) {
    float value = 0.0f;
    std::memcpy(&value, &bits, sizeof value);
    return value;
}

constexpr int FloatMantissaDigits = 24;

}  // namespace

BitmapLayout bitmapLayout(double inner, double cutoff) {
    BitmapLayout layout;
    layout.inner = inner;
    layout.cutoff = cutoff;
    // The octave holding the inner r^2, then as many exponent bits as the range from there
    // to the cutoff's r^2 needs: e bits cover 2^(2^e) octaves.
    const int lowest = std::ilogb(inner * inner);
    const double range = cutoff * cutoff / std::ldexp(1.0, lowest);
    // A float's exponent has 8 bits: no table can span more octaves than they count (and a
    // cutoff beyond them, even an infinite one, gets the widest table, not a shift past 31).
    constexpr int MostExponentBits = 8;
    int exponentBits = 0;
    for (double available = 2.0; available < range && exponentBits < MostExponentBits;)
        available = std::ldexp(1.0, 1 << ++exponentBits);
    layout.bits = exponentBits + TableMantissaBits;
    layout.shiftBits = FloatMantissaDigits - (TableMantissaBits + 1);
    const std::uint32_t mask = (std::uint32_t{1} << (layout.bits + layout.shiftBits)) - 1u;
    layout.high = floatBits(static_cast<float>(cutoff * cutoff)) & ~mask;
    layout.low = floatBits(static_cast<float>(inner * inner)) & ~mask;
    return layout;
}

std::vector<double> bitmapDistances(const BitmapLayout& layout) {
    const int count = 1 << layout.bits;
    std::vector<double> r(static_cast<std::size_t>(count));
    for (int i = 0; i < count; ++i) {
        const std::uint32_t index = static_cast<std::uint32_t>(i) << layout.shiftBits;
        float r2 = bitsFloat(index | layout.low);
        // Below the inner distance the entry wraps round to the octaves of the cutoff.
        if (r2 < layout.inner * layout.inner) r2 = bitsFloat(index | layout.high);
        r[static_cast<std::size_t>(i)] = std::sqrt(r2);
    }
    return r;
}

double lammpsPairForce(const Project& project, double cubeHalfSize, int ti, int tj, double r) {
    const double origin[3] = {0.0, 0.0, 0.0};
    const double other[3] = {0.0, 0.0, r};
    const PairResult law = PairForceByTerms(project, cubeHalfSize, ti, tj, origin, other,
                                            project.ag, project.ae, project.ar);
    return -law.F * InverseDistanceScale;
}

std::string tableSectionName(int ti, int tj) {
    std::string name = "T";
    name += std::to_string(ti);
    name += '_';
    name += std::to_string(tj);
    return name;
}

std::string tableSection(const Project& project, double cubeHalfSize, int ti, int tj,
                         const BitmapLayout& layout) {
    const std::vector<double> r = bitmapDistances(layout);
    const std::size_t count = r.size();
    std::vector<double> force(count);
    for (std::size_t i = 0; i < count; ++i)
        force[i] = lammpsPairForce(project, cubeHalfSize, ti, tj, r[i]);

    // The energy is the force integrated inwards from infinity. Beyond the farthest entry
    // the law is unclamped and has a closed integral; between entries, three-point
    // Gauss-Legendre on each interval (about 1/2000 of its distance wide).
    std::vector<std::size_t> order(count);
    std::iota(order.begin(), order.end(), std::size_t{0});
    std::sort(order.begin(), order.end(),
              [&](std::size_t a, std::size_t b) { return r[a] < r[b]; });
    std::vector<double> energy(count);
    const PairCoefficients c =
        pairCoefficients(project, cubeHalfSize, ti, tj, project.ag, project.ae, project.ar);
    const double farthest = r[order.back()];
    const double x = farthest * DistanceScale;
    double e = 0.0;
    if (std::abs(force[order.back()]) < ForceLimit * InverseDistanceScale && x - c.core > MinGap)
        e = -InverseDistanceScale * InverseDistanceScale *
            ((c.gravity + c.charge) / x + c.repel / (3.0 * std::pow(x - c.core, 3)));
    energy[order.back()] = e;
    const double node = std::sqrt(0.6);
    for (std::size_t k = count - 1; k > 0; --k) {
        const double a = r[order[k - 1]];
        const double b = r[order[k]];
        const double mid = 0.5 * (a + b);
        const double half = 0.5 * (b - a);
        const auto f = [&](double at) {
            return lammpsPairForce(project, cubeHalfSize, ti, tj, at);
        };
        e += half * (5.0 * f(mid - half * node) + 8.0 * f(mid) + 5.0 * f(mid + half * node)) / 9.0;
        energy[order[k - 1]] = e;
    }

    std::string out = tableSectionName(ti, tj) + "\n";
    char line[160];
    std::snprintf(line, sizeof line, "N %zu BITMAP %.17g %.17g\n\n", count, layout.inner,
                  layout.cutoff);
    out += line;
    out.reserve(out.size() + count * 56);
    for (std::size_t i = 0; i < count; ++i) {
        std::snprintf(line, sizeof line, "%zu %.9g %.12g %.12g\n", i + 1, r[i], energy[i],
                      force[i]);
        out += line;
    }
    return out;
}

}  // namespace zentova
