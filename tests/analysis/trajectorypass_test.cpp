// The analysis's one read through a trajectory: which frames it keeps, and that it reads one
// file whole whatever happens to the name meanwhile.

#include "analysis/trajectorypass.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cstdio>
#include <filesystem>
#include <sstream>

#include "files/trajectory.h"
#include "support/tempfiles.h"

namespace zentova {
namespace {

// The frames of a trajectory of `n` frames, 0.015 apart from 0.015, offered one by one.
FramePicker::Picked pick(std::size_t n, std::optional<double> from, std::optional<double> to,
                         std::size_t most) {
    FramePicker picker(from, to, most, 50.0);
    Frame frame;
    frame.count = 1;
    frame.types[1] = 1;
    for (std::size_t k = 0; k < n; ++k) {
        frame.time = 0.015 * static_cast<double>(k + 1);
        frame.positions[4] = 0.001 * static_cast<double>(k);  // tells the frames apart
        picker.offer(frame);
    }
    return picker.finish();
}

std::vector<double> timesOf(std::size_t n) {
    std::vector<double> times(n);
    for (std::size_t k = 0; k < n; ++k) times[k] = 0.015 * static_cast<double>(k + 1);
    return times;
}

// Up to twice `most` frames in range, the one read keeps what the whole list of times gives.
TEST(FramePicker, KeepsWhatTheWholeListGivesWhileTwiceTheMostFit) {
    struct Case {
        std::size_t n;
        std::optional<double> from, to;
        std::size_t most;
    };
    const Case cases[] = {
        {1, {}, {}, 10},    {2, {}, {}, 10},          {7, {}, {}, 10},     {39, {}, {}, 10},
        {40, {}, {}, 10},   {41, {}, {}, 11},         {25, {}, {}, 10},    {100, 0.3, 0.6, 11},
        {100, 0.3, {}, 41}, {100, {}, 0.2, 10},       {100, 0.0, 1.5, 50}, {100, 0.0, 1.5, 100},
        {60, 0.4, 0.4, 10}, {60, 0.4005, 0.4005, 10}, {60, 5.0, 6.0, 10},
    };
    for (const Case& c : cases) {
        const std::vector<double> times = timesOf(c.n);
        const std::vector<std::size_t> inRange = chooseFrames(times, c.from, c.to);
        const FramePicker::Picked picked = pick(c.n, c.from, c.to, c.most);
        EXPECT_EQ(picked.indices, thinOut(inRange, c.most)) << c.n << " " << c.most;
        EXPECT_EQ(picked.inRange, inRange.size()) << c.n;
        EXPECT_EQ(picked.frameCount, c.n);
        EXPECT_DOUBLE_EQ(picked.lastTime, times.back());
        ASSERT_EQ(picked.frames.size(), picked.indices.size());
        for (std::size_t k = 0; k < picked.frames.size(); ++k)
            EXPECT_EQ(picked.frames[k].xyz.at(1), 0.001 * static_cast<double>(picked.indices[k]));
    }
}

// Beyond that, at most `most` frames, evenly spaced, all in range, and not fewer than a
// quarter of them, however long the trajectory.
TEST(FramePicker, KeepsAtMostTheMostEvenlySpacedInALongTrajectory) {
    struct Case {
        std::size_t n;
        std::optional<double> from, to;
    };
    for (const Case& c : {Case{41, {}, {}}, Case{1000, {}, {}}, Case{20001, {}, {}},
                          Case{3000, 3.0, 30.0}, Case{5000, {}, 40.0}}) {
        const std::size_t most = 10;
        const std::vector<std::size_t> inRange = chooseFrames(timesOf(c.n), c.from, c.to);
        const FramePicker::Picked picked = pick(c.n, c.from, c.to, most);
        ASSERT_GE(picked.indices.size(), 2u) << c.n;
        EXPECT_LE(picked.indices.size(), most) << c.n;
        EXPECT_GE(picked.indices.size(), most / 4) << c.n;
        EXPECT_EQ(picked.inRange, inRange.size()) << c.n;
        const std::size_t every = picked.indices[1] - picked.indices[0];
        for (std::size_t k = 0; k < picked.indices.size(); ++k) {
            EXPECT_EQ(picked.indices[k], picked.indices[0] + k * every) << c.n;
            EXPECT_TRUE(std::binary_search(inRange.begin(), inRange.end(), picked.indices[k]))
                << c.n << " frame " << picked.indices[k];
        }
        // The last frame in range lies within one spacing of the last kept.
        EXPECT_LT(inRange.back() - picked.indices.back(), every) << c.n;
    }
}

std::string trajectoryText(int frames, int particles, double firstTime) {
    ParticleState state;
    std::string his;
    for (int p = 1; p <= particles; ++p) state.type[p] = 1;
    for (int f = 0; f < frames; ++f) {
        for (int p = 1; p <= particles; ++p) state.position(p, 0) = 0.01 * p + f;
        appendFrameText(his, particles, firstTime + 0.015 * f, state);
    }
    return his;
}

Project oneTypeProject(int particles) {
    Project project;
    project.typeCount = 1;
    project.counts[1] = particles;
    project.masses[1] = 1.0;
    return project;
}

// What the read hears of each frame and what it says of a last frame cut short.
TEST(ReadTrajectoryOnce, TellsOfEveryWholeFrameAndOfOneCutShort) {
    std::string his = trajectoryText(3, 2, 1.0);
    his += "2\r\n4.000\r\n";  // a fourth frame cut short: 10 lines a frame before it
    std::istringstream in(his);
    std::vector<std::pair<long long, double>> heard;
    int partial = 0;
    const FramePicker::Picked picked = readTrajectoryOnce(
        in, "t.his", oneTypeProject(2), FramePicker(std::nullopt, std::nullopt, 10, 50.0),
        [&](long long number, double time) { heard.emplace_back(number, time); }, &partial);
    EXPECT_EQ(heard, (std::vector<std::pair<long long, double>>{{1, 1.0}, {2, 1.015}, {3, 1.03}}));
    EXPECT_EQ(partial, 31);
    EXPECT_EQ(picked.indices, (std::vector<std::size_t>{1, 2}));
}

// Whatever happens to the trajectory's name during the read, the read is of one file, whole,
// and a calculation cannot empty it meanwhile.
TEST(ReadTrajectoryOnce, ReadsOneFileWholeWhateverHappensToItsName) {
    testing::TempDir dir;
    const std::string path = dir.file("p.his");
    const std::string other = dir.file("other.his");
    const Project project = oneTypeProject(200);
    // Frames of 200 particles, six kilobytes each: far more than one read's buffer.
    const int frames = 40;
    struct Case {
        const char* what;
        int atFrame;
        std::function<void()> act;
    };
    const Case cases[] = {
        {"renamed over", 2, [&] { std::filesystem::rename(other, path); }},
        {"removed", 2, [&] { std::filesystem::remove(path); }},
        {"cut to nothing by a new calculation", 3,
         [&] {
             TrajectoryWriter writer;
             EXPECT_THROW(writer.open(path, false), TrajectoryBusy);
         }},
    };
    for (const Case& c : cases) {
        testing::writeBytes(path, trajectoryText(frames, 200, 0.015));
        testing::writeBytes(other, trajectoryText(5, 200, 100.0));
        TrajectoryInput input(path);
        EXPECT_TRUE(input.held()) << c.what;
        std::vector<double> times;
        const FramePicker::Picked picked = readTrajectoryOnce(
            input.stream(), path, project, FramePicker(std::nullopt, std::nullopt, 100, 50.0),
            [&](long long number, double time) {
                times.push_back(time);
                if (number == c.atFrame) c.act();
            });
        EXPECT_EQ(picked.frameCount, static_cast<std::size_t>(frames)) << c.what;
        ASSERT_EQ(times.size(), static_cast<std::size_t>(frames)) << c.what;
        EXPECT_DOUBLE_EQ(times.back(), 0.015 * frames) << c.what;
        std::filesystem::remove(other);
    }
}

// What is not a regular file is refused at once, named.
TEST(ReadTrajectoryOnce, RefusesWhatIsNotARegularFile) {
    testing::TempDir dir;
    std::filesystem::create_directory(dir.file("folder.his"));
    ASSERT_EQ(::mkfifo(dir.file("fifo.his").c_str(), 0600), 0);
    struct Case {
        std::string name;
        std::string says;
    };
    for (const Case& c : {Case{"missing.his", "cannot open: No such file or directory"},
                          Case{"folder.his", "cannot open: Is a directory"},
                          Case{"fifo.his", "cannot open: not a regular file"}}) {
        const std::string error =
            testing::fileErrorOf([&] { TrajectoryInput input(dir.file(c.name)); });
        EXPECT_NE(error.find(dir.file(c.name) + ": " + c.says), std::string::npos) << error;
    }
}

}  // namespace
}  // namespace zentova
