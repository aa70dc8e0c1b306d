// The readings of a running calculation: the kinetic energy they report, the step rate, and
// the command line's --report.

#include "calc/report.h"

#include <gtest/gtest.h>

#include <charconv>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <sstream>
#include <vector>

#include "calc/stepper.h"
#include "files/projectfile.h"
#include "support/program.h"
#include "support/tempfiles.h"
#include "support/world.h"

namespace zentova {
namespace {

using namespace std::chrono_literals;

struct NoFiles : FrameSink {
    void frame(int, const ParticleState&) override {}
};

TEST(Readings, MeanKineticEnergyWeighsEachParticleByItsTypesMass) {
    Project project;
    project.typeCount = 2;
    project.masses = {0.0, 1.0, 4.0};
    ParticleState particles;
    particles.type[1] = 1;
    particles.type[2] = 2;
    particles.velocity(1, 0) = 3.0;  // 0.5 x 1 x 25 = 12.5
    particles.velocity(1, 1) = -4.0;
    particles.velocity(2, 2) = 1.0;    // 0.5 x 4 x 1 = 2
    particles.velocity(3, 0) = 100.0;  // beyond n: not counted
    EXPECT_DOUBLE_EQ(meanKineticEnergy(project, particles, 2), 7.25);
    EXPECT_EQ(meanKineticEnergy(project, particles, 0), 0.0);
}

// One particle alone has no neighbour slots, hence no kicks, walls or pair forces: only the
// damping acts, dv/dt = -gamma v, so its kinetic energy falls as exp(-2 gamma t). This runs
// through the same stepping as the window and the command line, restart cycles included.
TEST(Readings, KineticEnergyUnderDampingAloneDecaysAsExpMinusTwoGammaT) {
    auto w = testing::makeWorld(1, 2.5);
    w->settings.dampingCoefficient = 20.0;
    w->settings.integrationStep = 0.00005;
    w->particles.velocity(1, 0) = 30.0;
    w->particles.velocity(1, 1) = -40.0;
    w->particles.velocity(1, 2) = 12.0;
    const double start = meanKineticEnergy(w->project, w->particles, 1);
    ASSERT_DOUBLE_EQ(start, 0.5 * 2.5 * (900 + 1600 + 144));

    NoFiles sink;
    CalculationStepper stepper(w->project, w->particles, w->settings, w->random, w->dynamics, sink);
    stepper.start(1);
    const double gamma = w->settings.dampingCoefficient;
    for (int checkpoint = 1; checkpoint <= 4; ++checkpoint) {
        for (int s = 0; s < 1000; ++s) stepper.advance();
        const double t = w->particles.time;
        const double expected = start * std::exp(-2.0 * gamma * t);
        EXPECT_NEAR(meanKineticEnergy(w->project, w->particles, 1) / expected, 1.0, 1e-6)
            << "t = " << t;
    }
    EXPECT_NEAR(w->particles.time, 0.2, 1e-9);  // e^-8 of the start by now
}

TEST(Readings, StepRateFollowsTheLastHalfSecondOnceOneHasPassed) {
    const StepRate::Clock::time_point t0{};
    StepRate rate(t0);
    EXPECT_DOUBLE_EQ(rate.update(1000, t0 + 100ms), 10000.0);  // from the start so far
    EXPECT_DOUBLE_EQ(rate.update(3000, t0 + 600ms), 5000.0);   // first window closes
    EXPECT_DOUBLE_EQ(rate.update(9000, t0 + 800ms), 5000.0);   // held until the next one
    EXPECT_DOUBLE_EQ(rate.update(9000, t0 + 1100ms), 12000.0);
    EXPECT_EQ(StepRate(t0).update(0, t0), 0.0);
}

// --report prints one line per frame on standard output, and only there.
TEST(Readings, ReportOptionPrintsEveryFrame) {
    testing::TempDir dir;
    auto w = testing::makeWorld(12);
    w->project.name = "Gas";
    w->project.ag = 0.1;
    testing::writeBytes(dir.file("gas.zpr"), formatProject(w->project));
    const std::string exe = testing::zentovaExecutable();
    const std::string command = "cd '" + dir.path() + "' && '" + exe +
                                "' --calculate gas.zpr --steps 900 --seed 5 --report"
                                " > out.txt 2> err.txt";
    ASSERT_EQ(std::system(command.c_str()), 0) << testing::readBytes(dir.file("err.txt"));

    std::istringstream out(testing::readBytes(dir.file("out.txt")));
    std::string line;
    int frames = 0;
    while (std::getline(out, line)) {
        ++frames;
        double t = 0, rate = 0, energy = 0;
        long long frame = 0;
        ASSERT_EQ(
            std::sscanf(line.c_str(), "t = %lf frames %lld %lf steps/s mean kinetic energy %lf", &t,
                        &frame, &rate, &energy),
            4)
            << line;
        EXPECT_EQ(frame, frames);
        EXPECT_NEAR(t, 0.015 * frames, 1e-9);
        EXPECT_GT(rate, 0.0);
        EXPECT_GT(energy, 0.0);  // the kicks keep the particles moving
    }
    EXPECT_EQ(frames, 3);
    EXPECT_EQ(testing::readBytes(dir.file("err.txt")).find("t = 0.015"), std::string::npos);
}

// --report=csv: a header line, then one row of four numbers per frame, each field whole (no
// padding, no units) so that a spreadsheet or a data-frame reader takes it as a number; an
// unknown style is refused before any file is written.
TEST(Readings, CsvReportHasAHeaderAndOneNumericRowPerFrame) {
    testing::TempDir dir;
    auto w = testing::makeWorld(12);
    w->project.name = "Gas";
    testing::writeBytes(dir.file("gas.zpr"), formatProject(w->project));
    const std::string exe = testing::zentovaExecutable();
    const auto run = [&](const std::string& report) {
        const std::string command = "cd '" + dir.path() + "' && '" + exe +
                                    "' --calculate gas.zpr --steps 900 --seed 5 " + report +
                                    " > out.txt 2> err.txt";
        return std::system(command.c_str());
    };
    ASSERT_EQ(run("--report=csv"), 0) << testing::readBytes(dir.file("err.txt"));

    std::istringstream out(testing::readBytes(dir.file("out.txt")));
    std::string line;
    ASSERT_TRUE(std::getline(out, line));
    EXPECT_EQ(line, "time,frames,steps_per_second,mean_kinetic_energy_per_particle");
    int rows = 0;
    while (std::getline(out, line)) {
        ++rows;
        std::vector<double> fields;
        std::istringstream row(line);
        for (std::string field; std::getline(row, field, ',');) {
            double value = 0;
            const auto [end, ec] =
                std::from_chars(field.data(), field.data() + field.size(), value);
            EXPECT_TRUE(ec == std::errc() && end == field.data() + field.size()) << line;
            fields.push_back(value);
        }
        ASSERT_EQ(fields.size(), 4u) << line;
        EXPECT_NEAR(fields[0], 0.015 * rows, 1e-9);
        EXPECT_EQ(fields[1], rows);
        EXPECT_GT(fields[2], 0.0);
        EXPECT_GT(fields[3], 0.0);
    }
    EXPECT_EQ(rows, 3);

    std::filesystem::remove(dir.file("gas.his"));
    EXPECT_NE(run("--report=xml"), 0);
    EXPECT_NE(testing::readBytes(dir.file("err.txt")).find("--report=xml"), std::string::npos);
    EXPECT_FALSE(std::filesystem::exists(dir.file("gas.his")));
}

}  // namespace
}  // namespace zentova
