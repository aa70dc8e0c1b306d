// The analysis on what a hand, a crash or a hostile file leaves.

#include <gtest/gtest.h>

#include <cfloat>
#include <string>
#include <vector>

#include "analysis/structure.h"
#include "analysis/wandering.h"
#include "files/trajectory.h"
#include "support/tempfiles.h"

namespace zentova {
namespace {

// Three frames of three particles of type 1: particle 3 of the second and particle 2 of
// the third at `far` on one axis.
std::vector<Snapshot> framesWithOneFarAway(double far, int axis) {
    Snapshot a;
    a.time = 0.015;
    a.xyz = {0, 0, 0, 1, 0, 0, 0, 2, 0};
    a.types = {1, 1, 1};
    Snapshot b = a, c = a;
    b.time = 0.030;
    b.xyz[6 + axis] = far;
    c.time = 0.045;
    c.xyz[3 + axis] = far;
    return {a, b, c};
}

TEST(AnalysisOnHostileInput, PositionsFarOutsideTheCubeAreLeftOutAndCounted) {
    Project project;
    project.typeCount = 1;
    project.counts[1] = 3;
    project.masses[1] = 1.0;
    // Frame 1 has pairs at 1, 2 and sqrt 5; frames 2 and 3 the pair of the two that stay
    // and those of the one far away that lie within g(r)'s 25 units.
    struct Case {
        double far;
        int axis;
        long long leftOut;
        long long pairs;
    };
    const Case cases[] = {{20.0, 2, 0, 9}, {49.9, 2, 0, 5},  {50.5, 0, 2, 5},  {1e6, 1, 2, 5},
                          {1e10, 2, 2, 5}, {-1e20, 0, 2, 5}, {1e300, 1, 2, 5}, {-DBL_MAX, 2, 2, 5}};
    const std::vector<std::size_t> all = {0, 1, 2};
    for (const Case& c : cases) {
        std::vector<Snapshot> frames = framesWithOneFarAway(c.far, c.axis);
        // Even unfiltered, g(r) and the density bin only what lies in their range.
        const DensityProfile raw = densityProfile(frames, all, project, 50.0);
        ASSERT_EQ(raw.density.size(), 1u);
        EXPECT_LE(raw.density[0].size(), 174u) << c.far;  // the cube's diagonal in shells of 1
        const RadialDistribution rdf = radialDistribution(frames, all, 94.0);
        long long pairs = 0;
        for (long long n : rdf.pairs.at(0).counts) pairs += n;
        EXPECT_EQ(pairs, c.pairs) << c.far;

        EXPECT_EQ(leaveOutFarPositions(frames, 50.0), c.leftOut) << c.far;
        // The wandering leaves out the frames that lost a particle, and with them gone, the
        // second and third frame hold other particles under the same numbers.
        EXPECT_EQ(meanSquareDisplacement(frames, all).framesUsed, c.leftOut ? 1u : 3u) << c.far;
        EXPECT_EQ(meanSquareDisplacement(frames, {1, 2}).framesUsed, c.leftOut ? 0u : 2u) << c.far;
    }
}

}  // namespace
}  // namespace zentova
