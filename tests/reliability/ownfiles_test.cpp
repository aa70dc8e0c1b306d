// The project's own files in the way of a calculation: a folder that takes no new file, a
// trajectory that is a link or a FIFO, a trajectory removed under a running calculation.
// Each is refused or ended with one message, and no other file is touched.

#include <fcntl.h>
#include <gtest/gtest.h>
#include <linux/fs.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <thread>

#include "files/projectfile.h"
#include "reliability/child.h"
#include "reliability/filecheck.h"
#include "reliability/folders.h"
#include "support/projects.h"
#include "support/tempfiles.h"

namespace zentova {
namespace {

namespace fs = std::filesystem;
using testing::Child;
using testing::completeFinalState;
using testing::Outcome;
using testing::readBytes;
using testing::setImmutable;
using testing::stateOfLastFrames;
using testing::wholeFrames;
using testing::writeBytes;

class OwnFiles : public ::testing::Test {
  protected:
    testing::TempDir dir;

    void SetUp() override {
        writeBytes(dir.file("salt.zpr"), formatProject(testing::saltProject()));
        writeBytes(dir.file("thesis.txt"), "years of work\n");
    }
    Outcome zentova(const std::vector<std::string>& args, double seconds = 60) {
        return Child::zentova(dir.path(), args).wait(seconds);
    }
    void firstRun() {
        const Outcome outcome =
            zentova({"--calculate", "salt.zpr", "--seed", "5", "--steps", "900"});
        ASSERT_EQ(outcome.status, 0) << outcome.err;
    }
    std::string his() const { return readBytes(dir.file("salt.his")); }
};

// A new run and an append in a folder that takes no new file are refused before the
// trajectory is cut or extended.
TEST_F(OwnFiles, AFolderThatTakesNoNewFileRefusesTheRunWithEveryFileAsItWas) {
    firstRun();
    const std::string his0 = his();
    const std::string sta0 = readBytes(dir.file("salt.sta"));
    if (!setImmutable(dir.path(), true)) GTEST_SKIP() << "the file system has no immutable flag";
    const Outcome fresh = zentova({"--calculate", "salt.zpr", "--steps", "900"});
    const Outcome append = zentova({"--calculate", "salt.zpr", "--append", "--steps", "900"});
    setImmutable(dir.path(), false);
    for (const Outcome& outcome : {fresh, append}) {
        EXPECT_EQ(outcome.status, 1);
        EXPECT_EQ(outcome.err.rfind("zentova: salt.sta: cannot write: ", 0), 0u) << outcome.err;
    }
    EXPECT_EQ(his(), his0);
    EXPECT_EQ(readBytes(dir.file("salt.sta")), sta0);
}

// A trajectory that is a link is never written through; a FIFO in a file's place is refused
// (or, for the readings, left alone) rather than waited on for ever.
TEST_F(OwnFiles, ALinkOrAFifoInPlaceOfAFileIsRefusedWithoutWaiting) {
    struct Case {
        const char* file;  // made a link to thesis.txt ("link") or a FIFO
        bool fifo;
        std::vector<std::string> args;
        int status;
        const char* message;
    };
    const std::vector<std::string> calculate = {"--calculate", "salt.zpr", "--steps", "300"};
    const std::vector<std::string> append = {"--calculate", "salt.zpr", "--append", "--steps",
                                             "300"};
    const Case cases[] = {
        {"salt.his", false, calculate, 1, "salt.his: is a symbolic link"},
        {"salt.his", true, calculate, 1, "salt.his: is not a regular file"},
        {"salt.his", true, append, 1, "salt.his: is not a regular file"},
        {"salt.his", true, {"--export-xyz", "salt.zpr"}, 1, "salt.his: cannot open: not a regular"},
        {"salt.readings.csv", true, append, 0, "salt.readings.csv: is a FIFO"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.file) + " " + c.args[0] + " " + c.args.back());
        firstRun();
        fs::remove(dir.file(c.file));
        if (c.fifo)
            ASSERT_EQ(::mkfifo(dir.file(c.file).c_str(), 0644), 0);
        else
            fs::create_symlink("thesis.txt", dir.file(c.file));
        const Outcome outcome = zentova(c.args, 20);
        EXPECT_EQ(outcome.status, c.status) << outcome.err;
        EXPECT_NE(outcome.err.find(c.message), std::string::npos) << outcome.err;
        EXPECT_EQ(readBytes(dir.file("thesis.txt")), "years of work\n");
        fs::remove(dir.file(c.file));
    }
}

// The trajectory removed while a calculation appends to it, and a second calculation of the
// project started: the first stops at its next frame, so the files are the second's alone.
TEST_F(OwnFiles, ARunWhoseTrajectoryIsRemovedStopsBeforeItsNextWrite) {
    firstRun();
    Child first =
        Child::zentova(dir.path(), {"--calculate", "salt.zpr", "--append", "--steps", "100000000"});
    const std::size_t before = his().size();
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(30);
    while (his().size() <= before && std::chrono::steady_clock::now() < deadline)
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    fs::remove(dir.file("salt.his"));
    const Outcome second = zentova({"--calculate", "salt.zpr", "--seed", "7", "--steps", "1500"});
    const Outcome stopped = first.wait(30);
    EXPECT_EQ(second.status, 0) << second.err;
    EXPECT_EQ(stopped.status, 1) << stopped.err;
    EXPECT_NE(stopped.err.find("salt.his: was removed or replaced during the run"),
              std::string::npos)
        << stopped.err;
    const auto frames = wholeFrames(dir.file("salt.his"));
    EXPECT_EQ(frames.size(), 5u);
    const auto state = completeFinalState(dir.file("salt.sta"));
    ASSERT_TRUE(state);
    EXPECT_TRUE(stateOfLastFrames(*state, frames));
}

}  // namespace
}  // namespace zentova
