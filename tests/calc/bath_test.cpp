// The bath's factor over a run: the kinetic energy follows the temperature the kicks and the
// damping give, factor by factor.

#include <gtest/gtest.h>

#include <cmath>

#include "calc/report.h"
#include "calc/stepper.h"
#include "model/bathschedule.h"
#include "support/world.h"

namespace zentova {
namespace {

struct NoFrames : FrameSink {
    std::vector<double> factors;
    void frame(int, const ParticleState&) override {}
    void bathChanged(double factor) override { factors.push_back(factor); }
};

// kT of the model's bath, as the LAMMPS export derives it (kickShare = 853/1440 of an
// evaluation's kick variance per step, balanced by the damping): K (h / (2 gamma m)) x
// 853/1440 x KickSpan^2 / 12.
double derivedTemperature(int slots, double step, double damping, double mass) {
    return 853.0 / 1440.0 * slots * KickSpan * KickSpan / 12.0 * step / (2.0 * damping * mass);
}

// 20 particles without forces, mass 2, in the setup's damping (20) and a step of 2e-4: the
// mean kinetic energy per particle settles at 3/2 kT times the factor. Each level lasts 4
// time units, the first 0.4 (16 relaxation times of the energy, 1 / (2 gamma)) left out:
// about 20 particles x 3.6 / 0.05 = 1440 independent samples of an energy whose spread is
// sqrt(2/3) of its mean, so the mean is known to 2 % (one standard deviation); 8 % is four.
TEST(BathSchedule, KineticEnergyFollowsTheDerivedTemperature) {
    auto w = testing::makeWorld(20, 2.0);
    w->settings.integrationStep = 2e-4;
    NoFrames sink;
    CalculationStepper stepper(w->project, w->particles, w->settings, w->random, w->dynamics, sink);
    stepper.setBathSchedule(parseBathSchedule("0:1,4:4,8:0.25").schedule);
    stepper.start(20);
    const double kT = derivedTemperature(19, 2e-4, w->settings.dampingCoefficient, 2.0);
    const double factors[] = {1.0, 4.0, 0.25};
    for (double factor : factors) {
        double sum = 0.0;
        long long samples = 0;
        for (int s = 0; s < 20000; ++s) {
            stepper.advance();
            if (s >= 2000) {
                sum += meanKineticEnergy(w->project, w->particles, 20);
                ++samples;
            }
        }
        EXPECT_EQ(stepper.bathFactor(), factor);
        const double expected = 1.5 * kT * factor;
        EXPECT_NEAR(sum / samples / expected, 1.0, 0.08) << "factor " << factor;
    }
    EXPECT_EQ(sink.factors, (std::vector<double>{4.0, 0.25}));
}

}  // namespace
}  // namespace zentova
