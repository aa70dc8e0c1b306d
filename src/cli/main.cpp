// Entry point of both executables: the front (`zentova`), which runs the commands that
// draw nothing and hands the rest over, and the window part (`zentova-gui`), which runs
// everything. Which one this is depends on what it is linked with (command/windowcommands.h).

#include "cli/table.h"

int main(int argc, char** argv) {
    return zentova::runCommandLine(argc, argv);
}
