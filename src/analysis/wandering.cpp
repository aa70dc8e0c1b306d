#include "analysis/wandering.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "model/limits.h"

namespace zentova {

namespace {

constexpr double Pi = std::numbers::pi;

}  // namespace

Displacement meanSquareDisplacement(const std::vector<Snapshot>& frames,
                                    const std::vector<std::size_t>& chosen) {
    Displacement msd;
    // A frame with positions left out holds other particles under the same numbers.
    const auto whole = std::find_if(chosen.begin(), chosen.end(),
                                    [&](std::size_t f) { return frames[f].leftOut == 0; });
    if (whole == chosen.end()) return msd;
    const Snapshot& first = frames[*whole];
    std::vector<std::size_t> used;
    for (std::size_t f : chosen)
        if (frames[f].types == first.types && frames[f].leftOut == 0) used.push_back(f);
    msd.framesUsed = used.size();
    msd.types = typesIn(frames, {*whole});
    const auto slot = typeSlots(msd.types);
    std::vector<int> members(msd.types.size(), 0);
    for (std::uint8_t t : first.types) ++members[slot[t]];
    const std::size_t lags = used.size() / 2;
    msd.lags.assign(lags, 0.0);
    msd.perType.assign(msd.types.size(), std::vector<double>(lags, 0.0));
    const int n = first.count();
    std::vector<double> sums(msd.types.size());
    for (std::size_t lag = 1; lag <= lags; ++lag) {
        std::fill(sums.begin(), sums.end(), 0.0);
        double span = 0.0;
        const std::size_t origins = used.size() - lag;
        for (std::size_t o = 0; o < origins; ++o) {
            const Snapshot& a = frames[used[o]];
            const Snapshot& b = frames[used[o + lag]];
            span += b.time - a.time;
            for (int i = 0; i < n; ++i) {
                double d2 = 0.0;
                for (int c = 0; c < 3; ++c) {
                    const double d = b.xyz[3 * i + c] - a.xyz[3 * i + c];
                    d2 += d * d;
                }
                sums[slot[a.types[i]]] += d2;
            }
        }
        msd.lags[lag - 1] = span / origins;
        for (std::size_t k = 0; k < msd.types.size(); ++k)
            msd.perType[k][lag - 1] = sums[k] / (static_cast<double>(origins) * members[k]);
    }
    return msd;
}

DensityProfile densityProfile(const std::vector<Snapshot>& frames,
                              const std::vector<std::size_t>& chosen, const Project& project,
                              double cubeHalfSize, double binWidth) {
    DensityProfile profile;
    profile.binWidth = binWidth;
    profile.types = typesIn(frames, chosen);
    const auto slot = typeSlots(profile.types);
    std::vector<std::vector<double>> counts(profile.types.size());
    std::vector<double> members(profile.types.size(), 0.0);
    const double maxShells = std::ceil(2.0 * std::sqrt(3.0) * cubeHalfSize / binWidth);
    for (std::size_t f : chosen) {
        const Snapshot& s = frames[f];
        double total = 0.0;
        double centre[3] = {0.0, 0.0, 0.0};
        for (int i = 0; i < s.count(); ++i) {
            total += project.masses[s.types[i]];
            members[slot[s.types[i]]] += 1.0;
        }
        const bool weighted = total > 0.0;
        if (!weighted) total = s.count();
        for (int i = 0; i < s.count(); ++i)
            for (int c = 0; c < 3; ++c)
                centre[c] += (weighted ? project.masses[s.types[i]] : 1.0) * s.xyz[3 * i + c];
        for (double& c : centre) c = total > 0.0 ? c / total : 0.0;
        for (int i = 0; i < s.count(); ++i) {
            double r2 = 0.0;
            for (int c = 0; c < 3; ++c)
                r2 += (s.xyz[3 * i + c] - centre[c]) * (s.xyz[3 * i + c] - centre[c]);
            // Particles inside the cube, about a centre inside it, lie within its diagonal.
            const double at = std::sqrt(r2) / binWidth;
            if (!(at < maxShells)) continue;
            const std::size_t shell = static_cast<std::size_t>(at);
            std::vector<double>& row = counts[slot[s.types[i]]];
            if (row.size() <= shell) row.resize(shell + 1, 0.0);
            row[shell] += 1.0;
        }
    }
    std::size_t shells = 0;
    for (const auto& row : counts) shells = std::max(shells, row.size());
    constexpr double PerVolume = 1000.0;
    for (std::size_t t = 0; t < counts.size(); ++t) {
        std::vector<double>& row = counts[t];
        row.resize(shells, 0.0);
        std::vector<double> share(shells, 0.0);
        for (std::size_t k = 0; k < shells; ++k)
            if (members[t] > 0.0) share[k] = 100.0 * row[k] / members[t];
        profile.share.push_back(std::move(share));
        for (std::size_t k = 0; k < shells; ++k) {
            const double r0 = k * binWidth, r1 = (k + 1) * binWidth;
            const double volume = 4.0 * Pi / 3.0 * (r1 * r1 * r1 - r0 * r0 * r0);
            row[k] = chosen.empty() ? 0.0 : PerVolume * row[k] / (volume * chosen.size());
        }
    }
    profile.density = std::move(counts);
    return profile;
}

}  // namespace zentova
