#include "analysis/structure.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <numbers>

#include "analysis/celllist.h"
#include "files/trajectory.h"
#include "model/integrator.h"
#include "model/limits.h"

namespace zentova {

namespace {

constexpr double Pi = std::numbers::pi;

// Cumulative share of uniformly placed pairs closer than r in a cube of edge e.
double cubePairCumulative(double r, double e) {
    const double x = std::clamp(r / e, 0.0, 1.0);
    const double x3 = x * x * x;
    return 4.0 * Pi / 3.0 * x3 - 1.5 * Pi * x3 * x + 1.6 * x3 * x * x - x3 * x3 / 6.0;
}

// Bins either side of a bin that its window sums: a shell's pairs spread over a few bins
// count together, yet shells 0.3 cube units apart stay apart at the usual bin width.
constexpr int Reach = 1;

// The windowed sums of g(r) a peak or a dip is judged on: pairs per frame counted and
// expected over the bins within Reach of each bin.
struct Windows {
    std::vector<double> found;   // pairs per frame in the window
    std::vector<double> wanted;  // pairs per frame uniform points would put there
    std::vector<double> g;       // found over wanted; 0 where nothing is expected
};

Windows windowed(const std::vector<long long>& counts, const std::vector<double>& expected,
                 double frames) {
    const int n = static_cast<int>(counts.size());
    Windows w{std::vector<double>(n, 0.0), std::vector<double>(n, 0.0),
              std::vector<double>(n, 0.0)};
    for (int i = 0; i < n; ++i) {
        for (int k = std::max(0, i - Reach); k <= std::min(n - 1, i + Reach); ++k) {
            w.found[i] += counts[k] / frames;
            w.wanted[i] += expected[k] / frames;
        }
        if (w.wanted[i] > 0.0) w.g[i] = w.found[i] / w.wanted[i];
    }
    return w;
}

// Whether the window at i holds more pairs than g = `level` would put there by more than
// the counting noise: a count c spreads by sqrt(c) (Poisson), and three spreads leave about
// one chance in a thousand to noise. Counted per frame, as the frames of a run repeat much
// the same pairs rather than adding new evidence. So a peak needs more than nine pairs a
// frame even where g is 0 around it: a stray close pair or two is no shell.
bool standsOut(const Windows& w, int i, double level) {
    constexpr double Spreads = 3.0;
    return w.found[i] - level * w.wanted[i] > Spreads * std::sqrt(w.found[i]);
}

// The first peak of g(r) that stands out from the counting noise over chance (g = 1) and
// over the lowest ground between it and higher ground on either side, and the first dip
// after it: the lowest point before g rises again by more than the noise. Chance is the
// floor because the lowest ground of a noisy g lies below it: measured from there, a
// noise bump among the few hundred windows of one frame of a gas would stand out.
// Bin indices; -1 when missing.
std::pair<int, int> firstPeakAndMinimum(const std::vector<long long>& counts,
                                        const std::vector<double>& expected, double frames) {
    const Windows w = windowed(counts, expected, frames);
    const std::vector<double>& s = w.g;
    const int n = static_cast<int>(s.size());
    for (int i = 0; i < n; ++i) {
        if (s[i] <= 1.0 || (i > 0 && s[i - 1] > s[i]) || (i + 1 < n && s[i + 1] > s[i])) continue;
        double left = s[i];
        for (int k = i - 1; k >= 0 && s[k] <= s[i]; --k) left = std::min(left, s[k]);
        int low = i, dip = -1;
        for (int k = i + 1; k < n; ++k) {
            if (s[k] < s[low]) low = k;
            if (low > i && k > low && standsOut(w, k, s[low])) {
                dip = low;
                break;
            }
            if (s[k] > s[i]) break;
        }
        if (!standsOut(w, i, std::max({1.0, left, s[low]}))) continue;
        // The window leans towards shorter distances, where fewer pairs are expected: the
        // peak is its bin where g is highest.
        int peak = i;
        for (int k = std::max(0, i - Reach); k <= std::min(n - 1, i + Reach); ++k)
            if (expected[k] > 0.0 && counts[k] / expected[k] > counts[peak] / expected[peak])
                peak = k;
        // A lump that fills part of the cube makes g fall slowly beyond its first shell:
        // a dip further out than twice the peak's distance is no shell's end.
        if (dip > 2 * peak + 1) dip = -1;
        return {peak, dip};
    }
    return {-1, -1};
}

// The mean square distance of a frame's particles from their plain centre; 0 for none.
double meanSquareFromCentre(const Snapshot& s) {
    const int n = s.count();
    if (n == 0) return 0.0;
    double centre[3] = {0.0, 0.0, 0.0};
    for (int i = 0; i < n; ++i)
        for (int c = 0; c < 3; ++c) centre[c] += s.xyz[3 * i + c] / n;
    double sum = 0.0;
    for (int i = 0; i < n; ++i)
        for (int c = 0; c < 3; ++c) {
            const double d = s.xyz[3 * i + c] - centre[c];
            sum += d * d;
        }
    return sum / n;
}

}  // namespace

std::vector<int> typesIn(const std::vector<Snapshot>& frames,
                         const std::vector<std::size_t>& chosen) {
    std::vector<bool> seen(MaxTypes + 1, false);
    for (std::size_t f : chosen)
        for (std::uint8_t t : frames[f].types) seen[t] = true;
    std::vector<int> types;
    for (int t = 1; t <= MaxTypes; ++t)
        if (seen[t]) types.push_back(t);
    return types;
}

double lumpShareOfCube(double gyrationRadius, double edge) {
    if (!(edge > 0.0)) return 1.0;
    const double radius = std::sqrt(5.0 / 3.0) * gyrationRadius;
    return std::min(1.0, 4.0 * Pi / 3.0 * radius * radius * radius / (edge * edge * edge));
}

bool inTimeRange(double time, std::optional<double> from, std::optional<double> to) {
    // Times are written to three decimals: a bound typed as the time shown takes its frame.
    return !(from && time < *from - WrittenTimeRounding) &&
           !(to && time > *to + WrittenTimeRounding);
}

std::vector<std::size_t> chooseFrames(const std::vector<double>& times, std::optional<double> from,
                                      std::optional<double> to) {
    std::vector<std::size_t> chosen;
    for (std::size_t f = 0; f < times.size(); ++f) {
        if (!from && !to && f < times.size() / 2) continue;
        if (inTimeRange(times[f], from, to)) chosen.push_back(f);
    }
    return chosen;
}

std::vector<std::size_t> thinOut(const std::vector<std::size_t>& chosen, std::size_t most) {
    if (most == 0 || chosen.size() <= most) return chosen;
    const std::size_t every = (chosen.size() + most - 1) / most;
    std::vector<std::size_t> kept;
    for (std::size_t k = 0; k < chosen.size(); k += every) kept.push_back(chosen[k]);
    return kept;
}

double cubePairShare(double r0, double r1, double edge) {
    return cubePairCumulative(r1, edge) - cubePairCumulative(r0, edge);
}

double wallRegionEdge(double cubeHalfSize) {
    return 2.0 * (cubeHalfSize - WallMargin);
}

namespace {

// The g(r) of the pairs of types A and B from their distances binned in `counts` over
// `frameCount` frames: `pairs` pairs of them in all, `membersA` and `membersB` particles
// summed over the frames; the first peak, the first minimum and the coordination numbers.
PairDistribution pairDistribution(int typeA, int typeB, const std::vector<long long>& counts,
                                  double pairs, double membersA, double membersB, double binWidth,
                                  double edge, std::size_t frameCount) {
    PairDistribution pair;
    pair.typeA = typeA;
    pair.typeB = typeB;
    pair.counts = counts;
    const int bins = static_cast<int>(counts.size());
    pair.g.assign(bins, 0.0);
    std::vector<double> expected(bins, 0.0);
    for (int k = 0; k < bins; ++k) {
        expected[k] = pairs * cubePairShare(k * binWidth, (k + 1) * binWidth, edge);
        pair.g[k] = expected[k] > 0.0 ? pair.counts[k] / expected[k] : 0.0;
    }
    const auto [peak, minimum] =
        firstPeakAndMinimum(pair.counts, expected, std::max<double>(1.0, frameCount));
    if (peak >= 0) pair.firstPeak = (peak + 0.5) * binWidth;
    if (minimum >= 0) {
        pair.firstMinimum = (minimum + 0.5) * binWidth;
        long long within = 0;
        for (int k = 0; k <= minimum; ++k) within += pair.counts[k];
        // Each like pair counts for both of its particles.
        const double ends = typeA == typeB ? 2.0 : 1.0;
        if (membersA > 0) pair.coordinationAB = ends * within / membersA;
        if (membersB > 0) pair.coordinationBA = ends * within / membersB;
    }
    return pair;
}

}  // namespace

RadialDistribution radialDistribution(const std::vector<Snapshot>& frames,
                                      const std::vector<std::size_t>& chosen, double edge,
                                      double binWidth, double range) {
    RadialDistribution rdf;
    rdf.binWidth = binWidth;
    rdf.edge = edge;
    const int bins = std::max(1, static_cast<int>(std::lround(range / binWidth)));
    const std::vector<int> types = typesIn(frames, chosen);
    const auto slot = typeSlots(types);
    const std::size_t typeCount = types.size();
    // Pairs by (a, b) with a <= b, index a * typeCount + b.
    std::vector<std::vector<long long>> counts(typeCount * typeCount,
                                               std::vector<long long>(bins, 0));
    std::vector<double> pairsTotal(typeCount * typeCount, 0.0);
    std::vector<double> membersTotal(typeCount, 0.0);
    double spread = 0.0;  // sum over the frames of the mean square distance from the centre
    for (std::size_t f : chosen) {
        const Snapshot& s = frames[f];
        const int n = s.count();
        spread += meanSquareFromCentre(s);
        std::vector<double> members(typeCount, 0.0);
        for (int i = 0; i < n; ++i) members[slot[s.types[i]]] += 1.0;
        for (std::size_t a = 0; a < typeCount; ++a) {
            membersTotal[a] += members[a];
            for (std::size_t b = a; b < typeCount; ++b)
                pairsTotal[a * typeCount + b] +=
                    a == b ? members[a] * (members[a] - 1.0) / 2.0 : members[a] * members[b];
        }
        forEachPairWithin(s.xyz, n, bins * binWidth, [&](int i, int j, double r2) {
            // Beyond the plotted range (or too far to count in an int): not binned.
            const double at = std::sqrt(r2) / binWidth;
            if (!(at < bins)) return;
            const int bin = static_cast<int>(at);
            const int ti = slot[s.types[i]], tj = slot[s.types[j]];
            const int a = std::min(ti, tj), b = std::max(ti, tj);
            ++counts[a * typeCount + b][bin];
        });
    }
    if (!chosen.empty()) rdf.gyrationRadius = std::sqrt(spread / chosen.size());
    for (std::size_t a = 0; a < typeCount; ++a)
        for (std::size_t b = a; b < typeCount; ++b) {
            rdf.pairs.push_back(pairDistribution(types[a], types[b], counts[a * typeCount + b],
                                                 pairsTotal[a * typeCount + b], membersTotal[a],
                                                 membersTotal[b], binWidth, edge, chosen.size()));
        }
    return rdf;
}

}  // namespace zentova
