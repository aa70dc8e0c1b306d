// How a calculation prepares its files before the first step: one run of a project at a
// time, and an append that continues only what the final state can.

#include "calc/runplan.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/file.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <thread>
#include <vector>

#include "calc/stepper.h"
#include "files/atomicfile.h"
#include "files/finalstate.h"
#include "files/output.h"
#include "files/trajectory.h"
#include "support/tempfiles.h"
#include "support/world.h"

namespace zentova {
namespace {

using testing::readBytes;
using testing::writeBytes;

class RunPlanFiles : public ::testing::Test {
  protected:
    testing::TempDir dir;
    std::unique_ptr<testing::World> w = testing::makeWorld(3);
    std::string base = dir.file("run");

    std::string framesAt(std::initializer_list<double> times) {
        std::string text;
        for (const double t : times) appendFrameText(text, 3, t, w->particles);
        return text;
    }
    void finalStateAt(double time) { writeFinalStateFile(base + ".sta", 3, time, w->particles); }
};

TEST_F(RunPlanFiles, OneCalculationOfAProjectAtATime) {
    // A temporary file a killed write of the final state left a moment ago: no other run
    // can be writing it while the trajectory is held, so it goes however young it is.
    const std::string leftover = temporaryPathOf(base + ".sta", "Ab12Cd34");
    writeBytes(leftover, "half a state");
    RunPlan first(base);
    first.claim();
    EXPECT_FALSE(fileExists(leftover));
    EXPECT_FALSE(first.trajectoryExisted());

    RunPlan second(base);
    try {
        second.claim();
        ADD_FAILURE() << "a second run of the project was let in";
    } catch (const TrajectoryBusy& busy) {
        EXPECT_EQ(std::string(busy.what()), base + ".his is being written by another calculation");
    }
    // Given up before its first frame, the first run takes away the file it made; the
    // second then gets the project.
    first.abandon();
    EXPECT_FALSE(fileExists(base + ".his"));
    second.claim();
    EXPECT_FALSE(second.trajectoryExisted());
}

// How many of this process's descriptors are open on `path`.
int descriptorsOn(const std::string& path) {
    int count = 0;
    std::error_code ec;
    for (const auto& fd : std::filesystem::directory_iterator("/proc/self/fd", ec)) {
        std::error_code linkError;
        count += std::filesystem::read_symlink(fd.path(), linkError) == path;
    }
    return count;
}

// A run checks that its trajectory is still its own and writes its final state under the
// final state's hold, and a run that takes the project's name waits for that hold: the
// last write of a run whose trajectory was removed never lands over the next run's.
TEST_F(RunPlanFiles, ARemovedRunsLastWriteCannotCutIntoTheNextRun) {
    const std::string his = std::filesystem::canonical(dir.path()).string() + "/run.his";
    const std::string sta = std::filesystem::canonical(dir.path()).string() + "/run.sta";
    RunPlan first(base);
    first.claim();
    first.startAnew(w->project);
    RunFiles files(first.trajectory(), first.finalStatePath());
    files.frame(3, w->particles);
    const std::string written = readBytes(sta);

    // Held, as by a run between its check and its write: the first run's next frame waits
    // for it; the name taken by another file meanwhile, it stops and writes nothing.
    int held = ::open(sta.c_str(), O_RDONLY);
    ASSERT_EQ(::flock(held, LOCK_EX), 0);
    std::string stopped;
    w->particles.time += 1.0;
    std::thread next([&] {
        try {
            files.frame(3, w->particles);
        } catch (const FileError& e) {
            stopped = e.what();
        }
    });
    for (int k = 0; k < 1000 && descriptorsOn(sta) < 2; ++k) ::usleep(1000);
    std::filesystem::remove(his);
    writeBytes(his, "");  // another run's
    ::close(held);
    next.join();
    EXPECT_NE(stopped.find("was removed or replaced during the run"), std::string::npos) << stopped;
    EXPECT_EQ(readBytes(sta), written);

    // A run that takes the project while the final state is held waits, and at length
    // refuses, leaving nothing of its own.
    std::filesystem::remove(his);
    held = ::open(sta.c_str(), O_RDONLY);
    ASSERT_EQ(::flock(held, LOCK_EX), 0);
    RunPlan second(base);
    try {
        second.claim();
        ADD_FAILURE() << "the project was taken while its final state was being written";
    } catch (const FileError& e) {
        EXPECT_EQ(std::string(e.what()),
                  base +
                      ".sta: is being written by another calculation; try again when it has "
                      "ended");
    }
    EXPECT_FALSE(fileExists(his));
    ::close(held);
    second.claim();
}

TEST_F(RunPlanFiles, ACommandReadingTheTrajectoryTwiceKeepsANewRunOut) {
    writeBytes(base + ".his", framesAt({0.015, 0.030}));
    {
        // A running calculation only appends: the reader goes on without the lock.
        RunPlan running(base);
        running.claim();
        EXPECT_FALSE(TrajectoryReadLock(base + ".his").held());
    }
    {
        const TrajectoryReadLock reading(base + ".his");
        EXPECT_TRUE(reading.held());
        const TrajectoryReadLock another(base + ".his");
        EXPECT_TRUE(another.held()) << "readers share the lock";
        RunPlan run(base);
        try {
            run.claim();
            ADD_FAILURE() << "a run emptied the trajectory under a reader";
        } catch (const TrajectoryBusy& busy) {
            EXPECT_EQ(std::string(busy.what()),
                      base +
                          ".his is being read by another command (--analyse or --movie); try "
                          "again when it has ended");
        }
        EXPECT_EQ(readBytes(base + ".his"), framesAt({0.015, 0.030}));
    }
    RunPlan after(base);
    after.claim();
    EXPECT_TRUE(after.trajectoryExisted());
}

TEST_F(RunPlanFiles, AppendingContinuesExactlyWhatTheFinalStateHolds) {
    const auto append = [&](const std::string& his, double staTime) {
        writeBytes(base + ".his", his);
        finalStateAt(staTime);
        RunPlan plan(base);
        plan.claim();
        EXPECT_TRUE(plan.trajectoryExisted());
        const AppendStart start = plan.startAppend(w->project, w->particles, true);
        EXPECT_TRUE(start.fromFinalState);
        EXPECT_EQ(w->particles.time, staTime);
        plan.trajectory().close();
        return describeAppendCut(start);
    };
    // A copy cut short loses the remains of its last frame.
    const std::string cut = framesAt({0.015, 0.03});
    EXPECT_EQ(append(cut + "3\r\n   0.04", 0.03), "the frame cut short at line 29 was left out");
    EXPECT_EQ(readBytes(base + ".his"), cut);
    // A run killed between its final state and its frame: the frame comes from the state.
    EXPECT_EQ(append(cut, 0.045),
              "the frame of the final state (t = 0.045) was missing and was added");
    EXPECT_EQ(readBytes(base + ".his"), framesAt({0.015, 0.03, 0.045}));
    // Whole and in step with the final state: nothing changes, blank lines included.
    EXPECT_EQ(append(cut + "\r\n", 0.03), "");
    EXPECT_EQ(readBytes(base + ".his"), cut + "\r\n");

    // Without a final state the particles in memory go on, at the trajectory's last time.
    std::remove((base + ".sta").c_str());
    w->particles.time = 0.0;
    {
        RunPlan plan(base);
        plan.claim();
        EXPECT_FALSE(plan.startAppend(w->project, w->particles, false).fromFinalState);
        EXPECT_EQ(w->particles.time, 0.03);
    }
    finalStateAt(0.03);

    // A final state older than the last frame (an old copy put back): new frames would go
    // back in time, so nothing is appended and no file changes, the readings included.
    const std::string ahead = framesAt({0.015, 0.03, 0.045}) + "3\r\n   0.06";
    writeBytes(base + ".his", ahead);
    finalStateAt(0.015);
    const std::string sta = readBytes(base + ".sta");
    const bool hadReadings = std::filesystem::exists(readingsPathOf(base));
    const std::string readings = hadReadings ? readBytes(readingsPathOf(base)) : "";
    const ParticleState before = w->particles;
    {
        RunPlan plan(base);
        plan.claim();
        try {
            plan.startAppend(w->project, w->particles, true);
            ADD_FAILURE() << "frames went after a later frame";
        } catch (const FinalStateBehind& behind) {
            EXPECT_EQ(std::string(behind.what()),
                      base +
                          ".his: its last frame (t = 0.045) is later than the final state "
                          "(t = 0.015); nothing was appended, as the new frames would go back "
                          "in time; overwriting starts afresh");
            EXPECT_EQ(behind.lastFrameTime(), 0.045);
            EXPECT_EQ(behind.finalStateTime(), 0.015);
        }
    }
    EXPECT_EQ(readBytes(base + ".his"), ahead);
    EXPECT_EQ(readBytes(base + ".sta"), sta);
    EXPECT_EQ(std::filesystem::exists(readingsPathOf(base)), hadReadings);
    if (hadReadings) {
        EXPECT_EQ(readBytes(readingsPathOf(base)), readings);
    }
    EXPECT_EQ(w->particles.time, before.time);
    // Within the three decimals the trajectory writes, the last frame is the final state's.
    writeBytes(base + ".his", framesAt({0.015, 0.0304}));
    finalStateAt(0.030);
    {
        RunPlan plan(base);
        plan.claim();
        EXPECT_EQ(describeAppendCut(plan.startAppend(w->project, w->particles, true)), "");
    }
    finalStateAt(0.03);

    // Another project's final state is refused, and no file changes.
    writeBytes(base + ".his", cut);
    w->project.counts[1] = 4;
    RunPlan plan(base);
    plan.claim();
    EXPECT_THROW(plan.startAppend(w->project, w->particles, true), ForeignFinalState);
    EXPECT_EQ(readBytes(base + ".his"), cut);
}

}  // namespace
}  // namespace zentova
