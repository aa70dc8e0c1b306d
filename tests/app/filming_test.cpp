// Which frames --movie films: those whose times, as the trajectory writes them (three
// decimals), lie in the range asked for, both ends included.

#include "app/filming.h"

#include <gtest/gtest.h>

namespace zentova {
namespace {

TEST(Filming, TakesTheFramesWhoseWrittenTimesLieInTheRange) {
    RunMovieOptions options;
    EXPECT_TRUE(inTimes(options, -1e300));  // no range: every frame
    options.from = 0.5;
    options.to = 0.6;
    struct Case {
        double time;
        bool in;
    };
    const Case cases[] = {{0.4994, false}, {0.4996, true}, {0.5, true},    {0.55, true},
                          {0.6, true},     {0.6004, true}, {0.6006, false}};
    for (const Case& c : cases) EXPECT_EQ(inTimes(options, c.time), c.in) << c.time;
    options.to.reset();
    EXPECT_TRUE(inTimes(options, 1e300));
    EXPECT_FALSE(inTimes(options, 0.499));
}

}  // namespace
}  // namespace zentova
