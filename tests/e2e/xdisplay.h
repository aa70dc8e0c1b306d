#pragma once

#include <sys/types.h>

#include <string>

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

}  // namespace zentova::testing
