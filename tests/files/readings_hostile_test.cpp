// The readings parser on what a hand, a crash or a hostile file leaves.

#include <gtest/gtest.h>

#include <cfloat>
#include <sstream>
#include <string>
#include <vector>

#include "files/linereader.h"
#include "files/readingsfile.h"
#include "files/readingsreader.h"
#include "support/tempfiles.h"

namespace zentova {
namespace {

// The header of the first readings files, whose frame column was called "frames": such
// files still read.
const std::string Header =
    "time,frames,mean_kinetic_energy,kinetic_energy_type_1,mean_speed,radius_of_gyration,"
    "largest_distance_from_centre\n";

std::string row(const char* time, const char* frames) {
    return std::string(time) + "," + frames + ",1,1,2,3,4\n";
}

std::vector<long long> framesOf(const ReadingsTable& table) {
    std::vector<long long> frames;
    for (const ReadingsRow& r : table.rows) frames.push_back(r.frame);
    return frames;
}

TEST(ReadingsOnHostileInput, KeepsEverySoundRowAndNothingElse) {
    const std::string r1 = row("0.015", "1"), r2 = row("0.030", "2"), r3 = row("0.045", "3");
    struct Case {
        const char* what;
        std::string body;
        std::vector<long long> frames;
        int badLine;
    };
    const Case cases[] = {
        {"sound", r1 + r2 + r3, {1, 2, 3}, 0},
        {"a frame number of 1e62", row("0.015", "1e62") + r2 + r3, {2, 3}, 2},
        {"a frame number written as a real", r1 + row("0.030", "2e0") + r3, {1, 3}, 3},
        {"a frame number with a fraction", r1 + row("0.030", "2.5") + r3, {1, 3}, 3},
        {"a frame number of 0", row("0.000", "0") + r2, {2}, 2},
        {"a negative frame number", row("0.000", "-1") + r2, {2}, 2},
        {"ten copies of row 1",
         std::string() + r1 + r1 + r1 + r1 + r1 + r1 + r1 + r1 + r1 + r1,
         {1},
         3},
        {"frames going back", r1 + r3 + r2, {1, 3}, 4},
        {"time going back", r1 + row("0.010", "2") + r3, {1, 3}, 3},
        {"a damaged row amid sound ones",
         r1 + "0.030,2,1,x,2,3,4\n" + r3 + row("0.060", "4"),
         {1, 3, 4},
         3},
        {"a row cut short, the next appended to it",
         r1 + "0.030,2,1,1" + r3 + row("0.060", "4"),
         {1, 4},
         3},
        {"a line longer than the readers take",
         r1 + "0.030,2," + std::string(LineReader::MaxLineLength, '0') + "1,1,2,3,4\n" + r3,
         {1, 3},
         3},
        {"a last row without its line end", r1 + r2 + "0.045,3,1,1,2,3,4", {1, 2}, 4},
        {"a missing column", r1 + "0.030,2,1,1,2,3\n" + r3, {1, 3}, 3},
        {"a time of nan", r1 + row("nan", "2") + r3, {1, 3}, 3},
        // One absurd row goes alone, wherever it stands: the rows after it still count.
        {"a time of 1e300", r1 + row("1e300", "2") + r3 + row("0.060", "4"), {1, 3, 4}, 3},
        {"a frame far beyond the run",
         r1 + row("0.030", "9000000000000000000") + r3 + row("0.060", "4"),
         {1, 3, 4},
         3},
        {"an absurd first row", row("1e300", "1") + r2 + r3, {2, 3}, 2},
        {"an absurd last row", r1 + r2 + row("1e300", "3"), {1, 2, 3}, 0},
        {"two rows out of order and a third", r1 + r3 + r2 + row("0.060", "4"), {1, 3, 4}, 4},
    };
    for (const Case& c : cases) {
        std::istringstream in(Header + c.body);
        const ReadingsTable table = parseReadings(in);
        EXPECT_TRUE(table.headerKnown) << c.what;
        EXPECT_EQ(framesOf(table), c.frames) << c.what;
        EXPECT_EQ(table.badLine, c.badLine) << c.what;
    }

    // A header naming a type twice or out of order is not one the program writes.
    for (const char* types : {"kinetic_energy_type_1,kinetic_energy_type_1",
                              "kinetic_energy_type_2,kinetic_energy_type_1"}) {
        std::istringstream in(std::string("time,frames,mean_kinetic_energy,") + types +
                              ",mean_speed,radius_of_gyration,largest_distance_from_centre\n");
        EXPECT_FALSE(parseReadings(in).headerKnown) << types;
    }
}

// An append keeps every sound line of the frames it keeps, also those after an absurd one:
// the file is rewritten from what was read, so a line lost there is lost for good.
TEST(ReadingsOnHostileInput, AnAppendKeepsTheSoundLinesAfterAnAbsurdOne) {
    const testing::TempDir dir;
    const std::string path = dir.file("p.readings.csv");
    Project project;
    project.typeCount = 1;
    project.counts = {0, 2};
    project.masses = {0, 1.0};
    project.particleCount = 2;
    const std::string header = readingsHeader({1}) + "\n";
    const auto line = [](const char* time, const char* frame) {
        return std::string(time) + "," + frame + ",1,1,2,3,4,1\n";
    };
    for (const char* absurd : {"1e300,2", "0.030,9000000000000000000"}) {
        testing::writeBytes(path, header + line("0.015", "1") + absurd + ",1,1,2,3,4,1\n" +
                                      line("0.045", "3") + line("0.060", "4") + line("0.075", "5"));
        ReadingsWriter writer;
        writer.startAppend(path, project, 5, 0.075, nullptr, 0);
        writer.close();
        const ReadingsTable kept = loadReadings(path);
        EXPECT_EQ(framesOf(kept), (std::vector<long long>{1, 3, 4, 5})) << absurd;
        EXPECT_NE(writer.note().find("lacks the readings of 1 earlier frame"), std::string::npos)
            << absurd << ": " << writer.note();
    }
}

TEST(ReadingsOnHostileInput, RowsMatchTheTrajectorysFramesAndWriteBackWhole) {
    std::istringstream in(Header + row("0.015", "1") + row("0.031", "2") + row("0.045", "3") +
                          row("0.060", "4") + row("0.075", "9"));
    ReadingsTable table = parseReadings(in);
    // Frames at 0.015, 0.030, 0.045, 0.060: frame 2's time differs beyond its rounding,
    // frame 9 is beyond the trajectory.
    EXPECT_EQ(keepTrajectoryRows(table, {0.015, 0.030, 0.0452, 0.060}), 2u);
    EXPECT_EQ(framesOf(table), (std::vector<long long>{1, 3, 4}));

    // Read a line at a time as the frames go by, the same rows match.
    for (const std::vector<double>& frames :
         {std::vector<double>{0.015, 0.030, 0.0452, 0.060}, std::vector<double>{},
          std::vector<double>{0.015},
          std::vector<double>{0.1, 0.2, 0.045, 0.06, 0.0, 0, 0, 0, 0.075}}) {
        std::istringstream all(Header + row("0.015", "1") + row("0.031", "2") + row("0.045", "3") +
                               row("0.060", "4") + row("0.075", "9"));
        ReadingsTable whole = parseReadings(all);
        const std::size_t foreign = keepTrajectoryRows(whole, frames);
        all.clear();
        all.seekg(0);
        ReadingsReader reader(all);
        FrameReadings streamed(reader);
        std::vector<long long> matched;
        for (std::size_t k = 0; k < frames.size(); ++k)
            if (const ReadingsRow* r = streamed.frame(static_cast<long long>(k) + 1, frames[k]))
                matched.push_back(r->frame);
        EXPECT_EQ(matched, framesOf(whole)) << frames.size();
        EXPECT_EQ(streamed.finish(), foreign) << frames.size();
    }

    // Values at the ends of the doubles are written so that they read back.
    ReadingsRow extreme;
    extreme.time = 1e300;
    extreme.frame = 1;
    extreme.meanKineticEnergy = DBL_MAX;
    extreme.typeKineticEnergy = {-DBL_MAX};
    std::istringstream back(readingsHeader({1}) + "\n" + formatReadingsRow(extreme));
    const ReadingsTable reread = parseReadings(back);
    ASSERT_EQ(reread.rows.size(), 1u);
    EXPECT_EQ(reread.rows[0].time, 1e300);
    EXPECT_EQ(reread.rows[0].meanKineticEnergy, DBL_MAX);
    EXPECT_EQ(reread.rows[0].typeKineticEnergy[0], -DBL_MAX);
}

}  // namespace
}  // namespace zentova
