// Escape in the file dialogs of the real program: it cancels the dialog and the program goes
// on with its project; Escape in the main window still ends it.

#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <string>
#include <thread>
#include <vector>

#include "e2e/xdisplay.h"
#include "files/projectfile.h"
#include "reliability/child.h"
#include "support/projects.h"
#include "support/tempfiles.h"

namespace zentova {
namespace {

using namespace std::chrono_literals;
using testing::Child;
using testing::Outcome;
using testing::waitFor;
using testing::xdotool;

TEST(DialogEscape, CancelsTheDialogAndOnlyTheMainWindowEndsTheProgram) {
    testing::XDisplay display;
    if (!std::getenv("DISPLAY") || !display.isOpen()) GTEST_SKIP() << "no display";
    if (xdotool({"getmouselocation"}).status != 0) GTEST_SKIP() << "no xdotool";
    setenv("QT_QPA_PLATFORM", "xcb", 1);
    testing::TempDir dir;
    testing::writeBytes(dir.file("salt.zpr"), formatProject(testing::saltProject(20, 10)));

    const int left = display.width() / 2 - 160;
    // "Retrieve project" and "Save as", the second and fourth items of the menu, each in a
    // program of its own, so that one dialog's trouble does not pass for the other's.
    const std::pair<int, const char*> dialogs[] = {{161, "Open"}, {224, "Saving project"}};
    for (const auto& [y, title] : dialogs) {
        SCOPED_TRACE(title);
        ASSERT_EQ(xdotool({"mousemove", "0", "0"}).status, 0);
        Child program = Child::zentova(dir.path(), {"salt.zpr"});
        ASSERT_TRUE(waitFor(20s, [&] { return display.pointerAt(left + 30, 130); })) << "no menu";
        const unsigned long main = display.shownWindow(program.pid(), "Zentova - ");
        ASSERT_NE(main, 0u);
        // The menu takes a click once it is drawn and waiting; a click that came too early
        // on a loaded machine is made again, as a user would.
        bool pressed = false;
        for (int click = 0; click < 3 && !pressed; ++click) {
            std::this_thread::sleep_for(1000ms);
            ASSERT_EQ(xdotool({"mousemove", std::to_string(left + 85), std::to_string(y),
                               "mousedown", "1", "sleep", "0.15", "mouseup", "1"})
                          .status,
                      0);
            // Addressed to the dialog, and held long enough to repeat after the dialog is
            // gone. The toolkit may show a window of that title and replace it while the
            // dialog settles, so a press that finds its window gone is tried on the next.
            pressed = waitFor(10s, [&] {
                const unsigned long dialog = display.shownWindow(program.pid(), title);
                return dialog &&
                       xdotool({"key", "--window", std::to_string(dialog), "Escape"}).status == 0;
            });
        }
        ASSERT_TRUE(pressed) << "no dialog took the key";
        std::this_thread::sleep_for(1200ms);
        ASSERT_EQ(xdotool({"keyup", "Escape"}).status, 0);
        EXPECT_TRUE(waitFor(10s, [&] { return !display.shownWindow(program.pid(), title); }));
        std::this_thread::sleep_for(300ms);
        ASSERT_NE(display.shownWindow(program.pid(), "Zentova - "), 0u) << "the program ended";
        ASSERT_TRUE(waitFor(10s, [&] { return display.pointerAt(left + 30, 130); }))
            << "no menu again";
        // A fresh Escape in the main window still ends the program.
        std::this_thread::sleep_for(500ms);
        ASSERT_EQ(xdotool({"windowfocus", "--sync", std::to_string(main), "key", "Escape"}).status,
                  0);
        const Outcome outcome = program.wait(20);
        EXPECT_EQ(outcome.status, 0) << outcome.err;
    }
}

}  // namespace
}  // namespace zentova
