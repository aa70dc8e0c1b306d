// The readings file as read back: a last line without its line end is a write cut short.

#include "files/readings.h"

#include <gtest/gtest.h>

#include <sstream>

namespace zentova {
namespace {

TEST(ParseReadings, StopsAtALastLineCutShortAndKeepsTheLinesBefore) {
    ReadingsRow row;
    row.time = 0.015;
    row.frame = 1;
    row.meanKineticEnergy = 2.5;
    row.typeKineticEnergy = {1.5, 3.5};
    row.meanSpeed = 4.0;
    row.radiusOfGyration = 20.0;
    row.largestDistance = 45.0;
    const std::string first = formatReadingsRow(row);
    row.time = 0.030;
    row.frame = 2;
    std::string second = formatReadingsRow(row);
    const std::string file = readingsHeader({1, 3}) + "\n" + first + second;

    std::istringstream whole(file);
    const ReadingsTable all = parseReadings(whole);
    EXPECT_EQ(all.types, (std::vector<int>{1, 3}));
    EXPECT_EQ(all.badLine, 0);
    ASSERT_EQ(all.rows.size(), 2u);
    EXPECT_EQ(all.rows[1].frame, 2);
    EXPECT_EQ(all.rows[1].typeKineticEnergy, (std::vector<double>{1.5, 3.5}));
    EXPECT_EQ(all.rows[1].largestDistance, 45.0);

    // Every field there, but the line end not yet: the line does not count.
    std::istringstream cut(file.substr(0, file.size() - 1));
    const ReadingsTable kept = parseReadings(cut);
    EXPECT_EQ(kept.badLine, 3);
    ASSERT_EQ(kept.rows.size(), 1u);
    EXPECT_EQ(kept.rows[0].frame, 1);
}

}  // namespace
}  // namespace zentova
