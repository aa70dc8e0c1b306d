// The bath's factor: schedules as the command line gives them, and the view's steps.

#include "model/bathschedule.h"

#include <gtest/gtest.h>

#include <cmath>

#include "model/integrator.h"

namespace zentova {
namespace {

TEST(BathSchedule, ReadsIncreasingTimesAndFactorsWithinTheBound) {
    const struct {
        const char* text;
        std::vector<double> times;  // empty: refused
        std::vector<double> factors;
        const char* error;
    } cases[] = {
        {"0:1", {0}, {1}, ""},
        {"0:1,2.5:4,5:0,7.5:10000", {0, 2.5, 5, 7.5}, {1, 4, 0, 10000}, ""},
        {"", {}, {}, "needs TIME:FACTOR pairs, e.g. 0:1,2:4,4:1"},
        {"0:1,0:2", {}, {}, "\"0:2\": the times must increase"},
        {"1:2,0.5:1", {}, {}, "\"0.5:1\": the times must increase"},
        {"-1:2", {}, {}, "\"-1:2\": the time must be 0 or later"},
        {"0:10001", {}, {}, "\"0:10001\": the factor must be from 0 to 10000"},
        {"0:-0.5", {}, {}, "\"0:-0.5\": the factor must be from 0 to 10000"},
        {"0:nan", {}, {}, "\"0:nan\" is not TIME:FACTOR (two numbers, e.g. 2.5:4)"},
        {"0:1,", {}, {}, "\"\" is not TIME:FACTOR (two numbers, e.g. 2.5:4)"},
        {"0;1", {}, {}, "\"0;1\" is not TIME:FACTOR (two numbers, e.g. 2.5:4)"},
        {"0:1:2", {}, {}, "\"0:1:2\" is not TIME:FACTOR (two numbers, e.g. 2.5:4)"},
    };
    // "-0" is 0, so that it is written back as 0.
    const ParsedBathSchedule zero = parseBathSchedule("-0:-0");
    ASSERT_EQ(zero.schedule.size(), 1u);
    EXPECT_FALSE(std::signbit(zero.schedule[0].time));
    EXPECT_FALSE(std::signbit(zero.schedule[0].factor));

    for (const auto& c : cases) {
        const ParsedBathSchedule parsed = parseBathSchedule(c.text);
        EXPECT_EQ(parsed.error, c.error) << c.text;
        std::vector<double> times, factors;
        for (const BathChange& change : parsed.schedule) {
            times.push_back(change.time);
            factors.push_back(change.factor);
        }
        EXPECT_EQ(times, c.times) << c.text;
        EXPECT_EQ(factors, c.factors) << c.text;
    }
}

TEST(BathSchedule, HoldsEachFactorFromItsTimeAndTheSetupsBathBefore) {
    const BathSchedule schedule = parseBathSchedule("1:4,2:0.5").schedule;
    const double times[] = {0.0, 0.999, 1.0, 1.5, 2.0, 100.0};
    const double factors[] = {1.0, 1.0, 4.0, 4.0, 0.5, 0.5};
    for (int k = 0; k < 6; ++k) EXPECT_EQ(bathFactorAt(schedule, times[k]), factors[k]) << times[k];
    EXPECT_TRUE(isSetupBath(parseBathSchedule("0:1,3:1").schedule));
    EXPECT_FALSE(isSetupBath(schedule));
}

// The setup's factor leaves the kicks' span as it was, to the bit; others scale its square.
TEST(BathSchedule, KeysStepTheKicksByAQuarterBetweenOffAndTheBound) {
    EXPECT_EQ(kickSpanFor(1.0), KickSpan);
    EXPECT_DOUBLE_EQ(kickSpanFor(4.0), 2.0 * KickSpan);
    EXPECT_EQ(kickSpanFor(0.0), 0.0);
    EXPECT_EQ(bathFactorOfLevel(0), 1.0);
    EXPECT_EQ(bathFactorOfLevel(2), 2.44140625);
    EXPECT_EQ(bathFactorOfLevel(-1), 0.64);
    EXPECT_DOUBLE_EQ(kickSpanFor(bathFactorOfLevel(1)), 1.25 * KickSpan);
    EXPECT_NEAR(bathFactorOfLevel(LowestBathLevel), 0.0116, 0.0001);
    EXPECT_EQ(bathFactorOfLevel(BathOffLevel), 0.0);
    EXPECT_NEAR(bathFactorOfLevel(HighestBathLevel), 7523, 1);
    EXPECT_EQ(bathFactorOfLevel(HighestBathLevel + 5), bathFactorOfLevel(HighestBathLevel));
    EXPECT_GT(bathFactorOfLevel(HighestBathLevel) * BathStep, MaxBathFactor);
}

}  // namespace
}  // namespace zentova
