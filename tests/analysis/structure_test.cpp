// The analysis of a trajectory on sets of particles small enough to work out by hand.

#include "analysis/structure.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <vector>

namespace zentova {
namespace {

Snapshot snapshot(double time, std::vector<double> xyz, std::vector<std::uint8_t> types) {
    return Snapshot{time, std::move(xyz), std::move(types)};
}

// Two points placed uniformly in a cube lie within one edge of each other in 43/30 - pi/6
// (0.9097) of the cases (a draw of four million pairs gives 0.9096); at a short distance r
// the share is the sphere's volume over the cube's.
TEST(CubePairShare, IsTheShareOfUniformPairsWithinADistance) {
    const double e = 94.0;
    EXPECT_NEAR(cubePairShare(0.0, e, e), 43.0 / 30.0 - std::numbers::pi / 6.0, 1e-12);
    const double r = 0.01 * e;
    EXPECT_NEAR(cubePairShare(0.0, r, e) / (4.0 / 3.0 * std::numbers::pi * r * r * r / (e * e * e)),
                1.0, 0.02);
    EXPECT_NEAR(cubePairShare(2.0, 3.0, e) + cubePairShare(3.0, 5.0, e), cubePairShare(2.0, 5.0, e),
                1e-15);
}

// Two of type 1 at 1.05 apart and one of type 2 at 2.05 and 2.30 from them: one pair in each
// of the bins 10, 20 and 23, each against what uniform pairs would put there.
TEST(RadialDistribution, CountsEachPairInItsBinAgainstUniformPairs) {
    const double edge = 10.0;
    const std::vector<Snapshot> frames{snapshot(0.0, {0, 0, 0, 1.05, 0, 0, 0, 2.05, 0}, {1, 1, 2})};
    const RadialDistribution rdf = radialDistribution(frames, {0}, edge, 0.1, 3.0);
    ASSERT_EQ(rdf.bins(), 30);
    ASSERT_EQ(rdf.pairs.size(), 3u);  // 1-1, 1-2, 2-2
    const PairDistribution& like = rdf.pairs[0];
    const PairDistribution& unlike = rdf.pairs[1];
    EXPECT_EQ(unlike.typeA * 10 + unlike.typeB, 12);
    for (int k = 0; k < 30; ++k) {
        EXPECT_EQ(like.counts[k], k == 10 ? 1 : 0) << k;
        EXPECT_EQ(unlike.counts[k], k == 20 || k == 23 ? 1 : 0) << k;
        EXPECT_EQ(rdf.pairs[2].counts[k], 0) << k;
    }
    // One like pair and two unlike ones in the frame.
    EXPECT_DOUBLE_EQ(like.g[10], 1.0 / cubePairShare(1.0, 1.1, edge));
    EXPECT_DOUBLE_EQ(unlike.g[20], 1.0 / (2.0 * cubePairShare(2.0, 2.1, edge)));
    EXPECT_EQ(like.g[11], 0.0);
}

// Each type drifting at its own constant velocity: the displacement over a lag t is v t.
TEST(MeanSquareDisplacement, OfAConstantDriftIsTheSpeedSquaredTimesTheLagSquared) {
    std::vector<Snapshot> frames;
    for (int f = 0; f < 5; ++f) {
        const double t = 0.5 * f;
        // Type 1 at (1, 2, 2) per time unit (|v|^2 = 9), type 2 at (0, 3, 4) (25).
        frames.push_back(
            snapshot(t, {t, 2 * t, 2 * t, 7.0, 3 * t, 4 * t, 1.0 + t, 2 * t, 2 * t}, {1, 2, 1}));
    }
    const Displacement msd = meanSquareDisplacement(frames, {0, 1, 2, 3, 4});
    ASSERT_EQ(msd.types, (std::vector<int>{1, 2}));
    ASSERT_EQ(msd.lags.size(), 2u);
    for (std::size_t lag = 0; lag < 2; ++lag) {
        const double t = 0.5 * (lag + 1);
        EXPECT_DOUBLE_EQ(msd.lags[lag], t);
        EXPECT_DOUBLE_EQ(msd.perType[0][lag], 9.0 * t * t);
        EXPECT_DOUBLE_EQ(msd.perType[1][lag], 25.0 * t * t);
    }
}

// Never more than `most` frames, evenly spaced from the first.
TEST(ThinOut, KeepsAtMostTheFramesAskedForEvenlySpaced) {
    const auto frames = [](std::size_t n) {
        std::vector<std::size_t> chosen(n);
        for (std::size_t k = 0; k < n; ++k) chosen[k] = 100 + k;
        return chosen;
    };
    EXPECT_EQ(thinOut(frames(10), 3), (std::vector<std::size_t>{100, 104, 108}));
    EXPECT_EQ(thinOut(frames(10), 5), (std::vector<std::size_t>{100, 102, 104, 106, 108}));
    EXPECT_EQ(thinOut(frames(7), 7), frames(7));
    EXPECT_EQ(thinOut(frames(7), 0), frames(7));
    for (const auto& [n, most] : {std::pair<std::size_t, std::size_t>{1001, 500}, {999, 1000}}) {
        const std::vector<std::size_t> kept = thinOut(frames(n), most);
        EXPECT_LE(kept.size(), most) << n;
        EXPECT_GE(kept.size(), most / 2) << n;
    }
}

}  // namespace
}  // namespace zentova
