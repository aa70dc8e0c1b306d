// A LAMMPS run's log read back against the export's manifest: the thermo rows at the model's
// frames in the readings' columns, and what is not a row left out with its line.

#include "files/lammpslog.h"

#include <gtest/gtest.h>

#include <sstream>

#include "lammps_fixture.h"

namespace zentova {
namespace {

LammpsManifest manifest() {
    return testing::fourParticleManifest();
}

// A log of a run in two stretches (the bath's schedule), a WARNING inside a table, a third
// run cut short before "Loop time".
constexpr const char* Header =
    "Step Time KinEng PotEng TotEng v_gyration v_kinetic v_kinetic1 v_kinetic2 v_speed v_far "
    "v_bath \n";

TEST(LammpsLog, ReadsEveryRunsRowsAtTheFramesInTheReadingsColumns) {
    const std::string log = std::string("LAMMPS (29 Sep 2021 - Update 2)\nrun 400 upto\n") +
                            Header +
                            "0 0 0 -5 -5 40 0 0 0 0 70 1\n"
                            "300 0.3 9 -6 3 41 9 8 12 16 71 1\n"
                            "WARNING: Pair distance < table inner cutoff (src/pair_table.cpp:1)\n"
                            "400 0.4 10 -6 4 42 10 9 13 17 72 2\n"
                            "Loop time of 0.1 on 1 procs for 400 steps with 4 atoms\n\n"
                            "Step Time KinEng PotEng TotEng v_gyration v_kinetic v_kinetic1 "
                            "v_kinetic2 v_speed v_far v_bath \n"
                            "400 0.4 10 -6 4 42 10 9 13 17 72 2\n"
                            "600 0.6 11 -6 5 43 11 10 14 18 73 2\n"
                            "Loop time of 0.1 on 1 procs for 200 steps with 4 atoms\n" +
                            Header +
                            "600 0.6 11 -6 5 43 11 10 14 18 73 2\n"
                            "900 0.9 12 -6 6 44 12 11 15 19 74 2\n"
                            "1200 1.2 13 -6 7 45 nan 12 16 20 75 2\n"
                            "1500 1.5 14 -6 8 46 14 13 17 21 76 2\n"
                            "1800 1.8 15 -6 9 47 15 14";
    std::istringstream in(log);
    const ReadingsTable table = parseLammpsLog(in, manifest());
    EXPECT_EQ(table.types, (std::vector<int>{1, 2}));  // type 3 has no particles
    ASSERT_EQ(table.rows.size(), 4u);
    const long long frames[] = {1, 2, 3, 5};
    for (std::size_t k = 0; k < 4; ++k) EXPECT_EQ(table.rows[k].frame, frames[k]);
    const ReadingsRow& second = table.rows[1];
    EXPECT_DOUBLE_EQ(second.time, 1.6);  // the manifest's start + the run's
    EXPECT_EQ(second.meanKineticEnergy, 11);
    EXPECT_EQ(second.typeKineticEnergy, (std::vector<double>{10, 14}));
    EXPECT_EQ(second.meanSpeed, 18);
    EXPECT_EQ(second.radiusOfGyration, 43);
    EXPECT_EQ(second.largestDistance, 73);
    EXPECT_EQ(second.bathFactor, 2);
    EXPECT_EQ(table.badLine, 17);  // the row with nan; the cut row after it goes too
}

TEST(LammpsLog, LeavesOutATableWithoutTheExportsColumns) {
    std::istringstream in(
        "Step Time KinEng PotEng TotEng v_gyration \n300 0.3 9 -6 3 41\nLoop time of 1\n");
    const ReadingsTable table = parseLammpsLog(in, manifest());
    EXPECT_TRUE(table.rows.empty());
    EXPECT_EQ(table.badLine, 1);
}

// A row that repeats the last frame's step takes its place only where its time still follows
// the frame before: a log whose times would go back keeps the rows it had.
TEST(LammpsLog, ARepeatedStepNeverTakesTheTimesBack) {
    std::istringstream in(std::string(Header) +
                          "300 0.3 9 -6 3 41 9 8 12 16 71 1\n"
                          "600 0.6 11 -6 5 43 11 10 14 18 73 2\n"
                          "600 0.1 12 -6 5 43 12 10 14 18 73 2\n"
                          "600 0.65 13 -6 5 43 13 10 14 18 73 2\n");
    const ReadingsTable table = parseLammpsLog(in, manifest());
    ASSERT_EQ(table.rows.size(), 2u);
    EXPECT_EQ(table.rows[1].meanKineticEnergy, 13);  // the last sound repeat, at 0.65
    EXPECT_EQ(table.badLine, 4);
}

}  // namespace
}  // namespace zentova
