// Escape in the file dialogs of the real program: it cancels the dialog and the program goes
// on with its project; Escape in the main window still ends it.

#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <string>
#include <thread>
#include <vector>

#include "e2e/onscreen.h"
#include "e2e/xdisplay.h"
#include "files/projectfile.h"
#include "reliability/child.h"
#include "support/projects.h"
#include "support/tempfiles.h"

namespace zentova {
namespace {

using namespace std::chrono_literals;
using testing::Child, testing::Outcome, testing::waitFor, testing::xdotool;

class DialogEscape : public testing::OnScreen {};

TEST_F(DialogEscape, CancelsTheDialogAndOnlyTheMainWindowEndsTheProgram) {
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
        bool shown = false;
        for (int click = 0; click < 3 && !shown; ++click) {
            std::this_thread::sleep_for(1000ms);
            ASSERT_EQ(xdotool({"mousemove", std::to_string(left + 85), std::to_string(y),
                               "mousedown", "1", "sleep", "0.15", "mouseup", "1"})
                          .status,
                      0);
            shown = waitFor(10s, [&] { return display.shownWindow(program.pid(), title) != 0; });
        }
        ASSERT_TRUE(shown) << "no dialog";
        // Escape addressed to the dialog. The toolkit may show a window of that title and
        // replace it while the dialog settles, and a press that reaches it before it takes
        // keys is lost: a user presses again, and so does this test, a second apart. The
        // server takes such a press as a key held down and repeats it into whichever window
        // has the focus once the dialog is gone, until the key is let go below: a held key
        // that must not end the program.
        const bool gone = waitFor(30s, [&] {
            const unsigned long dialog = display.shownWindow(program.pid(), title);
            if (!dialog) return true;
            xdotool({"key", "--window", std::to_string(dialog), "Escape"});
            return waitFor(1000ms, [&] { return !display.shownWindow(program.pid(), title); });
        });
        ASSERT_TRUE(gone) << "Escape left the dialog open";
        std::this_thread::sleep_for(1200ms);
        ASSERT_EQ(xdotool({"keyup", "Escape"}).status, 0);
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
