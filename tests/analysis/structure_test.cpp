// The analysis of a trajectory on sets of particles small enough to work out by hand.

#include "analysis/structure.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <numbers>
#include <random>
#include <string>
#include <vector>

#include "analysis/wandering.h"

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

// The first peak stands out from the counting noise or is not one; the dip ends the first
// shell. Each set of frames repeats one arrangement (or draws anew) as a run's frames do.
TEST(RadialDistribution, FindsAFirstPeakOnlyWhereOneStandsOutFromTheNoise) {
    const double edge = 10.0;
    const auto repeat = [](const Snapshot& s, int times) {
        return std::vector<Snapshot>(times, s);
    };
    // A simple cubic lattice of 5 x 5 x 5 at spacing 1.05 (300 nearest pairs) in a cube of 40,
    // where a close pair is rare by chance, with one more
    // particle 0.35 outside a corner: one close pair in every one of 20 frames. Within the dip
    // at 1.25 that particle adds its pair and two at 1.107 to the lattice's 300.
    Snapshot lattice;
    for (int x = 0; x < 5; ++x)
        for (int y = 0; y < 5; ++y)
            for (int z = 0; z < 5; ++z) {
                lattice.xyz.insert(lattice.xyz.end(), {1.05 * x, 1.05 * y, 1.05 * z});
                lattice.types.push_back(1);
            }
    lattice.xyz.insert(lattice.xyz.end(), {-0.35, 0.0, 0.0});
    lattice.types.push_back(1);
    // An ideal gas: 200 points drawn uniformly in a cube of 94, one frame, where counting
    // noise is largest.
    std::mt19937 random(5);
    Snapshot gas;
    for (int p = 0; p < 200; ++p) {
        for (int c = 0; c < 3; ++c) gas.xyz.push_back(94.0 * (random() / 4294967296.0));
        gas.types.push_back(1);
    }
    // A type-1 particle with 12 of type 2 around it at 1.05 and 12 more at 2.05 (the
    // corners of an icosahedron, (0, +-1, +-phi) and their cyclic turns).
    Snapshot cluster{0.0, {5, 5, 5}, {1}};
    const double phi = (1.0 + std::sqrt(5.0)) / 2.0, unit = std::sqrt(1.0 + phi * phi);
    for (double radius : {1.05, 2.05})
        for (double a : {-1.0, 1.0})
            for (double b : {-phi, phi})
                for (int turn = 0; turn < 3; ++turn) {
                    double v[3] = {0.0, a, b};
                    for (int c = 0; c < 3; ++c)
                        cluster.xyz.push_back(5.0 + radius * v[(c + turn) % 3] / unit);
                    cluster.types.push_back(2);
                }
    // Between the shells, two stragglers at 1.25 and three at 1.45: g falls, wavers up by
    // less than the noise and falls again to nothing at 1.65, the first shell's end.
    for (const auto& [x, y, z] : {std::array<double, 3>{1.25, 0, 0},
                                  {-1.25, 0, 0},
                                  {0, 1.45, 0},
                                  {0, -1.45, 0},
                                  {0, 0, 1.45}}) {
        cluster.xyz.insert(cluster.xyz.end(), {5.0 + x, 5.0 + y, 5.0 + z});
        cluster.types.push_back(2);
    }
    // The neighbour table's row: peak, dip (both bin centres), neighbours of B around an A
    // and of A around a B, as written to coordination.csv.
    struct Case {
        const char* what;
        std::vector<Snapshot> frames;
        double edge;
        std::size_t pair;  // 1-1, or 1-2 of the cluster
        std::string row;
    };
    const Case cases[] = {
        {"lattice", repeat(lattice, 20), 40.0, 0, "1,1,1.05,1.25,4.80952,4.80952"},  // 2*303/126
        {"gas", {gas}, 94.0, 0, "1,1,no clear peak,,,"},
        {"cluster", repeat(cluster, 3), edge, 1, "1,2,1.05,1.65,17,0.586207"},
    };
    for (const Case& c : cases) {
        std::vector<std::size_t> chosen(c.frames.size());
        for (std::size_t f = 0; f < chosen.size(); ++f) chosen[f] = f;
        const std::string table =
            coordinationCsv(radialDistribution(c.frames, chosen, c.edge, 0.1, 25.0));
        std::size_t at = 0;
        for (std::size_t line = 0; line <= c.pair; ++line) at = table.find('\n', at) + 1;
        EXPECT_EQ(table.substr(at, table.find('\n', at) - at), c.row) << c.what;
    }
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

// Each type's share of its own particles per shell: two of type 1 in the middle shell, four
// of type 2 split between the shells from 3 and from 5, about the centre of mass at 0.
TEST(DensityProfile, GivesEachTypesShareOfItsOwnParticlesPerShell) {
    Project project;
    project.masses[1] = project.masses[2] = 1.0;
    const std::vector<Snapshot> frames{
        snapshot(0.0, {0.5, 0, 0, -0.5, 0, 0, 3.5, 0, 0, -3.5, 0, 0, 0, 0, 5.5, 0, 0, -5.5},
                 {1, 1, 2, 2, 2, 2})};
    const DensityProfile profile = densityProfile(frames, {0}, project, 50.0);
    ASSERT_EQ(profile.share.size(), 2u);
    EXPECT_EQ(profile.share[0], (std::vector<double>{100, 0, 0, 0, 0, 0}));
    EXPECT_EQ(profile.share[1], (std::vector<double>{0, 0, 0, 50, 0, 50}));
    // Particles per 1000 cube units^3: two in the unit sphere.
    EXPECT_NEAR(profile.density[0][0], 2000.0 / (4.0 / 3.0 * std::numbers::pi), 1e-9);
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

namespace zentova {
namespace {

// How far the group spreads, and the share of the cube it fills as a ball: two particles at
// +-1 and then at +-3 about their centre (mean square distances 1 and 9), and balls whose
// radius of gyration is sqrt(3/5) of their radius.
TEST(LumpShare, FollowsTheGroupsSpreadAcrossTheFrames) {
    const std::vector<Snapshot> frames{snapshot(0.0, {4, 5, 5, 6, 5, 5}, {1, 1}),
                                       snapshot(0.1, {2, 5, 5, 8, 5, 5}, {1, 1})};
    EXPECT_DOUBLE_EQ(radialDistribution(frames, {0}, 94.0).gyrationRadius, 1.0);
    EXPECT_DOUBLE_EQ(radialDistribution(frames, {0, 1}, 94.0).gyrationRadius, std::sqrt(5.0));
    const double ball = std::sqrt(3.0 / 5.0);
    struct Case {
        double radius, edge, share;
    };
    const Case cases[] = {{10.0, 100.0, 4.0 / 3.0 * std::numbers::pi / 1000.0},
                          {5.0, 50.0, 4.0 / 3.0 * std::numbers::pi / 1000.0},
                          {47.0, 94.0, 4.0 / 3.0 * std::numbers::pi / 8.0},
                          {94.0, 94.0, 1.0}};  // more than the cube: all of it
    for (const Case& c : cases)
        EXPECT_NEAR(lumpShareOfCube(ball * c.radius, c.edge), c.share, 1e-12)
            << c.radius << " in " << c.edge;
}

}  // namespace
}  // namespace zentova
