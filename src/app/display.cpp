#include "app/display.h"

#include <X11/Xlib.h>

#include <cstdlib>
#include <string_view>

namespace zentova {

std::optional<std::string> missingDisplay(const char* platform, const char* display,
                                          const std::function<bool(const char*)>& canOpen) {
    // Another platform (offscreen, vnc, ...) needs no X server, and reports its own problems.
    const std::string_view chosen = platform ? platform : "";
    if (!chosen.empty() && !chosen.starts_with("xcb")) return std::nullopt;
    if (!display || *display == '\0') return "DISPLAY is not set";
    if (!canOpen(display)) return "the display \"" + std::string(display) + "\" cannot be opened";
    return std::nullopt;
}

std::optional<std::string> missingDisplayHere() {
    return missingDisplay(std::getenv("QT_QPA_PLATFORM"), std::getenv("DISPLAY"),
                          [](const char* name) {
                              Display* opened = XOpenDisplay(name);
                              if (!opened) return false;
                              XCloseDisplay(opened);
                              return true;
                          });
}

}  // namespace zentova
