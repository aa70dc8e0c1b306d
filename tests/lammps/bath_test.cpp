// The model's kicks as LAMMPS's heat bath: the share of an evaluation's kicks a step takes,
// and the neighbour slots that multiply the kicks and the walls.

#include "lammps/bath.h"

#include <gtest/gtest.h>

#include <sstream>

#include "files/projectfile.h"
#include "lammps/export.h"
#include "lammps/inputscript.h"
#include "support/tempfiles.h"

namespace zentova {
namespace {

// Over a cycle of 20 steps: 3 midpoint steps take one evaluation's kicks (144/144 each),
// 17 Adams steps the predicted point's (5/12)^2 = 25/144, 16 of them the current point's
// (8/12 - 1/12)^2 = 49/144 and the last one 64/144, and the first its history's 1/144:
// (432 + 425 + 784 + 64 + 1) / 144 / 20 = 853/1440.
TEST(Bath, AStepTakesEightHundredFiftyThreeFourteenFortiethsOfAnEvaluationsKicks) {
    EXPECT_DOUBLE_EQ(kickShare(), 853.0 / 1440.0);
}

TEST(Bath, NeighbourSlotsAreTheOtherParticlesUpToTwenty) {
    const struct {
        int particles;
        int slots;
    } cases[] = {{0, 0}, {1, 0}, {2, 1}, {21, 20}, {200, 20}};
    for (const auto& c : cases) {
        Project project;
        project.typeCount = 2;
        project.counts = {0, c.particles / 2, c.particles - c.particles / 2};
        project.particleCount = c.particles;
        EXPECT_EQ(neighbourSlots(project), c.slots) << c.particles << " particles";
    }
}

// A schedule as the calculation applies it, step by step: a change takes the step that starts
// nearest its time; one before the start sets the first stretch, one at or after the end or
// without a new factor makes none.
TEST(Bath, AScheduleCutsTheRunIntoStretchesAtTheStepsOfItsChanges) {
    const struct {
        const char* schedule;
        double start;
        std::vector<std::pair<long long, double>> stretches;
    } cases[] = {
        {"0:1", 0.0, {{0, 1.0}}},
        {"0.02:4", 0.0, {{0, 1.0}, {400, 4.0}}},
        {"0.020001:4,0.04:4,0.05:0", 0.0, {{0, 1.0}, {400, 4.0}, {1000, 0.0}}},
        {"0:2,0.5:3,0.52:1", 0.5, {{0, 3.0}, {400, 1.0}}},
        {"0.06:4", 0.0, {{0, 1.0}}},  // the run's 1200 steps end at 0.06
    };
    for (const auto& c : cases) {
        std::vector<std::pair<long long, double>> got;
        for (const BathSegment& s :
             bathSegments(parseBathSchedule(c.schedule).schedule, c.start, 5e-5, 1200))
            got.emplace_back(s.fromStep, s.factor);
        EXPECT_EQ(got, c.stretches) << c.schedule;
    }

    // In the script: the first stretch's temperature, and a run up to each change.
    LammpsSystem system;
    system.project.typeCount = 1;
    system.project.counts = {0, 21};
    system.project.particleCount = 21;
    system.project.masses = {0, 1.0};
    system.stem.assign(1, 'p');
    system.slots = 20;
    system.step = 5e-5;
    system.damping = 20.0;
    system.steps = 1200;
    system.sections[{1, 1}] = "T1_1";
    system.bath = {{0, 4.0}, {400, 0.0}};
    // In the script: the first stretch's temperature, and each change under a test of the
    // run's length, so that a shorter -var steps ends at its own end.
    std::istringstream script(inputScript(system));
    std::vector<std::string> lines;
    for (std::string line; std::getline(script, line);)
        if (line.rfind("variable kT", 0) == 0 || line.rfind("run", 0) == 0 ||
            line.rfind("if", 0) == 0 || line.rfind("  \"", 0) == 0)
            lines.push_back(line);
    // kT = 853/1440 x 20 x 400^2 / 12 x 5e-5 / 40 = 0.19745..., times 4.
    ASSERT_EQ(lines.size(), 7u);
    EXPECT_EQ(lines[0].substr(0, 26), "variable kT1 equal 0.78981");
    EXPECT_EQ(lines[1], "if \"${steps} > 400\" then &");
    EXPECT_EQ(lines[2], "  \"run      400 upto\" &");
    EXPECT_EQ(lines[3], "  \"variable kT1 equal 0*${kicks}\" &");
    EXPECT_EQ(lines[4], "  \"unfix    bath1\" &");
    EXPECT_EQ(lines[5].rfind("  \"fix      bath1 kind1 langevin ${kT1} ${kT1} ", 0), 0u)
        << lines[5];
    EXPECT_EQ(lines[6], "run      ${steps} upto");
}

// The README's schedule at the export's 3000 steps of 5e-5: both changes lie past the run.
// They are written all the same, at steps 30000 and 60000, and named.
TEST(Bath, AScheduleLongerThanTheRunIsWrittenWholeAndItsLaterChangesNamed) {
    testing::TempDir dir;
    Project project;
    project.name = "Two";
    project.typeCount = 1;
    project.counts[1] = 2;
    project.masses[1] = 1.0;
    project.diameters[1] = 6.0;
    project.particleCount = 2;
    testing::writeBytes(dir.file("two.zpr"), formatProject(project));
    const struct {
        const char* schedule;
        long long steps;
        std::vector<double> later;
        std::vector<std::string> tests;
    } cases[] = {
        {"0:1,1.5:4,3:1", 3000, {1.5, 3.0}, {"${steps} > 30000", "${steps} > 60000"}},
        {"0:1,1.5:4,3:1", 40000, {3.0}, {"${steps} > 30000", "${steps} > 60000"}},
        {"0:1,1.5:4,3:1", 60001, {}, {"${steps} > 30000", "${steps} > 60000"}},
        // Beyond the longest run LAMMPS takes a change is never reached: not written.
        {"0:2,1e300:1", 3000, {}, {}},
    };
    int k = 0;
    for (const auto& c : cases) {
        LammpsExportOptions options;
        options.projectPath = dir.file("two.zpr");
        options.folder = dir.file("out" + std::to_string(++k));
        options.seed = 1;
        options.steps = c.steps;
        options.bath = parseBathSchedule(c.schedule).schedule;
        const LammpsExportSummary summary = exportLammps(options, Settings());
        EXPECT_EQ(summary.laterBathChanges, c.later) << c.schedule << " " << c.steps;
        std::istringstream script(testing::readBytes(options.folder + "/in.two"));
        std::vector<std::string> tests;
        for (std::string line; std::getline(script, line);)
            if (line.rfind("if \"", 0) == 0) tests.push_back(line.substr(4, line.find('"', 4) - 4));
        EXPECT_EQ(tests, c.tests) << c.schedule << " " << c.steps;
    }
}

}  // namespace
}  // namespace zentova
