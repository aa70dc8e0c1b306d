// The program on the (virtual) screen, ended by Escape and by closing its main window while
// "Calculate" writes its files: the process ends at once, the trajectory holds whole frames
// only, and the final state is the old one or a complete one of the frames just written.

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <thread>
#include <vector>

#include "e2e/xdisplay.h"
#include "files/projectfile.h"
#include "files/trajectory.h"
#include "reliability/child.h"
#include "reliability/filecheck.h"
#include "support/projects.h"
#include "support/tempfiles.h"

namespace zentova {
namespace {

using namespace std::chrono_literals;
using Clock = std::chrono::steady_clock;
using testing::Child;
using testing::Outcome;
using testing::readBytes;
using testing::waitFor;
using testing::writeBytes;
using testing::xdotool;

// The main menu's place on a screen of this width (MainDriver): its first item's box starts
// here, and each item lies 15 pixels right of and 30 below the one before.
int menuLeft(int screenWidth) {
    return screenWidth / 2 - 160;
}
constexpr int MenuTop = 120;
constexpr int CalculateItem = 4;  // counted from 0
// On the main window, clear of the summary and of the view window (which stays right of
// the middle): keys go where the pointer is on a screen without a window manager.
constexpr int MainWindowX = 100;
constexpr int MainWindowY = 600;

// The frames of the trajectory so far; a frame still being written ends the count.
std::size_t framesSoFar(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    TrajectoryReader reader(in, path);
    Frame frame;
    std::size_t count = 0;
    try {
        while (reader.readFrame(frame)) ++count;
    } catch (const FileError&) {
    }
    return count;
}

enum class Ending { Escape, CloseWindow };

// When the program is ended: once the trajectory holds `frames` frames, and `fraction` of a
// frame's interval after that.
struct Moment {
    std::size_t frames;
    double fraction;
};

class InterruptedWindow : public ::testing::Test {
  protected:
    void SetUp() override {
        if (const std::string why = whyNoScreen(m_display); !why.empty()) GTEST_SKIP() << why;

        writeBytes(m_dir.file("salt.zpr"), formatProject(testing::saltProject(20, 10)));
        // Files of an earlier calculation, so that "Calculate" asks to overwrite them.
        const Outcome first =
            Child::zentova(m_dir.path(), {"--calculate", "salt.zpr", "--steps", "600"}).wait();
        ASSERT_EQ(first.status, 0) << first.err;
        m_oldTrajectory = readBytes(m_his);
        m_oldState = readBytes(m_sta);
    }

    // Starts the program with the project, chooses "Calculate", answers YES to overwriting
    // the old trajectory, ends the program at `moment` and checks what it left.
    void interrupt(Ending ending, Moment moment) {
        SCOPED_TRACE("after " + std::to_string(moment.frames) + " frames and " +
                     std::to_string(moment.fraction) + " of the next");
        writeBytes(m_his, m_oldTrajectory);
        writeBytes(m_sta, m_oldState);
        const int left = menuLeft(m_display.width());
        ASSERT_EQ(xdotool({"mousemove", "0", "0"}).status, 0);
        Child program = Child::zentova(m_dir.path(), {"salt.zpr"});

        // The menu puts the pointer on its first item when it starts waiting for a choice.
        ASSERT_TRUE(waitFor(20s, [&] { return m_display.pointerAt(left + 30, MenuTop + 10); }))
            << "no menu";
        // A click held as long as a hand holds it: the menu polls the button state.
        const int x = left + 15 * CalculateItem + 25;
        const int y = MenuTop + 30 * CalculateItem + 15;
        ASSERT_EQ(xdotool({"mousemove", std::to_string(x), std::to_string(y), "mousedown", "1",
                           "sleep", "0.15", "mouseup", "1", "mousemove",
                           std::to_string(MainWindowX), std::to_string(MainWindowY)})
                      .status,
                  0);
        // "Overwrite old trajectory file ?" takes only a key pressed while it is shown.
        ASSERT_TRUE(waitFor(20s, [&] {
            if (m_display.shownWindow(program.pid(), "Simulation run") != 0) return true;
            xdotool({"key", "y"});
            std::this_thread::sleep_for(150ms);
            return false;
        })) << "the calculation did not start";

        // The old trajectory was emptied before the view window showed.
        std::vector<Clock::time_point> frameTimes{Clock::now()};
        const auto enoughFrames = [&] {
            const std::size_t now = framesSoFar(m_his);
            while (frameTimes.size() <= now) frameTimes.push_back(Clock::now());
            return now >= moment.frames;
        };
        ASSERT_TRUE(waitFor(60s, enoughFrames)) << "frames written: " << framesSoFar(m_his);
        const auto interval = (frameTimes.back() - frameTimes.front()) / moment.frames;
        std::this_thread::sleep_until(
            frameTimes.back() +
            std::chrono::duration_cast<Clock::duration>(interval * moment.fraction));
        const std::size_t seen = framesSoFar(m_his);

        const auto sent = Clock::now();
        if (ending == Ending::Escape) {
            ASSERT_EQ(xdotool({"key", "Escape"}).status, 0);
        } else {
            const unsigned long window = m_display.shownWindow(program.pid(), "Zentova - ");
            ASSERT_NE(window, 0u) << "no main window";
            m_display.requestClose(window);
        }
        const Outcome outcome = program.wait(10);
        const double seconds = std::chrono::duration<double>(Clock::now() - sent).count();
        ASSERT_EQ(outcome.status, 0) << "(-1000: still running after 10 s) " << outcome.err;
        m_slowestEnd = std::max(m_slowestEnd, seconds);

        const auto frames = testing::wholeFrames(m_his);
        EXPECT_GE(frames.size(), seen);
        m_framesWritten += frames.size();
        // The final state follows each frame; the old one stays only until the first follows.
        if (readBytes(m_sta) == m_oldState) {
            EXPECT_LE(frames.size(), 1u) << "the final state is the old one";
        } else {
            const auto state = testing::completeFinalState(m_sta);
            ASSERT_TRUE(state);
            EXPECT_TRUE(testing::stateOfLastFrames(*state, frames));
        }
    }

    void report(const char* how) const {
        std::printf("%s: %zu frames in all, the program ended %.2f s after it at most\n", how,
                    m_framesWritten, m_slowestEnd);
    }

    testing::XDisplay m_display;
    testing::TempDir m_dir;
    const std::string m_his = m_dir.file("salt.his");
    const std::string m_sta = m_dir.file("salt.sta");
    std::string m_oldTrajectory;
    std::string m_oldState;
    std::size_t m_framesWritten = 0;
    double m_slowestEnd = 0.0;
};

// Right after a frame (while or just after its final state is written), and in between.
const std::vector<Moment> Moments{{1, 0.0}, {2, 0.5}, {3, 0.0}};

TEST_F(InterruptedWindow, EscapeEndsTheCalculationWithWholeFiles) {
    for (const Moment& moment : Moments) {
        interrupt(Ending::Escape, moment);
        if (HasFatalFailure()) return;
    }
    report("Escape");
}

TEST_F(InterruptedWindow, ClosingTheWindowEndsTheCalculationWithWholeFiles) {
    for (const Moment& moment : Moments) {
        interrupt(Ending::CloseWindow, moment);
        if (HasFatalFailure()) return;
    }
    report("Closing the window");
}

}  // namespace
}  // namespace zentova
