// The readings file as read back: a last line without its line end is a write cut short.

#include <gtest/gtest.h>

#include <sstream>

#include "files/readingsreader.h"

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

// The bath's factor is the last column, after the six the files had before it; a file without
// it (written before the bath could change) reads as the setup's bath, and a bath column
// that is not a factor leaves its line out.
TEST(ParseReadings, ReadsTheBathColumnAndFilesWithoutIt) {
    const std::string old =
        "time,frames,mean_kinetic_energy,kinetic_energy_type_2,mean_speed,radius_of_gyration,"
        "largest_distance_from_centre\n";
    EXPECT_EQ(readingsHeader({2}),
              "time,frame,mean_kinetic_energy,kinetic_energy_type_2,mean_speed,"
              "radius_of_gyration,largest_distance_from_centre,bath_factor");
    const struct {
        const char* what;
        std::string file;
        std::vector<double> baths;
        int badLine;
    } cases[] = {
        {"without the column", old + "0.015,1,1,1,2,3,4\n0.030,2,1,1,2,3,4\n", {1.0, 1.0}, 0},
        {"with it",
         readingsHeader({2}) + "\n0.015,1,1,1,2,3,4,1\n0.030,2,5,5,2,3,4,2.5\n",
         {1.0, 2.5},
         0},
        {"a factor below 0",
         readingsHeader({2}) + "\n0.015,1,1,1,2,3,4,-1\n0.030,2,1,1,2,3,4,0\n",
         {0.0},
         2},
        {"a factor missing", readingsHeader({2}) + "\n0.015,1,1,1,2,3,4\n", {}, 2},
        // The bounds of --bath hold when reading: beyond them a line was never the program's.
        {"factors beyond the bound",
         readingsHeader({2}) +
             "\n0.015,1,1,1,2,3,4,10001\n0.030,2,1,1,2,3,4,1e308\n0.045,3,1,1,2,3,4,10000\n",
         {10000.0},
         2},
    };
    for (const auto& c : cases) {
        std::istringstream in(c.file);
        const ReadingsTable table = parseReadings(in);
        EXPECT_TRUE(table.headerKnown) << c.what;
        EXPECT_EQ(table.types, std::vector<int>{2}) << c.what;
        std::vector<double> baths;
        for (const ReadingsRow& row : table.rows) {
            baths.push_back(row.bathFactor);
            EXPECT_EQ(row.largestDistance, 4.0) << c.what;
        }
        EXPECT_EQ(baths, c.baths) << c.what;
        EXPECT_EQ(table.badLine, c.badLine) << c.what;
    }
}

}  // namespace
}  // namespace zentova
