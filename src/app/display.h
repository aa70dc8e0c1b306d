#pragma once

#include <functional>
#include <optional>
#include <string>

namespace zentova {

// Why the desktop program has no display to open its windows on, or nothing when it has
// one (or when Qt is told to use another platform, such as "offscreen"). Without this
// check Qt ends the process with an abort and four lines of its own. `platform` and
// `display` are the values of QT_QPA_PLATFORM and DISPLAY (null when unset); `canOpen`
// tries the X display named.
std::optional<std::string> missingDisplay(const char* platform, const char* display,
                                          const std::function<bool(const char*)>& canOpen);

// missingDisplay on this process's environment, trying the display with Xlib.
std::optional<std::string> missingDisplayHere();

}  // namespace zentova
