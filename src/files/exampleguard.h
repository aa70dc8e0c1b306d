#pragma once

#include <string>

namespace zentova {

// True when the path holds one of the markers "zen1." to "zen6." anywhere, folders
// included: the shipped example projects, which may be viewed but not edited,
// recalculated or overwritten. Case matters, so "Zen3.zpr" is another file; "zen33.zpr"
// (a digit after the marker's digit) and "zen3" (no point) are not examples either.
bool isExampleProjectPath(const std::string& path);

// What the user is told when an example is to be changed.
inline constexpr const char* ExampleRefusal =
    "You cannot recalculate, save or overwrite this file.";
inline constexpr const char* ExampleAdvice = "Seave the file with different name and try again.";

}  // namespace zentova
