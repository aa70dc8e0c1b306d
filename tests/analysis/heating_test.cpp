// The heating curve of a run's readings: one point per hold of the bath, at the energy its
// second half settled at, and whether it had the time and the frames to settle.

#include "analysis/heating.h"

#include <gtest/gtest.h>

namespace zentova {
namespace {

// Readings a frame apart (0.015 time units, as a run writes them), from t = 0.015.
ReadingsTable table(const std::vector<std::pair<double, double>>& bathAndEnergy) {
    ReadingsTable t;
    t.headerKnown = true;
    for (std::size_t k = 0; k < bathAndEnergy.size(); ++k) {
        ReadingsRow row;
        row.frame = static_cast<long long>(k + 1);
        row.time = 0.015 * static_cast<double>(k + 1);
        row.bathFactor = bathAndEnergy[k].first;
        row.meanKineticEnergy = bathAndEnergy[k].second;
        t.rows.push_back(row);
    }
    return t;
}

// `count` readings at one bath, the energy climbing by 1 from `energy`.
void hold(std::vector<std::pair<double, double>>& rows, double bath, int count, double energy) {
    for (int k = 0; k < count; ++k) rows.emplace_back(bath, energy + k);
}

TEST(HeatingCurve, OnePointPerHoldFromItsSecondHalfInTheOrderOfTheRun) {
    // Up to 4 and back to 1: the hold at 1 after the heating is a point of its own.
    const auto holds = heatingCurve(
        table({{1, 50}, {1, 10}, {1, 12}, {1, 14}, {4, 30}, {4, 40}, {4, 44}, {1, 20}}));
    ASSERT_EQ(holds.size(), 3u);
    EXPECT_EQ(holds[0].factor, 1.0);
    EXPECT_EQ(holds[0].frames, 4);
    EXPECT_EQ(holds[0].framesInMean, 2);
    EXPECT_EQ(holds[0].meanKineticEnergy, 13.0);  // frames 3 and 4
    EXPECT_EQ(holds[1].factor, 4.0);
    EXPECT_EQ(holds[1].meanKineticEnergy, 42.0);  // frames 6 and 7 of 5 to 7
    EXPECT_NEAR(holds[1].from, 0.075, 1e-12);
    EXPECT_NEAR(holds[1].to, 0.105, 1e-12);
    EXPECT_EQ(holds[2].meanKineticEnergy, 20.0);  // a hold of one frame: that frame
    EXPECT_EQ(heatingCsv({holds[1]}),
              "bath_factor,from_time,to_time,frames,mean_kinetic_energy,frames_in_mean,settled\n"
              "4,0.075,0.105,3,42,2,no\n");

    // A bath that never changed (or an old file, all at 1) makes no curve.
    EXPECT_TRUE(heatingCurve(table({{1, 5}, {1, 6}})).empty());
    EXPECT_TRUE(heatingCurve(table({})).empty());
}

TEST(HeatingCurve, NamesTheHoldsTooShortToSettle) {
    // H pressed five times a frame apart, then the bath held at 9.31 for 72 frames: the four
    // holds of one frame each lag behind their baths and must not draw a flat curve to 6.
    std::vector<std::pair<double, double>> keys;
    hold(keys, 1, 100, 10);
    for (double bath : {1.5625, 2.44140625, 3.814697265625, 5.9604644775390625})
        hold(keys, bath, 1, 11);
    hold(keys, 9.313225746154785, 72, 80);
    const auto pressed = heatingCurve(table(keys));
    ASSERT_EQ(pressed.size(), 6u);
    const bool settled[] = {true, false, false, false, false, true};
    for (std::size_t k = 0; k < pressed.size(); ++k)
        EXPECT_EQ(pressed[k].settled, settled[k]) << "hold " << k;
    EXPECT_EQ(pressed[5].frames, 72);
    EXPECT_EQ(pressed[5].framesInMean, 36);
    EXPECT_EQ(pressed[5].meanKineticEnergy, 80.0 + 53.5);  // 80 + 36 .. 80 + 71

    // The edge, frames 0.015 apart and a relaxation time of 0.05: the second half of 6 or 7
    // readings begins 0.045 after the first, of 8 readings 0.06 after it.
    struct Case {
        int frames;
        double relaxation;
        bool settled;
    };
    const Case cases[] = {{6, 0.05, false}, {7, 0.05, false},
                          {8, 0.05, true},  {4, 0.0, false},  // two readings in the mean: too few
                          {5, 0.0, true},  // three are enough when no time is needed
                          {40, 0.5, false}, {80, 0.5, true}};
    for (const Case& c : cases) {
        std::vector<std::pair<double, double>> rows;
        hold(rows, 1, 2, 1);
        hold(rows, 2, c.frames, 1);
        const auto holds = heatingCurve(table(rows), c.relaxation);
        ASSERT_EQ(holds.size(), 2u);
        EXPECT_EQ(holds[1].settled, c.settled)
            << c.frames << " frames, relaxation time " << c.relaxation;
    }
    EXPECT_EQ(BathRelaxationTime, 0.05);
}

}  // namespace
}  // namespace zentova
