// The front's side of the entry points that need the window's libraries: each hands the
// whole command line over to the window part, which runs in this process's place.

#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <iostream>
#include <string>

#include "cli/windowpart.h"
#include "command/windowcommands.h"

namespace zentova {

namespace {

// The window part: beside the front in the build tree, or where the installation puts
// helper programs. The front's own place comes from the system, never from argv[0] or the
// current folder: a file named zentova-gui there is not ours to start.
std::string windowPart() {
    std::error_code ec;
    const std::string self = std::filesystem::read_symlink("/proc/self/exe", ec).string();
    return findWindowPart(ec ? std::string() : self, ZENTOVA_WINDOW_PART_FROM_FRONT,
                          ZENTOVA_WINDOW_PART_INSTALLED);
}

// Returns only when the window part cannot be started.
int handOver(char** argv) {
    const std::string part = windowPart();
    if (part.empty()) {
        tell(std::cerr, std::string("cannot find the window part of the program (neither beside "
                                    "this program nor at ") +
                            ZENTOVA_WINDOW_PART_INSTALLED + "); reinstall the program");
        return 1;
    }
    ::execv(part.c_str(), argv);
    tell(std::cerr, part + ": cannot start the window part of the program (" +
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
