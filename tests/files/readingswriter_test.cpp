// The readings file's writer on an append: it keeps the lines of the trajectory's frames
// kept, drops the later ones, adds the restored final state's, and says what the file lacks
// when it was missing, for other types or behind the trajectory.

#include <gtest/gtest.h>

#include <filesystem>
#include <iterator>
#include <ostream>
#include <string>
#include <vector>

#include "files/readingsfile.h"
#include "files/readingsreader.h"
#include "support/tempfiles.h"

namespace zentova {
namespace {

using testing::TempDir;

// Two particles of one type, mass 2, at rest but for particle 1 moving at 1 along x: a mean
// kinetic energy of (0.5 * 2 * 1) / 2 = 0.5.
Project twoParticles() {
    Project project;
    project.typeCount = 1;
    project.counts[1] = 2;
    project.masses[1] = 2.0;
    project.diameters[1] = 6.0;
    project.particleCount = 2;
    return project;
}

ParticleState at(double time) {
    ParticleState state;
    state.type[1] = state.type[2] = 1;
    state.position(1, 0) = 1.0;
    state.position(2, 0) = -1.0;
    state.velocity(1, 0) = 1.0;
    state.time = time;
    return state;
}

struct Line {
    long long frame;
    double time;
    bool operator==(const Line&) const = default;
};
std::ostream& operator<<(std::ostream& out, const Line& line) {
    return out << "frame " << line.frame << " at " << line.time;
}

std::vector<Line> linesOf(const std::string& path) {
    const ReadingsTable table = loadReadings(path);
    EXPECT_TRUE(table.headerKnown);
    EXPECT_EQ(table.badLine, 0);
    std::vector<Line> lines;
    for (const ReadingsRow& row : table.rows) lines.push_back({row.frame, row.time});
    return lines;
}

// A run of three frames (0.3, 0.6, 0.9) goes on from a trajectory that keeps two of them,
// the last at `lastFrameTime`, and from the final state at 0.75 (frame 3 again), then
// writes one frame at 1.05.
TEST(ReadingsWriter, AnAppendKeepsTheKeptFramesLinesAndSaysWhatItLacks) {
    struct Case {
        const char* before;    // what is at the path before the append
        double lastFrameTime;  // the last kept trajectory frame's
        std::vector<Line> lines;
        std::string note;  // after the path
    };
    const Case cases[] = {
        {"in step", 0.6, {{1, 0.3}, {2, 0.6}, {3, 0.75}, {4, 1.05}}, ""},
        {"missing",
         0.6,
         {{3, 0.75}, {4, 1.05}},
         " was missing: it lacks the readings of 2 earlier frames"},
        {"other types",
         0.6,
         {{3, 0.75}, {4, 1.05}},
         " was for other types or damaged and starts again: it lacks the readings of 2 "
         "earlier frames"},
        // The trajectory's second frame is not the one the readings recorded.
        {"behind",
         0.65,
         {{1, 0.3}, {3, 0.75}, {4, 1.05}},
         " lacks the readings of 1 earlier frame"},
    };
    const Project project = twoParticles();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.before);
        TempDir dir;
        const std::string path = dir.file("run.readings.csv");
        {
            ReadingsWriter first;
            first.startAnew(path, project);
            for (double time : {0.3, 0.6, 0.9}) first.write(2, at(time));
        }
        if (c.before == std::string("missing")) std::filesystem::remove(path);
        if (c.before == std::string("other types"))
            testing::writeBytes(path, readingsHeader({1, 2}) + "\n");

        ReadingsWriter writer;
        const ParticleState restored = at(0.75);
        writer.startAppend(path, project, 2, c.lastFrameTime, &restored, 2);
        writer.write(2, at(1.05));
        writer.close();
        EXPECT_EQ(writer.problem(), "");
        EXPECT_EQ(writer.note(), c.note.empty() ? "" : path + c.note);
        EXPECT_EQ(linesOf(path), c.lines);
        ASSERT_TRUE(writer.last().has_value());
        EXPECT_EQ(writer.last()->meanKineticEnergy, 0.5);
    }
}

// Without a restored final state the next frame follows the kept ones directly, and the
// file is only rewritten, never a temporary left beside it.
TEST(ReadingsWriter, AnAppendWithoutAFinalStateGoesOnFromTheKeptFrames) {
    TempDir dir;
    const std::string path = dir.file("run.readings.csv");
    const Project project = twoParticles();
    {
        ReadingsWriter first;
        first.startAnew(path, project);
        for (double time : {0.3, 0.6, 0.9}) first.write(2, at(time));
    }
    ReadingsWriter writer;
    writer.startAppend(path, project, 1, 0.3, nullptr, 2);
    writer.write(2, at(0.6));
    writer.close();
    EXPECT_EQ(writer.note(), "");
    EXPECT_EQ(linesOf(path), (std::vector<Line>{{1, 0.3}, {2, 0.6}}));
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), {}), 1);
}

}  // namespace
}  // namespace zentova
