#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <vector>

#include "files/finalstate.h"
#include "files/trajectory.h"
#include "support/tempfiles.h"

namespace zentova {
namespace {

using testing::fileErrorOf;

// Two particles of types 1 and 3 with positions and velocities that 15 digits hold exactly.
ParticleState twoParticles() {
    ParticleState state;
    const double values[2][6] = {{0.5, -1234.5678, 12.3456, 1.0, -0.25, 0.0},
                                 {-0.0004, 45.0, 1.0e-5, 3.5, 2.0e10, -7.125}};
    for (int p = 1; p <= 2; ++p) {
        for (int c = 0; c < 3; ++c) {
            state.position(p, c) = values[p - 1][c];
            state.velocity(p, c) = values[p - 1][c + 3];
        }
    }
    state.type[1] = 1;
    state.type[2] = 3;
    return state;
}

const std::string TwoParticleFrame =
    "2\r\n   1.500\r\n"
    "   0.500\r\n-1234.568\r\n  12.346\r\n1\r\n"
    "  -0.000\r\n  45.000\r\n   0.000\r\n3\r\n";

TEST(Trajectory, FrameTextAndReadingBack) {
    std::string text;
    appendFrameText(text, 2, 1.5, twoParticles());
    EXPECT_EQ(text, TwoParticleFrame);
    appendFrameText(text, 0, 3.0, twoParticles());
    EXPECT_EQ(text.substr(TwoParticleFrame.size()), "0\r\n   3.000\r\n");

    std::istringstream in(text + "\r\n  \n");
    TrajectoryReader reader(in, "t.his");
    Frame frame;
    ASSERT_TRUE(reader.readFrame(frame));
    EXPECT_EQ(frame.count, 2);
    EXPECT_EQ(frame.time, 1.5);
    EXPECT_EQ(frame.positions[3 * 1 + 1], -1234.568);
    EXPECT_EQ(frame.positions[3 * 2 + 1], 45.0);
    EXPECT_EQ(frame.types[2], 3);
    ASSERT_TRUE(reader.readFrame(frame));
    EXPECT_EQ(frame.count, 0);
    EXPECT_EQ(frame.time, 3.0);
    EXPECT_FALSE(reader.readFrame(frame));
}

TEST(Trajectory, ReaderRefusesDamagedFramesAndKeepsTheLastGoodOne) {
    const auto error = [](const std::string& text) {
        std::istringstream in(text);
        TrajectoryReader reader(in, "t.his");
        Frame frame;
        frame.count = 77;
        const std::string message = fileErrorOf([&] {
            while (reader.readFrame(frame)) {
            }
        });
        return message + (frame.count == 77 ? "" : " [frame changed]");
    };
    // Each damaged text follows one good frame of ten lines, so frame.count is 2 after it.
    const std::string good = TwoParticleFrame;
    EXPECT_EQ(error("250\n1.0\n"), "t.his:1: a frame of 250 particles, at most 200 are allowed");
    EXPECT_EQ(error(good + "\n\n1\n2.0\n0\n0\n0\n25\n"),
              "t.his:18: particle 1 has type 25, types run from 1 to 20 [frame changed]");
    EXPECT_EQ(error("1\n2.0\n0\nnan\n"),
              "t.his:4: expected the y coordinate of particle 1, "
              "found \"nan\"");
    EXPECT_EQ(error("-3\n"), "t.his:1: a frame of -3 particles, the count cannot be negative");
    EXPECT_EQ(error(std::string("\x7f"
                                "ELF\x02\x01\x01\0\0\0",
                                10)),
              "t.his:1: expected the particle count, found \"?ELF??????\"");
    // On a last line without its end, only what a cut can leave (part of a number, zeros)
    // counts as a frame cut short; anything else there is damage.
    EXPECT_EQ(error(good + "1\n2.0\n0\n0\n0\nx"),
              "t.his:16: expected the type of particle 1, found \"x\" [frame changed]");
}

// A last frame cut short by the end of the file ends the file: the whole frames before it
// are read, and the reader tells where the cut frame began. A frame head alone at the end
// (count and time, no particles) is such a frame.
TEST(Trajectory, AFrameCutShortAtTheEndEndsTheFile) {
    const std::string good = TwoParticleFrame;
    for (const std::string& cut :
         {std::string("1\n2.0\n0\n"), std::string("2\r\n   2.500\r\n"), std::string("2\r\n   2.5"),
          std::string(4096, '\0'), good.substr(0, good.size() - 2)}) {
        SCOPED_TRACE(::testing::PrintToString(cut));
        std::istringstream in(good + "\r\n" + cut);
        TrajectoryReader reader(in, "t.his");
        Frame frame;
        ASSERT_TRUE(reader.readFrame(frame));
        EXPECT_FALSE(reader.readFrame(frame));
        EXPECT_EQ(frame.time, 1.5);
        EXPECT_EQ(reader.partialFrameLine(), 12);
        EXPECT_FALSE(reader.readFrame(frame));
    }
}

TEST(TrajectoryWriter, AppendsWholeFramesAndCutsBackAFailedOne) {
    testing::TempDir dir;
    const std::string path = dir.file("run.his");
    const ParticleState state = twoParticles();
    {
        TrajectoryWriter writer;
        writer.open(path, false);
        writer.writeFrame(2, 1.5, state);
        // Written at once, without waiting for close.
        EXPECT_EQ(testing::readBytes(path), TwoParticleFrame);
    }
    TrajectoryWriter writer;
    writer.open(path, true);
    writer.writeFrame(0, 3.0, state);
    writer.close();
    EXPECT_EQ(testing::readBytes(path), TwoParticleFrame + "0\r\n   3.000\r\n");
    writer.open(path, false);
    writer.close();
    EXPECT_EQ(testing::readBytes(path), "");

    // A file size limit lets the second frame in only in part; that part must go again.
    const int code = testing::exitCodeWithFileSizeLimit(TwoParticleFrame.size() + 20, [&] {
        try {
            TrajectoryWriter limited;
            limited.open(path, false);
            limited.writeFrame(2, 1.5, state);
            limited.writeFrame(2, 1.5, state);
        } catch (const FileError& e) {
            return std::string(e.what()) == path + ": cannot write: File too large" ? 0 : 1;
        }
        return 2;
    });
    EXPECT_EQ(code, 0);
    EXPECT_EQ(testing::readBytes(path), TwoParticleFrame);

    // A device is no trajectory: refused before anything is written to it.
    TrajectoryWriter device;
    EXPECT_EQ(fileErrorOf([&] { device.open("/dev/full", false); }),
              "/dev/full: is not a regular file (a FIFO or a device); a trajectory must be one");
}

std::vector<double> framesTimes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    TrajectoryReader reader(in, path);
    Frame frame;
    std::vector<double> times;
    while (reader.readFrame(frame)) times.push_back(frame.time);
    return times;
}

// A trajectory named by a symbolic link is never opened through it, whether the link points
// at a file (which a new run would empty) or at nothing (where one would be made): the
// writer refuses it by name, and what the link points at stays as it was.
TEST(TrajectoryWriter, RefusesASymbolicLinkAndLeavesWhatItPointsAt) {
    testing::TempDir dir;
    const std::string victim = dir.file("precious.txt");
    const std::string path = dir.file("run.his");
    const std::string refusal =
        path + ": is a symbolic link; a trajectory is never written through one";
    struct Case {
        bool victimExists;
        bool append;
    };
    for (const Case c : {Case{true, false}, Case{true, true}, Case{false, false}}) {
        std::filesystem::remove(victim);
        std::filesystem::remove(path);
        if (c.victimExists) testing::writeBytes(victim, "keep me\n");
        std::filesystem::create_symlink(victim, path);
        TrajectoryWriter writer;
        EXPECT_EQ(fileErrorOf([&] { writer.open(path, c.append); }), refusal)
            << "points at a file: " << c.victimExists << ", append: " << c.append;
        EXPECT_FALSE(writer.isOpen());
        if (c.victimExists)
            EXPECT_EQ(testing::readBytes(victim), "keep me\n");
        else
            EXPECT_FALSE(std::filesystem::exists(victim));
        EXPECT_TRUE(std::filesystem::is_symlink(path));
    }
}

TEST(TrajectoryWriter, AppendingCutsOffTheRemainsOfABrokenLastFrame) {
    testing::TempDir dir;
    const std::string path = dir.file("run.his");
    std::string whole;
    for (const double time : {1.0, 2.0, 3.0}) appendFrameText(whole, 2, time, twoParticles());
    std::string fourth;
    appendFrameText(fourth, 2, 4.0, twoParticles());
    const auto appendOne = [&] {
        TrajectoryWriter writer;
        writer.open(path, true);
        writer.writeFrame(2, 9.0, twoParticles());
    };

    // Whole frames, and blank lines after them, are kept to the byte.
    for (const std::string& kept : {whole, whole + "\r\n \r\n"}) {
        testing::writeBytes(path, kept);
        appendOne();
        const std::string now = testing::readBytes(path);
        EXPECT_EQ(now.substr(0, kept.size()), kept);
        EXPECT_EQ(framesTimes(path), (std::vector<double>{1, 2, 3, 9}));
    }
    // The fourth frame cut at every byte, and a block of zeros a crash left in its place.
    std::vector<std::string> broken;
    for (std::size_t cut = 1; cut < fourth.size(); ++cut) broken.push_back(fourth.substr(0, cut));
    broken.push_back(std::string(4096, '\0'));
    for (const std::string& remains : broken) {
        SCOPED_TRACE(::testing::PrintToString(remains));
        testing::writeBytes(path, whole + remains);
        appendOne();
        EXPECT_EQ(framesTimes(path), (std::vector<double>{1, 2, 3, 9}));
    }
}

TEST(TrajectoryWriter, AppendingRefusesFilesDamagedBeforeTheirEnd) {
    testing::TempDir dir;
    const std::string path = dir.file("run.his");
    std::string frames;
    for (const double time : {1.0, 2.0, 3.0}) appendFrameText(frames, 2, time, twoParticles());
    const std::string second = "2\r\n   2.000\r\n   0.500\r\n";
    std::string damaged = frames;
    damaged.replace(damaged.find(second) + second.size(), 3, "x.y");
    const auto refusal = [&](const std::string& content) {
        testing::writeBytes(path, content);
        const std::string message = fileErrorOf([&] {
            TrajectoryWriter writer;
            writer.open(path, true);
        });
        EXPECT_EQ(testing::readBytes(path), content);
        return message;
    };
    const std::string notAppended = "; not appended: new frames would not be read";
    // Cutting back to the frame before the damage would lose the whole frames after it.
    EXPECT_EQ(
        refusal(damaged),
        path + ":14: expected the y coordinate of particle 1, found \"x.y34.568\"" + notAppended);
    // Not a trajectory, or not one whole frame: emptying it is not the program's to decide.
    EXPECT_EQ(refusal("Particles of the salt crystal\r\n"),
              path + ":1: expected the particle count, found \"Particles\"" + notAppended);
    EXPECT_EQ(refusal(frames.substr(0, 20)),
              path + ":1: the file holds no whole frame, only one cut short" + notAppended);
}

TEST(FinalState, ExactTextAndRoundTrip) {
    const ParticleState state = twoParticles();
    const std::string text = formatFinalState(2, 0.5, state);
    EXPECT_EQ(text.substr(0, 3 + 25 + 25),
              "2\r\n 5.00000000000000E-0001\r\n 5.00000000000000E-0001\r\n");
    EXPECT_NE(text.find("\r\n1\r\n-4.00000000000000E-0004\r\n"), std::string::npos);
    EXPECT_EQ(text.substr(text.size() - 50),
              " 2.00000000000000E+0010\r\n-7.12500000000000E+0000\r\n");
    EXPECT_EQ(formatFinalState(0, 0.0, state), "0\r\n 0.00000000000000E+0000\r\n");

    testing::TempDir dir;
    writeFinalStateFile(dir.file("run.sta"), 2, 0.5, state);
    EXPECT_EQ(testing::readBytes(dir.file("run.sta")), text);
    const FinalState read = loadFinalStateFile(dir.file("run.sta"));
    EXPECT_EQ(read.count, 2);
    EXPECT_EQ(read.time, 0.5);
    EXPECT_EQ(read.particles.state, state.state);
    EXPECT_EQ(read.particles.type, state.type);
}

TEST(FinalState, RefusesDamagedFilesAndMismatchedProjects) {
    const auto error = [](const std::string& text) {
        std::istringstream in(text);
        return fileErrorOf([&] { readFinalState(in, "run.sta"); });
    };
    const std::string good = formatFinalState(2, 0.5, twoParticles());
    EXPECT_EQ(error(good.substr(0, good.size() - 25)),
              "run.sta:16: unexpected end of file, expected the z velocity of particle 2");
    EXPECT_EQ(error("201\n"), "run.sta:1: 201 particles, between 0 and 200 are allowed");
    EXPECT_EQ(error("1\n0\n1\n2\n3\n21\n"),
              "run.sta:6: particle 1 has type 21, types run from 1 to 20");
    EXPECT_EQ(error("1\n0\n1\n2\n3\n0\n"),
              "run.sta:6: particle 1 has type 0, types run from 1 to 20");
    EXPECT_EQ(error("1\n0\n1\nx2\n"),
              "run.sta:4: expected the y coordinate of particle 1, found \"x2\"");

    std::istringstream in(good);
    const FinalState state = readFinalState(in, "run.sta");
    Project project;
    project.typeCount = 3;
    project.counts = {0, 1, 0, 1};
    project.particleCount = 2;
    EXPECT_EQ(finalStateMismatch(state, project), std::nullopt);
    project.counts[2] = 1;
    EXPECT_EQ(finalStateMismatch(state, project),
              "the final state holds 2 particles, the project 3");
    project.counts = {0, 1, 1, 0};
    EXPECT_EQ(finalStateMismatch(state, project),
              "particle 2 is of type 3 in the final state but of type 2 in the project");
}

}  // namespace
}  // namespace zentova
