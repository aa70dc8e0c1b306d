// The model's kicks as LAMMPS's heat bath: the share of an evaluation's kicks a step takes,
// and the neighbour slots that multiply the kicks and the walls.

#include "lammps/bath.h"

#include <gtest/gtest.h>

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

}  // namespace
}  // namespace zentova
