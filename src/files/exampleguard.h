#pragma once

#include <string>

namespace zentova {

// True when the path names one of the shipped example projects, which may be viewed but
// not edited, recalculated or overwritten: its file name, up to its first dot (the stem
// its trajectory and final state share), is "zen1" .. "zen6", spelled exactly so: "Zen3.zpr"
// is another file. Folders do not count, so "frozen1.zpr" or "zen3-notes/alpha.zpr" are
// ordinary projects.
bool isExampleProjectPath(const std::string& path);

// What the user is told when an example is to be changed.
inline constexpr const char* ExampleRefusal =
    "You cannot recalculate, save or overwrite this file.";
inline constexpr const char* ExampleAdvice = "Seave the file with different name and try again.";

}  // namespace zentova
