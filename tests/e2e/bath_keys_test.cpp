// The keys H, C and B in the view window of the real program during a calculation: the bath
// goes hotter and cooler a step a press and back to the setup's, and the readings file
// records the factor of every frame.

#include <gtest/gtest.h>

#include <chrono>
#include <cmath>
#include <cstdlib>
#include <string>
#include <thread>
#include <vector>

#include "e2e/onscreen.h"
#include "e2e/xdisplay.h"
#include "files/projectfile.h"
#include "files/readingsreader.h"
#include "reliability/child.h"
#include "support/projects.h"
#include "support/tempfiles.h"

namespace zentova {
namespace {

using namespace std::chrono_literals;
using testing::Child, testing::Outcome, testing::waitFor, testing::xdotool;

class BathKeys : public testing::OnScreen {};

TEST_F(BathKeys, TheFactorOfEveryFrameIsInTheReadings) {
    const std::string readings = dir.file("salt.readings.csv");

    ASSERT_EQ(xdotool({"mousemove", "0", "0"}).status, 0);
    Child program = Child::zentova(dir.path(), {"salt.zpr"});
    const unsigned long view = testing::chooseCalculate(display, program);
    ASSERT_NE(view, 0u) << "the calculation did not start";
    const auto rows = [&] { return loadReadings(readings).rows; };
    // Keys to the view (it has them only when given the focus), then two more frames.
    const auto press = [&](std::vector<std::string> keys) {
        const std::size_t before = rows().size();
        std::vector<std::string> args{"windowfocus", "--sync", std::to_string(view), "key"};
        args.insert(args.end(), keys.begin(), keys.end());
        ASSERT_EQ(xdotool(args).status, 0);
        ASSERT_TRUE(waitFor(60s, [&] { return rows().size() >= before + 2; }))
            << "no frames after " << keys.front();
    };
    ASSERT_TRUE(waitFor(60s, [&] { return rows().size() >= 1; })) << "no frames";
    press({"h", "h", "h"});       // 1.5625^3
    press({"c", "c", "c", "c"});  // 1.5625^-1
    press({"h", "h"});            // 1.5625
    press({"b"});
    const unsigned long main = display.shownWindow(program.pid(), "Zentova - ");
    ASSERT_NE(main, 0u);
    ASSERT_EQ(xdotool({"windowfocus", "--sync", std::to_string(main), "key", "Escape"}).status, 0);
    const Outcome outcome = program.wait(20);
    ASSERT_EQ(outcome.status, 0) << outcome.err;

    // The factors in the order the frames took them, each once, as the file writes them (to
    // 10 digits); a frame may fall between two presses sent together, and then holds the step
    // between. The levels: 1.5625^-1 to 1.5625^3.
    const std::vector<double> levels{0.64, 1.0, 1.5625, 2.44140625, 3.814697265625};
    const auto level = [&](double factor) {
        for (std::size_t k = 0; k < levels.size(); ++k)
            if (std::abs(factor / levels[k] - 1.0) < 1e-9) return static_cast<int>(k) - 1;
        return 99;
    };
    std::vector<int> taken;
    for (const ReadingsRow& row : rows())
        if (taken.empty() || taken.back() != level(row.bathFactor))
            taken.push_back(level(row.bathFactor));
    const std::vector<int> expected{0, 3, -1, 1, 0};
    std::vector<int> reached;
    for (int l : taken)
        if (reached.size() < expected.size() && l == expected[reached.size()]) reached.push_back(l);
    EXPECT_EQ(reached, expected) << "levels seen: " << ::testing::PrintToString(taken);
    for (int l : taken) EXPECT_LT(l, 99) << "a factor that is no level's";
}

}  // namespace
}  // namespace zentova
