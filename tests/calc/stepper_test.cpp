#include "calc/stepper.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cmath>
#include <filesystem>
#include <vector>

#include "files/atomicfile.h"
#include "files/trajectory.h"
#include "support/tempfiles.h"
#include "support/world.h"

namespace zentova {
namespace {

using testing::makeWorld;

struct RecordingSink : FrameSink {
    std::vector<std::pair<int, double>> frames;
    std::vector<StateVector> states;
    void frame(int n, const ParticleState& particles) override {
        frames.emplace_back(n, particles.time);
        states.push_back(particles.state);
    }
};

TEST(CalculationStepper, CyclesRedrawsAndFramesFollowTheTimeline) {
    auto w = makeWorld(30);
    w->settings.integrationStep = 0.0001;
    RecordingSink sink;
    CalculationStepper stepper(w->project, w->particles, w->settings, w->random, w->dynamics, sink);
    stepper.start(30);
    std::vector<int> redrawsBefore;
    for (int pass = 1; pass <= 299; ++pass) {
        if (stepper.redrawDue()) redrawsBefore.push_back(pass);
        stepper.advance();
        ASSERT_EQ(stepper.pass(), (pass - 1) % 20 + 1);
    }
    EXPECT_TRUE(sink.frames.empty());  // stopped after 299 steps: nothing written
    EXPECT_EQ(redrawsBefore.front(), 21);
    EXPECT_EQ(redrawsBefore.size(), 14u);

    stepper.advance();  // step 300: the first frame, the state as it stands
    ASSERT_EQ(sink.frames.size(), 1u);
    EXPECT_EQ(sink.frames[0].first, 30);
    EXPECT_NEAR(sink.frames[0].second, 0.03, 1e-12);
    EXPECT_EQ(sink.states[0], w->particles.state);
    for (int pass = 0; pass < 600; ++pass) stepper.advance();
    ASSERT_EQ(sink.frames.size(), 3u);
    EXPECT_NEAR(sink.frames[2].second, 0.09, 1e-12);
    EXPECT_EQ(stepper.frames(), 3);
    EXPECT_EQ(stepper.steps(), 900);
}

TEST(CalculationStepper, SameSeedSameTrajectory) {
    auto run = [](std::uint32_t seed) {
        auto w = makeWorld(0);
        w->project.typeCount = 2;
        w->project.counts[1] = 40;
        w->project.counts[2] = 40;
        w->project.charges[1] = 1;
        w->project.charges[2] = -1;
        w->project.masses[2] = 2.0;
        w->project.diameters[2] = 6.0;
        w->project.ae = 1.0;
        w->project.ar = 1.0;
        w->project.particleCount = 80;
        w->random.fixedSeed = seed;
        PlaceParticles(w->project, w->source, w->particles, w->random, 50);
        RecordingSink sink;
        CalculationStepper stepper(w->project, w->particles, w->settings, w->random, w->dynamics,
                                   sink);
        stepper.start(80);
        for (int s = 0; s < 600; ++s) stepper.advance();
        return sink.states;
    };
    const auto a = run(7), b = run(7), c = run(8);
    ASSERT_EQ(a.size(), 2u);
    EXPECT_EQ(a, b);
    EXPECT_NE(a, c);
}

TEST(CalculationStepper, UnstableStepIsRefusedAndTheStateKept) {
    auto w = makeWorld(20);
    w->project.ag = 1e6;  // every pair force at its limit
    w->settings.integrationStep = 1e3;
    RecordingSink sink;
    CalculationStepper stepper(w->project, w->particles, w->settings, w->random, w->dynamics, sink);
    stepper.start(20);
    bool failed = false;
    for (int s = 0; s < 400 && !failed; ++s) {
        const StateVector before = w->particles.state;
        try {
            stepper.advance();
        } catch (const UnstableError&) {
            failed = true;
            EXPECT_EQ(w->particles.state, before);
        }
    }
    EXPECT_TRUE(failed);
    for (double v : w->particles.state) EXPECT_TRUE(std::isfinite(v));
}

}  // namespace
}  // namespace zentova
