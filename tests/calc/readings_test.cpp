// The readings file of the command-line calculation, written beside the trajectory by the
// same code as the window's: in step with the trajectory through new runs, appends, cuts
// and failures.

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <sstream>
#include <vector>

#include "calc/report.h"
#include "files/finalstate.h"
#include "files/projectfile.h"
#include "files/readingsreader.h"
#include "files/trajectory.h"
#include "support/program.h"
#include "support/projects.h"
#include "support/tempfiles.h"

namespace zentova {
namespace {

using testing::readBytes;
using testing::TempDir;
using testing::writeBytes;

class ReadingsFile : public ::testing::Test {
  protected:
    TempDir dir;
    Project project = testing::saltProject(20, 10, "Ions");

    void SetUp() override { writeBytes(dir.file("ions.zpr"), formatProject(project)); }

    std::string zentova(const std::string& args) {
        const std::string command = "cd '" + dir.path() + "' && '" + testing::zentovaExecutable() +
                                    "' " + args + " 2> stderr.txt";
        EXPECT_EQ(std::system(command.c_str()), 0) << readBytes(dir.file("stderr.txt"));
        return readBytes(dir.file("stderr.txt"));
    }

    std::vector<double> frameTimes() {
        std::istringstream in(readBytes(dir.file("ions.his")));
        TrajectoryReader reader(in, "ions.his");
        std::vector<double> times;
        Frame frame;
        while (reader.readFrame(frame)) times.push_back(frame.time);
        return times;
    }

    // The readings, checked against the trajectory line by line and, for the last line,
    // against the final state.
    ReadingsTable inStep(const char* when) {
        SCOPED_TRACE(when);
        ReadingsTable table = loadReadings(dir.file("ions.readings.csv"));
        EXPECT_TRUE(table.headerKnown);
        EXPECT_EQ(table.badLine, 0);
        const std::vector<double> times = frameTimes();
        EXPECT_EQ(table.rows.size(), times.size());
        for (std::size_t k = 0; k < table.rows.size() && k < times.size(); ++k) {
            EXPECT_NEAR(table.rows[k].time, times[k], 1e-9) << "line " << k + 2;
            EXPECT_EQ(table.rows[k].frame, static_cast<long long>(k + 1)) << "line " << k + 2;
        }
        if (!table.rows.empty()) {
            const FinalState last = loadFinalStateFile(dir.file("ions.sta"));
            const ReadingsRow expected =
                computeReadings(project, readingsTypes(project), last.particles, last.count, 0);
            const ReadingsRow& row = table.rows.back();
            // The status line's figure, from the final state, to the 10 digits written.
            const double status = meanKineticEnergy(project, last.particles, last.count);
            EXPECT_NEAR(row.meanKineticEnergy, status, 1e-9 * status);
            EXPECT_EQ(row.typeKineticEnergy.size(), 2u);
            for (std::size_t t = 0; t < row.typeKineticEnergy.size(); ++t)
                EXPECT_NEAR(row.typeKineticEnergy[t], expected.typeKineticEnergy[t],
                            1e-9 * expected.typeKineticEnergy[t]);
            EXPECT_NEAR(row.radiusOfGyration, expected.radiusOfGyration, 1e-8);
        }
        return table;
    }
};

TEST_F(ReadingsFile, FollowTheTrajectoryThroughRunsAppendsCutsAndFailures) {
    zentova("--calculate ions.zpr --steps 900 --seed 3");
    EXPECT_EQ(inStep("a new run").rows.size(), 3u);

    zentova("--calculate ions.zpr --steps 600 --append");
    EXPECT_EQ(inStep("appended").rows.size(), 5u);

    // A final state two frames older than the trajectory's end (an old copy put back): the
    // append is refused, and neither the trajectory nor the readings change.
    const std::string older = readBytes(dir.file("ions.sta"));
    zentova("--calculate ions.zpr --steps 600 --append");
    const std::string newer = readBytes(dir.file("ions.sta"));
    const std::string readings = readBytes(dir.file("ions.readings.csv"));
    const std::string his = readBytes(dir.file("ions.his"));
    writeBytes(dir.file("ions.sta"), older);
    const std::string command = "cd '" + dir.path() + "' && '" + testing::zentovaExecutable() +
                                "' --calculate ions.zpr --steps 300 --append 2> stderr.txt";
    EXPECT_NE(std::system(command.c_str()), 0);
    EXPECT_EQ(readBytes(dir.file("ions.readings.csv")), readings);
    EXPECT_EQ(readBytes(dir.file("ions.his")), his);
    writeBytes(dir.file("ions.sta"), newer);
    EXPECT_EQ(inStep("after the refusal").rows.size(), 7u);

    // Readings lost: the append says so, keeps the trajectory, numbers the new line on.
    std::filesystem::remove(dir.file("ions.readings.csv"));
    const std::string note = zentova("--calculate ions.zpr --steps 300 --append");
    EXPECT_NE(note.find("lacks the readings of 7 earlier frames"), std::string::npos) << note;
    const ReadingsTable rebuilt = loadReadings(dir.file("ions.readings.csv"));
    ASSERT_EQ(rebuilt.rows.size(), 1u);
    EXPECT_EQ(rebuilt.rows[0].frame, 8);
    EXPECT_EQ(frameTimes().size(), 8u);

    // Overwriting empties them with the trajectory.
    zentova("--calculate ions.zpr --steps 300 --seed 4");
    EXPECT_EQ(inStep("overwritten").rows.size(), 1u);

    // A readings file that cannot be written stops nothing: the run goes on, says why.
    std::filesystem::remove(dir.file("ions.readings.csv"));
    std::filesystem::create_directory(dir.file("ions.readings.csv"));
    const std::string refused = zentova("--calculate ions.zpr --steps 900 --seed 4");
    EXPECT_NE(refused.find("the run goes on without readings"), std::string::npos) << refused;
    EXPECT_EQ(frameTimes().size(), 3u);
}

}  // namespace
}  // namespace zentova
