// The front's side of the entry points that need the window's libraries: each hands the
// whole command line over to the window part, which runs in this process's place.

#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <iostream>
#include <string>

#include "command/windowcommands.h"

namespace zentova {

namespace {

namespace fs = std::filesystem;

// The window part: beside the front in the build tree, or where the installation puts
// helper programs, relative to the front's folder.
fs::path windowPart() {
    std::error_code ec;
    const fs::path folder = fs::read_symlink("/proc/self/exe", ec).parent_path();
    const fs::path beside = folder / "zentova-gui";
    if (::access(beside.c_str(), X_OK) == 0) return beside;
    return folder / ZENTOVA_WINDOW_PART_FROM_FRONT / "zentova-gui";
}

// Returns only when the window part cannot be started.
int handOver(char** argv) {
    const fs::path part = windowPart();
    ::execv(part.c_str(), argv);
    tell(std::cerr, part.string() + ": cannot start the window part of the program (" +
                        std::strerror(errno) + "); reinstall the program");
    return 1;
}

}  // namespace

int runDesktop(int, char** argv) {
    return handOver(argv);
}

int snapshotCommand(const CommandCall& call) {
    return handOver(call.argv);
}

int movieCommand(const CommandCall& call) {
    return handOver(call.argv);
}

int analyseCommand(const CommandCall& call) {
    return handOver(call.argv);
}

}  // namespace zentova
