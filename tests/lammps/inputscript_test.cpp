// The walls of the input script: a plane on each side of each axis, 3 units inside the
// cubes' outer faces, pushing with K x 400 x depth^2 for K neighbour slots.

#include "lammps/inputscript.h"

#include <gtest/gtest.h>

#include <sstream>
#include <vector>

namespace zentova {
namespace {

LammpsSystem oneType(int slots, std::array<int, 3> replicate) {
    LammpsSystem system;
    system.project.typeCount = 1;
    system.project.counts = {0, slots + 1};
    system.project.particleCount = slots + 1;
    system.project.masses = {0, 1.0};
    system.stem.assign(1, 'p');
    system.slots = slots;
    system.replicate = replicate;
    system.step = 5e-5;
    system.damping = 20.0;
    system.steps = 300;
    system.tableBits = 12;
    system.sections[{1, 1}] = "T1_1";
    return system;
}

// The script's lines that start with `prefix`.
std::vector<std::string> linesOf(const LammpsSystem& system, const std::string& prefix) {
    std::istringstream script(inputScript(system));
    std::vector<std::string> found;
    for (std::string line; std::getline(script, line);)
        if (line.rfind(prefix, 0) == 0) found.push_back(line);
    return found;
}

std::vector<std::string> wallLines(int slots, std::array<int, 3> replicate) {
    return linesOf(oneType(slots, replicate), "fix      wall");
}

TEST(InputScript, WallsStandThreeUnitsInsideTheCubesAndPushWithEachNeighbourSlot) {
    EXPECT_EQ(wallLines(1, {1, 1, 1}),
              (std::vector<std::string>{
                  "fix      wallxlo all indent 400 plane x 3 lo units box",
                  "fix      wallxhi all indent 400 plane x 97 hi units box",
                  "fix      wallylo all indent 400 plane y 3 lo units box",
                  "fix      wallyhi all indent 400 plane y 97 hi units box",
                  "fix      wallzlo all indent 400 plane z 3 lo units box",
                  "fix      wallzhi all indent 400 plane z 97 hi units box",
              }));
    // Twenty slots in two cubes along x: twenty times as stiff, the x walls 100 further out.
    const std::vector<std::string> wide = wallLines(20, {2, 1, 1});
    ASSERT_EQ(wide.size(), 6u);
    EXPECT_EQ(wide[1], "fix      wallxhi all indent 8000 plane x 197 hi units box");
    EXPECT_EQ(wide[3], "fix      wallyhi all indent 8000 plane y 97 hi units box");
}

// The thermo's bath column follows the schedule: a step of a change shows the new factor, as
// the run's next stretch starts there; without a schedule it is the setup's factor.
TEST(InputScript, TheBathColumnFollowsTheSchedule) {
    struct Case {
        std::vector<BathSegment> bath;
        std::string line;
    };
    const Case cases[] = {
        {{{0, 1.0}}, "variable bath equal 1"},
        {{{0, 0.5}}, "variable bath equal 0.5"},
        {{{0, 1.0}, {600, 2.0}, {1200, 0.5}},
         "variable bath equal 1+(step>=600)*(1)+(step>=1200)*(-1.5)"},
    };
    for (const Case& c : cases) {
        LammpsSystem system = oneType(1, {1, 1, 1});
        system.bath = c.bath;
        EXPECT_EQ(linesOf(system, "variable bath "), std::vector<std::string>{c.line});
    }
}

}  // namespace
}  // namespace zentova
