#include "model/forcecurve.h"

#include "model/force.h"

namespace zentova {

ForceSamples forceSamples(const Project& project, double cubeHalfSize, int first, int second,
                          double ag, double ae, double ar) {
    ForceSamples samples{};
    const double origin[3] = {0.0, 0.0, 0.0};
    for (int l = 1; l <= ForceSampleCount; ++l) {
        const double other[3] = {0.0, 0.0, ForceSampleStep * l};
        double f =
            PairForceByTerms(project, cubeHalfSize, first, second, origin, other, ag, ae, ar).F;
        if (f > PlottedForceLimit) f = PlottedForceLimit;
        if (!(f >= -PlottedForceLimit)) f = -PlottedForceLimit;
        samples[static_cast<std::size_t>(l - 1)] = f;
    }
    return samples;
}

}  // namespace zentova
