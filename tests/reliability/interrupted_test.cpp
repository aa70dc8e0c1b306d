// A calculation killed at any moment, and a trajectory cut short or removed while it is
// being shown: whatever is read afterwards is whole frames and complete final states.

#include <gtest/gtest.h>
#include <poll.h>
#include <signal.h>
#include <sys/inotify.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <random>
#include <thread>

#include "files/projectfile.h"
#include "reliability/child.h"
#include "reliability/filecheck.h"
#include "support/tempfiles.h"

namespace zentova {
namespace {

using testing::Child;
using testing::completeFinalState;
using testing::Outcome;
using testing::readBytes;
using testing::stateOfLastFrames;
using testing::TempDir;
using testing::wholeFrames;
using testing::writeBytes;

// 120 particles in twelve types: frames of 4.6 kB whose last line is a two-digit type, and
// a final state of 18 kB, so a write takes long enough to be hit now and then.
Project dozen() {
    Project p;
    p.name = "Dozen";
    p.typeCount = 12;
    p.ae = 0.5;
    p.ag = 0.1;
    p.ar = 1.0;
    for (int t = 1; t <= 12; ++t) {
        p.counts[t] = 10;
        p.masses[t] = 0.5 + 0.25 * t;
        p.charges[t] = t % 2 == 0 ? 1 : -1;
        p.diameters[t] = 4.0 + 0.5 * t;
    }
    p.particleCount = 120;
    return p;
}

// Waits until something is created in or written to the folder, at most `ms` ms.
class FolderWatch {
  public:
    explicit FolderWatch(const std::string& folder)
        : m_fd(::inotify_init1(IN_CLOEXEC | IN_NONBLOCK)) {
        ::inotify_add_watch(m_fd, folder.c_str(), IN_CREATE | IN_MODIFY);
    }
    FolderWatch(const FolderWatch&) = delete;
    FolderWatch& operator=(const FolderWatch&) = delete;
    ~FolderWatch() { ::close(m_fd); }

    // Drops the events so far, then waits for the next one whose name contains `part`.
    bool next(const std::string& part, int ms) {
        drain();
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(ms);
        while (std::chrono::steady_clock::now() < deadline) {
            pollfd waiting{m_fd, POLLIN, 0};
            if (::poll(&waiting, 1, 10) <= 0) continue;
            alignas(inotify_event) char buffer[4096];
            const ssize_t got = ::read(m_fd, buffer, sizeof buffer);
            for (ssize_t at = 0; at < got;) {
                const auto* event = reinterpret_cast<const inotify_event*>(buffer + at);
                if (event->len > 0 && std::string(event->name).find(part) != std::string::npos)
                    return true;
                at += static_cast<ssize_t>(sizeof(inotify_event) + event->len);
            }
        }
        return false;
    }

