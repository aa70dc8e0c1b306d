#pragma once

#include <cstdlib>
#include <filesystem>
#include <string>

namespace zentova::testing {

// The zentova executable: CTest names it; run by hand, a test finds it in the build tree.
inline std::string zentovaExecutable() {
    if (const char* named = std::getenv("ZENTOVA_EXE")) return named;
    return (std::filesystem::read_symlink("/proc/self/exe").parent_path() / "../src/zentova")
        .string();
}

}  // namespace zentova::testing
