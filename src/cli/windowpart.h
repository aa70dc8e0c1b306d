#pragma once

#include <string>

namespace zentova {

// Where the front finds the window part (zentova-gui) to hand a command over to. `self` is
// the front's own file as the system names it (/proc/self/exe; empty when that cannot be
// read, in a sandbox or without /proc), `fromFront` the installation's way from the front's
// folder to the window part's, `installed` the window part's installed path. Tried in turn:
// beside the front (the build tree), `fromFront` from the front's folder, `installed`. Only
// an absolute path to an executable regular file counts, so that a program of the same
// name in the current folder is never started; empty when none is found.
std::string findWindowPart(const std::string& self, const std::string& fromFront,
                           const std::string& installed);

}  // namespace zentova
