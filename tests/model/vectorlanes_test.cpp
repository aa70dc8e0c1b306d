// The four-lane evaluation and neighbour search must give the very bits of the
// one-particle-at-a-time code: every state, neighbour list, far force and generator seed,
// step after step, for projects that exercise the groups, the particles left out of them,
// coinciding particles, walls, and lists shorter than the slots.

#include "model/vectorlanes.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <functional>
#include <memory>

#include "support/world.h"

namespace zentova {
namespace {

using testing::World;

// Two worlds built alike, one held to the one-particle code.
struct Twins {
    std::unique_ptr<World> lanes, portable;
};

Twins makeTwins(const std::function<void(World&)>& shape) {
    Twins twins{std::make_unique<World>(0), std::make_unique<World>(0)};
    for (World* w : {twins.lanes.get(), twins.portable.get()}) {
        shape(*w);
        w->random.seed = 987654321u;
    }
    twins.portable->dynamics.portableOnly = true;
    return twins;
}

void expectSameBits(const World& a, const World& b, int step) {
    SCOPED_TRACE("step " + std::to_string(step));
    const int n = a.project.particleCount;
    ASSERT_EQ(0, std::memcmp(a.particles.state.data(), b.particles.state.data(),
                             sizeof(double) * StateSize));
    ASSERT_EQ(a.random.seed, b.random.seed);
    for (int c = 0; c < 3; ++c)
        ASSERT_EQ(0, std::memcmp(&a.dynamics.farForce[c][1], &b.dynamics.farForce[c][1],
                                 sizeof(double) * n));
    for (int k = 1; k <= MaxNeighbours; ++k)
        for (int i = 1; i <= n; ++i)
            ASSERT_EQ(a.dynamics.neighbours[k][i], b.dynamics.neighbours[k][i]) << k << " " << i;
}

// Midpoint start, then Adams steps, rebuilding every 25 steps, both worlds in lock step.
void runBoth(Twins& twins, int steps, double h) {
    for (int step = 0; step < steps; ++step) {
        for (World* w : {twins.lanes.get(), twins.portable.get()}) {
            if (step % 25 == 0) w->rebuild();
            auto physics = w->physics();
            if (step < 3) {
                StateVector k1{};
                MidpointStep(w->dynamics, physics, w->particles.state.data(), h, k1.data());
                StoreHistory(w->dynamics, static_cast<HistorySlot>(step), k1.data());
            } else {
                AdamsStep(w->dynamics, physics, w->particles.state.data(), h);
            }
        }
        expectSameBits(*twins.lanes, *twins.portable, step);
    }
}

// Two charged types with cores, n particles, a given number of neighbour slots.
void plasma(World& w, int n, int slots) {
    Project& p = w.project;
    p.typeCount = 3;
    p.counts[1] = n / 2;
    p.counts[2] = n - n / 2 - n / 5;
    p.counts[3] = n / 5;
    p.masses[1] = 1.0;
    p.masses[2] = 3.5;
    p.masses[3] = 0.2;
    p.charges[1] = 2;
    p.charges[2] = -1;
    p.charges[3] = -3;
    p.diameters[1] = 6.0;
    p.diameters[2] = 9.0;
    p.diameters[3] = 3.0;
    p.ae = 1.3;
    p.ag = 0.4;
    p.ar = 1.1;
    p.particleCount = n;
    w.random.fixedSeed = 77;
    PlaceParticles(p, w.source, w.particles, w.random, w.settings.cubeHalfSize);
    p.neighbourCount = slots;
}

TEST(VectorLanes, SameBitsAsOneParticleAtATime) {
    if (!haveVectorLanes()) GTEST_SKIP() << "this processor has no 256-bit lanes";
    struct Case {
        const char* what;
        int n, slots;
    };
    // Full groups; a tail of three left out of them; lists shorter than the slots (every
    // particle sees all others); fewer particles than a group; one slot.
    const Case cases[] = {{"200 particles, 20 slots", 200, 20},
                          {"7 particles", 7, 20},
                          {"15 of 20 slots used", 16, 20},
                          {"3 particles", 3, 20},
                          {"one slot", 41, 1}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Twins twins = makeTwins([&](World& w) { plasma(w, c.n, c.slots); });
        runBoth(twins, 120, 0.0005);
    }
}

TEST(VectorLanes, SameBitsForCoincidingParticlesAndParticlesBeyondTheWalls) {
    if (!haveVectorLanes()) GTEST_SKIP() << "this processor has no 256-bit lanes";
    Twins twins = makeTwins([](World& w) {
        plasma(w, 60, 20);
        // Pairs on the same spot, in and across groups, and particles deep in the walls.
        w.put(5, 1.0, 2.0, 3.0);
        w.put(6, 1.0, 2.0, 3.0);
        w.put(30, 1.0, 2.0, 3.0);
        w.put(12, 49.0, -50.5, 10.0);
        w.put(13, -52.0, 0.0, 48.0);
        w.put(59, 10.0, 10.0, 10.0);
        w.put(60, 10.0, 10.0, 10.0);
    });
    runBoth(twins, 60, 0.0002);
    // The coinciding particles were pushed apart, and nothing became other than finite.
    const auto& state = twins.lanes->particles.state;
    EXPECT_NE(state[positionIndex(5, 0)], state[positionIndex(6, 0)]);
    for (double v : state) ASSERT_TRUE(std::isfinite(v));
}

TEST(VectorLanes, SameBitsWhenEveryParticleIsOfADifferentType) {
    if (!haveVectorLanes()) GTEST_SKIP() << "this processor has no 256-bit lanes";
    Twins twins = makeTwins([](World& w) {
        Project& p = w.project;
        p.typeCount = MaxTypes;
        for (int t = 1; t <= MaxTypes; ++t) {
            p.counts[t] = 5 + t % 4;
            p.masses[t] = 0.5 + 0.3 * t;
            p.charges[t] = t % 7 - 3;
            p.diameters[t] = 2.0 + t % 9;
        }
        p.ae = 0.9;
        p.ag = 1.0;
        p.ar = 1.7;
        p.particleCount = sumOfCounts(p);
        w.random.fixedSeed = 5;
        PlaceParticles(p, w.source, w.particles, w.random, w.settings.cubeHalfSize);
    });
    runBoth(twins, 80, 0.0005);
}

}  // namespace
}  // namespace zentova
