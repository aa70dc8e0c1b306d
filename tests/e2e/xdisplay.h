#pragma once

#include <sys/types.h>

#include <chrono>
#include <string>
#include <thread>
#include <vector>

#include "reliability/child.h"

struct _XDisplay;  // Xlib's Display, whose header defines macros that clash with the tests'

namespace zentova::testing {

// The X display of a test that drives the real program: where the pointer is, which windows
// a process shows, and the close request a window manager sends when its close button is
// pressed. Holding the connection also keeps the server from resetting each time the program
// under test, its only other client, ends.
class XDisplay {
  public:
    XDisplay();  // the display named by DISPLAY; isOpen() tells whether that worked
    XDisplay(const XDisplay&) = delete;
    XDisplay& operator=(const XDisplay&) = delete;
    ~XDisplay();

    bool isOpen() const { return m_display != nullptr; }
    int width() const;
    int height() const;
    bool pointerAt(int x, int y) const;

    // The mapped top-level window of process `pid` whose title starts with `title`; 0 if none.
    unsigned long shownWindow(pid_t pid, const std::string& title) const;

    // WM_DELETE_WINDOW, as a window manager sends it for the close button or Alt+F4.
    void requestClose(unsigned long window) const;

  private:
    ::_XDisplay* m_display = nullptr;
};

// Runs xdotool, which makes the input the program receives look like a real pointer's and
// keyboard's (XTEST), and waits for it.
inline Outcome xdotool(const std::vector<std::string>& args) {
    std::vector<std::string> argv{"xdotool"};
    argv.insert(argv.end(), args.begin(), args.end());
    return Child::program(".", argv).wait(10);
}

// Why the real program cannot be driven on this display ("no display", "no xdotool"); empty
// when it can, and then its windows are put on the display, not off screen.
std::string whyNoScreen(const XDisplay& display);

// Chooses "Calculate", the fifth item of the main window's menu, once the menu has put the
// pointer on its first; the view window of the calculation, 0 if it did not start within 20 s.
unsigned long chooseCalculate(const XDisplay& display, const Child& program);

// Polls `done` every 20 ms; false when `limit` passes first.
template <typename Condition>
bool waitFor(std::chrono::milliseconds limit, Condition&& done) {
    const auto deadline = std::chrono::steady_clock::now() + limit;
    while (!done()) {
        if (std::chrono::steady_clock::now() > deadline) return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    return true;
}

}  // namespace zentova::testing
