// The front hands the drawing commands to the window part: where /proc cannot tell the
// front its own place, a program of the window part's name in the current folder is still
// never started.

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "support/program.h"
#include "support/tempfiles.h"

namespace zentova {
namespace {

// What the program said, without the lines a sanitizer's runtime adds ("==PID==...") when it
// cannot read /proc in a sanitizer build.
std::string programLines(const std::string& said) {
    std::string kept;
    std::size_t start = 0;
    while (start < said.size()) {
        const std::size_t end = std::min(said.find('\n', start), said.size() - 1) + 1;
        const std::string line = said.substr(start, end - start);
        if (line.rfind("==", 0) != 0 && line != "\n") kept += line;
        start = end;
    }
    return kept;
}

TEST(Handover, NeverStartsAWindowPartFromTheCurrentFolder) {
    // A mount namespace of our own, with an empty /proc: as in a sandbox or a chroot.
    if (std::system("unshare -rm true > /dev/null 2>&1") != 0)
        GTEST_SKIP() << "this machine gives no user a mount namespace of its own";
    const testing::TempDir dir;
    testing::writeBytes(dir.file("zentova-gui"), "#!/bin/sh\ntouch started\n");
    ::chmod(dir.file("zentova-gui").c_str(), 0755);
    // The sanitizers' runtime needs /proc for its leak check: without it, it would speak too.
    const std::string command = "cd '" + dir.path() +
                                "' && ASAN_OPTIONS=detect_leaks=0 unshare -rm sh -c "
                                "'mount -t tmpfs none /proc && exec \"$0\" "
                                "--snapshot p.zpr o.png' '" +
                                testing::zentovaExecutable() + "' 2> stderr.txt";
    const int status = std::system(command.c_str());
    EXPECT_FALSE(std::filesystem::exists(dir.file("started")));
    const std::string told = programLines(testing::readBytes(dir.file("stderr.txt")));
    // Unless the program is installed, the front refuses, in one line.
    ASSERT_TRUE(WIFEXITED(status));
    if (!std::filesystem::exists(ZENTOVA_INSTALLED_WINDOW_PART)) {
        EXPECT_EQ(WEXITSTATUS(status), 1);
        EXPECT_EQ(told.rfind("zentova: cannot find the window part of the program", 0), 0u) << told;
        EXPECT_EQ(told.find('\n'), told.size() - 1) << told;
    }
}

}  // namespace
}  // namespace zentova