  private:
    void drain() {
        char buffer[4096];
        while (::read(m_fd, buffer, sizeof buffer) > 0) {
        }
    }
    int m_fd;
};

TEST(Interrupted, KillNineAtRandomMomentsLosesNoWholeFrame) {
    TempDir dir;
    writeBytes(dir.file("dozen.zpr"), formatProject(dozen()));
    const std::string his = dir.file("dozen.his");
    const std::string sta = dir.file("dozen.sta");
    // An undisturbed first run, so that every killed run appends to what is there.
    const Outcome first =
        Child::zentova(dir.path(), {"--calculate", "dozen.zpr", "--steps", "900", "--seed", "3"})
            .wait();
    ASSERT_EQ(first.status, 0) << first.err;
    std::string before = readBytes(his);
    std::size_t written = 3;  // frames known to have reached the trajectory
    int leftovers = 0;

    FolderWatch watch(dir.path());
    std::mt19937 random(20261207);  // fixed: a failure can be run again as it was
    for (int kill = 0; kill < 21; ++kill) {
        SCOPED_TRACE("kill " + std::to_string(kill));
        Child run = Child::zentova(
            dir.path(), {"--calculate", "dozen.zpr", "--append", "--steps", "1000000000"});
        // Every third kill right after a frame went to the trajectory (its final state went
        // just before), every third as a final state is being written (its frame not yet),
        // the rest at random moments.
        const int kind = kill % 3;
        if (kind == 0)
            std::this_thread::sleep_for(std::chrono::milliseconds(random() % 400 + 20));
        else if (watch.next(kind == 1 ? "dozen.his" : ".tmp-", 20000) && kind == 1)
            ++written;
        run.kill9();
        const Outcome outcome = run.wait(30);
        EXPECT_EQ(outcome.status, -SIGKILL) << outcome.err;

        const std::string now = readBytes(his);
        EXPECT_EQ(now.substr(0, before.size()), before);  // nothing lost
        before = now;
        const auto frames = wholeFrames(his);
        const auto state = completeFinalState(sta);
        ASSERT_TRUE(state);
        // The final state is that of the last frame, or of the one frame a kill between the
        // two writes kept from the trajectory (the next run adds it).
        EXPECT_TRUE(stateOfLastFrames(*state, frames));
        // A kill inside the atomic write leaves its temporary file, never a damaged one; the
        // next run of the project removes it.
        int temporaries = 0;
        for (const auto& entry : std::filesystem::directory_iterator(dir.path()))
            temporaries += entry.path().filename().string().find(".tmp-") != std::string::npos;
        EXPECT_LE(temporaries, 1);
        leftovers += temporaries;
    }
    const std::size_t frames = wholeFrames(his).size();
    EXPECT_GE(frames, written);
    const auto state = completeFinalState(sta);
    ASSERT_TRUE(state);
    const std::size_t missing =
        state->time > wholeFrames(his).back().time + WrittenTimeRounding ? 1 : 0;
    std::printf("%zu frames, %zu missing, %d temporary files left by kills\n", frames, missing,
                leftovers);

    // The next run goes on from what the kills left, and clears what they left behind.
    const Outcome outcome =
        Child::zentova(dir.path(), {"--calculate", "dozen.zpr", "--append", "--steps", "600"})
            .wait();
    ASSERT_EQ(outcome.status, 0) << outcome.err;
    EXPECT_EQ(wholeFrames(his).size(), frames + missing + 2) << outcome.err;
    for (const auto& entry : std::filesystem::directory_iterator(dir.path()))
        EXPECT_EQ(entry.path().filename().string().find(".tmp-"), std::string::npos);
}

bool sameFrame(const Frame& a, const Frame& b) {
    return a.count == b.count && a.time == b.time && a.positions == b.positions &&
           a.types == b.types;
}

TEST(Interrupted, TrajectoryCutShortOrRemovedWhileBeingRead) {
    TempDir dir;
    const std::string path = dir.file("shown.his");
    {
        ParticleState state;
        // Types 1..11, and 12 for the last particle only: every frame ends in a line "12".
        for (int p = 1; p < 30; ++p) state.type[p] = static_cast<std::uint8_t>(p % 11 + 1);
        state.type[30] = 12;
        TrajectoryWriter writer;
        writer.open(path, false);
        for (int k = 1; k <= 40; ++k) {
            for (int j = 0; j < 90; ++j) state.state[j] = std::sin(k * 0.37 + j) * 45.0;
            writer.writeFrame(30, 0.03 * k, state);
        }
    }
    const std::string bytes = readBytes(path);
    const auto all = wholeFrames(path);
    ASSERT_EQ(all.size(), 40u);
    std::vector<std::size_t> ends;  // byte offset after each frame
    for (std::size_t at = 0; ends.size() < 40;) {
        at = bytes.find("\r\n12\r\n", at) + 6;
        ends.push_back(at);
    }

    // Cuts at, and one, two and three bytes before, the ends of some frames: without its
    // line end the last line "12" may have been "1" of a longer number, so that frame is
    // left out as one cut short, and the reader says where it began.
    for (const std::size_t end : {ends[12], ends[25], ends[38]}) {
        for (std::size_t back = 0; back <= 3; ++back) {
            const std::size_t cut = end - back;
            writeBytes(path, bytes);
            std::ifstream in;
            char buffer[4096];  // a small buffer: the cuts lie beyond what it holds
            in.rdbuf()->pubsetbuf(buffer, sizeof buffer);
            in.open(path, std::ios::binary);
            TrajectoryReader reader(in, path);
            Frame frame;
            ASSERT_TRUE(reader.readFrame(frame));
            std::filesystem::resize_file(path, cut);

            std::vector<Frame> seen{frame};
            std::string error;
            try {
                while (reader.readFrame(frame)) seen.push_back(frame);
            } catch (const FileError& e) {
                error = e.what();
            }
            const std::size_t whole =
                std::upper_bound(ends.begin(), ends.end(), cut) - ends.begin();
            SCOPED_TRACE("cut at " + std::to_string(cut));
            ASSERT_EQ(seen.size(), whole);
            for (std::size_t k = 0; k < seen.size(); ++k) EXPECT_TRUE(sameFrame(seen[k], all[k]));
            EXPECT_EQ(error, "");
            const int frameLines = 2 + 4 * 30;
            EXPECT_EQ(reader.partialFrameLine(),
                      back == 0 ? 0 : 1 + frameLines * static_cast<int>(whole));
        }
    }

    // Removed while open: what was opened is read to its end.
    writeBytes(path, bytes);
    std::ifstream in(path, std::ios::binary);
    TrajectoryReader reader(in, path);
    Frame frame;
    ASSERT_TRUE(reader.readFrame(frame));
    std::filesystem::remove(path);
    std::size_t count = 1;
    while (reader.readFrame(frame)) ++count;
    EXPECT_EQ(count, 40u);
}

}  // namespace
}  // namespace zentova
