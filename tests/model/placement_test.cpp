#include "model/placement.h"

#include <gtest/gtest.h>

namespace zentova {
namespace {

struct Placed {
    Project project;
    ProjectSource source;
    ParticleState particles;
    RandomSource random;
    int place() { return PlaceParticles(project, source, particles, random, 50.0); }
};

TEST(RandomUniform, FollowsTheLinearCongruentialSequence) {
    RandomSource r;
    EXPECT_EQ(RandomUniform(r), 1.0 / 4294967296.0);  // from seed 0 the new seed is 1
    EXPECT_EQ(r.seed, 1u);
    EXPECT_EQ(RandomUniform(r), 134775814.0 / 4294967296.0);
    r.seed = 0xFFFFFFFFu;  // wraps modulo 2^32
    const double u = RandomUniform(r);
    EXPECT_EQ(r.seed, 0xFFFFFFFFu * 134775813u + 1u);
    EXPECT_GE(u, 0.0);
    EXPECT_LT(u, 1.0);
}

TEST(PlaceParticles, NumbersTypeByTypeAndSizesTheNeighbourLists) {
    Placed p;
    p.project.typeCount = 3;
    p.project.counts[1] = 2;
    p.project.counts[2] = 0;
    p.project.counts[3] = 3;
    p.particles.type[6] = 9;  // slots above the count are not touched
    EXPECT_EQ(p.place(), 5);
    EXPECT_EQ(std::vector<int>(p.particles.type.begin() + 1, p.particles.type.begin() + 7),
              (std::vector<int>{1, 1, 3, 3, 3, 9}));
    EXPECT_EQ(p.project.neighbourCount, 4);
    EXPECT_TRUE(p.source.loaded);

    for (auto [count, neighbours] : {std::pair{25, 20}, {21, 20}, {20, 19}, {1, 0}, {0, -1}}) {
        Placed q;
        q.project.typeCount = 1;
        q.project.counts[1] = count;
        q.place();
        EXPECT_EQ(q.project.neighbourCount, neighbours) << count << " particles";
    }
}

TEST(PlaceParticles, ScattersInsideTheWallsAtRest) {
    Placed p;
    p.project.typeCount = 2;
    p.project.counts[1] = 150;
    p.project.counts[2] = 50;
    for (int p2 = 1; p2 <= 200; ++p2) p.particles.velocity(p2, 0) = 5.0;
    p.place();
    double lowest = 0, highest = 0;
    for (int i = 1; i <= 200; ++i)
        for (int c = 0; c < 3; ++c) {
            lowest = std::min(lowest, p.particles.position(i, c));
            highest = std::max(highest, p.particles.position(i, c));
            EXPECT_EQ(p.particles.velocity(i, c), 0.0);
        }
    EXPECT_GE(lowest, -47.0);
    EXPECT_LT(highest, 47.0);
    EXPECT_LT(lowest, -40.0);  // and really spread over the cube
    EXPECT_GT(highest, 40.0);
}

TEST(PlaceParticles, SeedsAnewEachTimeUnlessTheSeedIsFixed) {
    Placed a;
    a.project.typeCount = 1;
    a.project.counts[1] = 10;
    a.place();
    const auto first = a.particles.state;
    a.place();
    EXPECT_NE(first, a.particles.state);

    a.random.fixedSeed = 42;
    a.place();
    const auto fixed = a.particles.state;
    a.random.seed = 7;  // whatever was drawn in between
    a.place();
    EXPECT_EQ(fixed, a.particles.state);
}

}  // namespace
}  // namespace zentova

namespace zentova {
namespace {

TEST(RandomUniform, BlocksOfValuesContinueTheSameSequence) {
    for (int count : {0, 1, 3, 7, 8, 9, 12, 59, 60, 257, 600}) {
        RandomSource one, block;
        one.seed = block.seed = 987654321u;
        std::vector<double> expected(count), got(count + 1, -1.0);
        for (double& v : expected) v = RandomUniform(one);
        fillUniform(block, got.data(), count);
        EXPECT_EQ(std::vector<double>(got.begin(), got.begin() + count), expected) << count;
        EXPECT_EQ(got[count], -1.0);  // nothing written past the end
        EXPECT_EQ(block.seed, one.seed) << count;

        RandomSource centered;
        centered.seed = 987654321u;
        fillCentered(centered, got.data(), count, 400.0);
        for (int j = 0; j < count; ++j) ASSERT_EQ(got[j], (expected[j] - 0.5) * 400.0) << j;
        EXPECT_EQ(centered.seed, one.seed);
    }
}

}  // namespace
}  // namespace zentova
