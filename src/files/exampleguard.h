#pragma once

#include <string>

namespace zentova {

// True when the path names one of the shipped example projects, which may be viewed but
// not edited, recalculated or overwritten: it holds "zen1." .. "zen6." anywhere
// (case-sensitive, directories included).
bool isExampleProjectPath(const std::string& path);

}  // namespace zentova
