#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <set>
#include <string>

#include "model/force.h"
#include "support/world.h"

namespace zentova {
namespace {

// Every case runs on both paths: the four-lane code, where the processor has it, and the
// one-at-a-time code, which a processor with the lanes runs only when told to.
class OnEachPath : public ::testing::TestWithParam<bool> {
  protected:
    std::unique_ptr<testing::World> makeWorld(int n = 0, double mass = 1.0) {
        auto w = testing::makeWorld(n, mass);
        w->dynamics.portableOnly = GetParam();
        return w;
    }
};
class NeighbourSearch : public OnEachPath {};
class Evaluation : public OnEachPath {};
class Integrators : public OnEachPath {};

std::string pathName(const ::testing::TestParamInfo<bool>& info) {
    return info.param ? "OneAtATime" : "Lanes";
}
INSTANTIATE_TEST_SUITE_P(Paths, NeighbourSearch, ::testing::Bool(), pathName);
INSTANTIATE_TEST_SUITE_P(Paths, Evaluation, ::testing::Bool(), pathName);
INSTANTIATE_TEST_SUITE_P(Paths, Integrators, ::testing::Bool(), pathName);

// The K-pass selection the neighbour lists must agree with: K times, the nearest particle
// not yet taken, the lower number winning ties.
std::vector<int> nearestByPasses(const ParticleState& s, int i, int n, int k) {
    std::vector<bool> taken(n + 1, false);
    std::vector<int> out;
    for (int slot = 0; slot < k; ++slot) {
        double best = 1e20;
        int found = 0;
        for (int w = 1; w <= n; ++w) {
            if (w == i || taken[w]) continue;
            double d2 = 0;
            for (int c = 0; c < 3; ++c) d2 += std::pow(s.position(i, c) - s.position(w, c), 2);
            if (d2 < best) {
                best = d2;
                found = w;
            }
        }
        taken[found] = true;
        out.push_back(found);
    }
    return out;
}

TEST_P(NeighbourSearch, ListsTheNearestNeverSelfNeverTwiceLowerNumberOnTies) {
    auto w = makeWorld(60);
    // Put a few exact ties in: particles 7 and 9 both 1 unit from particle 8.
    w->put(8, 0, 0, 0);
    w->put(9, 1, 0, 0);
    w->put(7, 0, 1, 0);
    w->rebuild();
    EXPECT_EQ(w->dynamics.neighbours[1][8], 7);
    EXPECT_EQ(w->dynamics.neighbours[2][8], 9);
    for (int i = 1; i <= 60; ++i) {
        std::set<int> seen;
        const auto expected = nearestByPasses(w->particles, i, 60, 20);
        for (int k = 1; k <= 20; ++k) {
            const int a = w->dynamics.neighbours[k][i];
            EXPECT_NE(a, i);
            EXPECT_TRUE(seen.insert(a).second) << "particle " << a << " listed twice for " << i;
            EXPECT_EQ(a, expected[k - 1]) << "slot " << k << " of particle " << i;
        }
    }
}

TEST_P(NeighbourSearch, FarForceSumsTheUnlistedParticlesOnly) {
    auto w = makeWorld(30);
    w->project.ag = 2.0;
    w->project.ar = 0.5;
    w->rebuild();
    for (int i : {1, 17, 30}) {
        std::set<int> listed;
        for (int k = 1; k <= 20; ++k) listed.insert(w->dynamics.neighbours[k][i]);
        double expected[3] = {0, 0, 0};
        for (int j = 1; j <= 30; ++j) {
            if (j == i || listed.count(j)) continue;
            const PairResult r = PairForce(w->project, 50, 1, 1, w->particles.positionOf(i),
                                           w->particles.positionOf(j), 2.0, 0.0, 0.5);
            for (int c = 0; c < 3; ++c)
                expected[c] +=
                    (w->particles.position(j, c) - w->particles.position(i, c)) * r.F / r.d;
        }
        for (int c = 0; c < 3; ++c)
            EXPECT_NEAR(w->dynamics.farForce[c][i], expected[c],
                        1e-9 * (1 + std::abs(expected[c])));
    }

    auto pair = makeWorld(2);  // each the other's only neighbour, nothing far
    pair->project.ag = 5.0;
    pair->rebuild();
    EXPECT_EQ(pair->dynamics.neighbours[1][1], 2);
    EXPECT_EQ(pair->dynamics.neighbours[1][2], 1);
    for (int c = 0; c < 3; ++c) EXPECT_EQ(pair->dynamics.farForce[c][1], 0.0);
}

TEST_P(Evaluation, WallsAndKicksActOncePerNeighbourSlot) {
    auto w = makeWorld(21, 2.0);  // K = 20, no pair forces
    w->settings.dampingCoefficient = 0.0;
    const double wall = 47.0;
    w->put(1, wall + 1.0, 0, 0);   // one unit beyond the +x wall: 400 a slot inward
    w->put(2, 0, -wall, 0);        // exactly at the -y wall: no wall term
    w->put(3, 0, -wall - 2.0, 0);  // two units below the -y wall: 4 x 400 up
    w->put(4, 0, 0, -wall - 0.5);  // half a unit below the -z wall: 0.25 x 400 up
    w->rebuild();

    RandomSource replay = w->random;
    double kicks[5][3] = {};  // particles 1 to 4 (index 1 to 4): x, y, z
    for (int p = 1; p <= 4; ++p)
        for (int k = 0; k < 20; ++k)
            for (int c = 0; c < 3; ++c) kicks[p][c] += (RandomUniform(replay) - 0.5) * 400;

    const RandomSource before = w->random;
    const StateVector d = w->derivative();
    EXPECT_NEAR(d[velocityIndex(1, 0)], (kicks[1][0] - 20 * 400.0) / 2.0, 1e-9);
    EXPECT_NEAR(d[velocityIndex(1, 1)], kicks[1][1] / 2.0, 1e-9);
    EXPECT_NEAR(d[velocityIndex(2, 1)], kicks[2][1] / 2.0, 1e-9);
    EXPECT_NEAR(d[velocityIndex(3, 1)], (kicks[3][1] + 20 * 1600.0) / 2.0, 1e-9);
    EXPECT_NEAR(d[velocityIndex(3, 0)], kicks[3][0] / 2.0, 1e-9);
    EXPECT_NEAR(d[velocityIndex(4, 2)], (kicks[4][2] + 20 * 100.0) / 2.0, 1e-9);

    // 21 particles x 20 slots x 3 components draws, no more and no fewer.
    RandomSource counted = before;
    for (int k = 0; k < 21 * 20 * 3; ++k) RandomUniform(counted);
    EXPECT_EQ(w->random.seed, counted.seed);
}

TEST_P(Evaluation, SingleParticleFeelsOnlyDampingAndDrawsNothing) {
    auto w = makeWorld(1);
    w->put(1, 60, 0, 0);  // beyond the wall, yet K = 0 means no wall
    w->particles.velocity(1, 1) = 3.0;
    w->rebuild();
    const std::uint32_t seed = w->random.seed;
    const StateVector d = w->derivative();
    EXPECT_EQ(w->random.seed, seed);
    EXPECT_EQ(d[velocityIndex(1, 0)], 0.0);
    EXPECT_EQ(d[velocityIndex(1, 1)], -20.0 * 3.0);
    EXPECT_EQ(d[positionIndex(1, 1)], 3.0);
}

TEST_P(Evaluation, CoincidentParticlesArePushedApartAlongX) {
    auto w = makeWorld(2);
    w->put(1, 5, 5, 5);
    w->put(2, 5, 5, 5);
    w->rebuild();
    const StateVector d = w->derivative();
    for (double v : d) EXPECT_TRUE(std::isfinite(v));
    // 25000 apart: the lower number towards -x, the higher towards +x; the kicks are smaller.
    EXPECT_LT(d[velocityIndex(1, 0)], -25000.0 + 200.0);
    EXPECT_GT(d[velocityIndex(2, 0)], 25000.0 - 200.0);
}

TEST_P(Integrators, SlotsAboveTheParticleCountKeepTheirValues) {
    auto w = makeWorld(100);
    w->project.ae = 1.0;
    w->project.charges[1] = 1;
    w->put(150, 12.5, -3.0, 99.0);
    w->particles.velocity(150, 2) = 7.0;
    w->rebuild();
    const double far = w->dynamics.farForce[0][5];
    auto ph = w->physics();
    StateVector k1{};
    for (int s = 0; s < 3; ++s)
        MidpointStep(w->dynamics, ph, w->particles.state.data(), 1e-4, k1.data());
    for (int s = 0; s < 30; ++s) AdamsStep(w->dynamics, ph, w->particles.state.data(), 1e-4);
    EXPECT_EQ(w->particles.position(150, 0), 12.5);
    EXPECT_EQ(w->particles.position(150, 2), 99.0);
    EXPECT_EQ(w->particles.velocity(150, 2), 7.0);
    EXPECT_EQ(w->dynamics.farForce[0][5], far);  // frozen between rebuilds
}

// One particle under damping alone, dv/dt = -g v, integrated by the cycle of three midpoint
// steps and Adams steps. Compared with the same recurrences written out for the scalar
// equation (which pins the coefficients and the history slots) and with the exact decay.
// Each step leaves the state it started from where it is asked to.
TEST_P(Integrators, DampedParticleFollowsTheAdamsRecurrenceAndTheExactDecay) {
    const double g = 20.0, h = 1e-3, v0 = 2.0;
    auto w = makeWorld(1);
    w->put(1, 0, 0, 0);
    w->particles.velocity(1, 0) = v0;
    w->rebuild();
    auto ph = w->physics();
    StateVector k1{};

    double v = v0, fNew = 0, fPrev = 0;
    const auto f = [&](double x) { return -g * x; };
    StateVector before{};
    for (int pass = 1; pass <= 100; ++pass) {
        const int c = (pass - 1) % 20 + 1;
        const StateVector start = w->particles.state;
        if (c <= 3) {
            MidpointStep(w->dynamics, ph, w->particles.state.data(), h, k1.data(), before.data());
            StoreHistory(w->dynamics,
                         c == 1   ? HistorySlot::Oldest
                         : c == 2 ? HistorySlot::Previous
                                  : HistorySlot::Newest,
                         k1.data());
            const double f1 = f(v);
            const double mid = v + 0.5 * h * f1;
            v = v + h * f(mid);
            if (c == 2) fPrev = f1;
            if (c == 3) {
                fNew = f1;
            }
        } else {
            AdamsStep(w->dynamics, ph, w->particles.state.data(), h, before.data());
            const double fn = f(v);
            const double predicted = v + (23 * fn - 16 * fNew + 5 * fPrev) * h / 12;
            v = v + (5 * f(predicted) + 8 * fn - fNew) * h / 12;
            fPrev = fNew;
            fNew = fn;
        }
        ASSERT_NEAR(w->particles.velocity(1, 0), v, 1e-13 * v0) << "pass " << pass;
        ASSERT_TRUE(before == start) << "pass " << pass;
    }
    const double t = 100 * h;
    EXPECT_NEAR(w->particles.velocity(1, 0), v0 * std::exp(-g * t), 1e-5 * v0);
    EXPECT_NEAR(w->particles.position(1, 0), v0 / g * (1 - std::exp(-g * t)), 1e-6);
}

}  // namespace
}  // namespace zentova
