// The heating curve of a run's readings: one point per hold of the bath, at the energy its
// second half settled at.

#include "analysis/heating.h"

#include <gtest/gtest.h>

namespace zentova {
namespace {

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

TEST(HeatingCurve, OnePointPerHoldFromItsSecondHalfInTheOrderOfTheRun) {
    // Up to 4 and back to 1: the hold at 1 after the heating is a point of its own.
    const auto holds = heatingCurve(
        table({{1, 50}, {1, 10}, {1, 12}, {1, 14}, {4, 30}, {4, 40}, {4, 44}, {1, 20}}));
    ASSERT_EQ(holds.size(), 3u);
    EXPECT_EQ(holds[0].factor, 1.0);
    EXPECT_EQ(holds[0].frames, 4);
    EXPECT_EQ(holds[0].meanKineticEnergy, 13.0);  // frames 3 and 4
    EXPECT_EQ(holds[1].factor, 4.0);
    EXPECT_EQ(holds[1].meanKineticEnergy, 42.0);  // frames 6 and 7 of 5 to 7
    EXPECT_NEAR(holds[1].from, 0.075, 1e-12);
    EXPECT_NEAR(holds[1].to, 0.105, 1e-12);
    EXPECT_EQ(holds[2].meanKineticEnergy, 20.0);  // a hold of one frame: that frame
    EXPECT_EQ(heatingCsv({holds[1]}),
              "bath_factor,from_time,to_time,frames,mean_kinetic_energy\n4,0.075,0.105,3,42\n");

    // A bath that never changed (or an old file, all at 1) makes no curve.
    EXPECT_TRUE(heatingCurve(table({{1, 5}, {1, 6}})).empty());
    EXPECT_TRUE(heatingCurve(table({})).empty());
}

}  // namespace
}  // namespace zentova
