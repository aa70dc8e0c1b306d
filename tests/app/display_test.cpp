// The desktop program where there is no display: one line and exit status 1, not Qt's abort.

#include "app/display.h"

#include <gtest/gtest.h>
#include <sys/wait.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "support/program.h"
#include "support/tempfiles.h"

namespace zentova {
namespace {

TEST(MissingDisplay, XIsNeededUnlessQtIsToldToUseAnotherPlatform) {
    struct Case {
        const char* platform;
        const char* display;
        bool opens;
        const char* missing;  // empty: the window can open
    };
    const Case cases[] = {
        {nullptr, nullptr, true, "DISPLAY is not set"},
        {nullptr, "", true, "DISPLAY is not set"},
        {"", nullptr, true, "DISPLAY is not set"},
        {"xcb", nullptr, true, "DISPLAY is not set"},
        {nullptr, ":7", false, "the display \":7\" cannot be opened"},
        {"xcb", ":7", false, "the display \":7\" cannot be opened"},
        {nullptr, ":0", true, ""},
        {"offscreen", nullptr, false, ""},
        {"vnc", nullptr, false, ""},
    };
    for (const Case& c : cases) {
        std::string tried;
        const auto missing = missingDisplay(c.platform, c.display, [&](const char* name) {
            tried = name;
            return c.opens;
        });
        const std::string label = std::string(c.platform ? c.platform : "(unset)") + " " +
                                  (c.display ? c.display : "(unset)");
        EXPECT_EQ(missing.value_or(""), c.missing) << label;
        if (c.display && *c.display && (!c.platform || !*c.platform)) {
            EXPECT_EQ(tried, c.display);
        }
    }
}

TEST(MissingDisplay, TheProgramSaysSoInOneLineAndChangesNothing) {
    testing::TempDir dir;
    testing::writeBytes(dir.file("p.zpr"), "not read\r\n");
    const auto run = [&](const std::string& args) {
        const std::string command = "cd '" + dir.path() + "' && env -u DISPLAY -u QT_QPA_PLATFORM" +
                                    " HOME='" + dir.path() + "' '" + testing::zentovaExecutable() +
                                    "'" + args + " 2> err.txt";
        const int status = std::system(command.c_str());
        EXPECT_TRUE(WIFEXITED(status)) << args;
        EXPECT_EQ(WEXITSTATUS(status), 1) << args;
        return testing::readBytes(dir.file("err.txt"));
    };
    const std::string expected =
        "zentova: no display to open the window on (DISPLAY is not set); the commands that need "
        "none: --calculate, --export-xyz, --force-table, --export-lammps, --snapshot, --movie, "
        "--analyse (zentova --help)\n";
    EXPECT_EQ(run(" p.zpr"), expected);
    // Without a project the program would make its work folder in HOME: not without a window.
    EXPECT_EQ(run(""), expected);
    std::filesystem::remove(dir.file("err.txt"));
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), {}), 1)
        << "only p.zpr stays";
    EXPECT_EQ(testing::readBytes(dir.file("p.zpr")), "not read\r\n");
}

}  // namespace
}  // namespace zentova
