#pragma once

#include <sys/types.h>

#include <string>

namespace zentova {

// An X server of the program's own (Xvfb) for drawing with OpenGL where there is no
// display: started on a free display number that the server picks itself, reachable only
// through a private cookie, and ended with the object. The server is told to end when this
// process ends, however it ends, so none is ever left behind.
class VirtualScreen {
  public:
    VirtualScreen() = default;
    VirtualScreen(const VirtualScreen&) = delete;
    VirtualScreen& operator=(const VirtualScreen&) = delete;
    ~VirtualScreen() { stop(); }

    // Starts the server and points DISPLAY and XAUTHORITY of this process at it. False with
    // the reason in `error` when Xvfb is not installed or does not come up.
    bool start(std::string& error);

    // Removes the cookie's folder once the program has connected: the server read it at its
    // start and never again (it does not reset), so a process killed later leaves nothing.
    void removeFiles();

    // Ends the server and removes its cookie; waits for it to be gone. Safe to call twice.
    void stop();

    const std::string& display() const { return m_display; }

  private:
    pid_t m_pid = -1;
    std::string m_folder;   // the cookie and the server's messages
    int m_folderLock = -1;  // held while the folder is in use, so no sweep takes it
    std::string m_display;
};

// Removes the folders ".zentova-screen-XXXXXX" (six letters or digits) in `tempFolder` that
// screens of processes killed before they could clean up left: the user's own, held by no
// running screen, and older than `minimumAgeSeconds`. Only the files a screen puts there (a
// cookie and a log) go, and the folder only when nothing else is left in it. Best effort;
// VirtualScreen::start calls it on the system's temporary folder.
void sweepStaleScreenFolders(const std::string& tempFolder, long minimumAgeSeconds = 2);

}  // namespace zentova
