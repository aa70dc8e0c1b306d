// Where the front finds the window part: only at absolute places it can vouch for, never in
// the current folder.

#include "cli/windowpart.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>

#include "support/tempfiles.h"

namespace zentova {
namespace {

class WindowPart : public ::testing::Test {
  protected:
    testing::TempDir dir;
    std::string before = std::filesystem::current_path().string();

    void SetUp() override {
        for (const char* folder : {"bin", "libexec/zentova", "elsewhere", "cwd", "cwd/bin"})
            std::filesystem::create_directories(dir.file(folder));
        // A program of the window part's name where the user stands: never ours to start.
        program("cwd/zentova-gui");
        program("cwd/bin/zentova-gui");
        ASSERT_EQ(::chdir(dir.file("cwd").c_str()), 0);
    }
    void TearDown() override { EXPECT_EQ(::chdir(before.c_str()), 0); }

    void program(const std::string& name) {
        testing::writeBytes(dir.file(name), "#!/bin/sh\n");
        ::chmod(dir.file(name).c_str(), 0755);
    }
};

TEST_F(WindowPart, OnlyAtAbsolutePlacesThatHoldAProgram) {
    const std::string front = dir.file("bin/zentova");
    const std::string installed = dir.file("elsewhere/zentova-gui");
    const std::string fromFront = "../libexec/zentova";

    // Nothing anywhere but in the current folder: refused, whatever the front is called.
    for (const std::string& self :
         {std::string(), std::string("zentova"), std::string("bin/zentova"), front})
        EXPECT_EQ(findWindowPart(self, fromFront, installed), "") << self;
    // An installed path that is not absolute counts as none.
    EXPECT_EQ(findWindowPart("", fromFront, "zentova-gui"), "");

    // The installed path when the front's place is unknown, or nothing is near it.
    program("elsewhere/zentova-gui");
    EXPECT_EQ(findWindowPart("", fromFront, installed), installed);
    EXPECT_EQ(findWindowPart("bin/zentova", fromFront, installed), installed);
    EXPECT_EQ(findWindowPart(front, fromFront, installed), installed);

    // The installation's own layout from the front's folder comes before it...
    program("libexec/zentova/zentova-gui");
    EXPECT_EQ(findWindowPart(front, fromFront, installed),
              dir.file("bin/../libexec/zentova/zentova-gui"));
    // ...and beside the front (the build tree) first.
    program("bin/zentova-gui");
    EXPECT_EQ(findWindowPart(front, fromFront, installed), dir.file("bin/zentova-gui"));

    // A folder, or a file that cannot be run, of that name is passed over.
    std::filesystem::remove(dir.file("bin/zentova-gui"));
    std::filesystem::create_directory(dir.file("bin/zentova-gui"));
    ::chmod(dir.file("libexec/zentova/zentova-gui").c_str(), 0644);
    EXPECT_EQ(findWindowPart(front, fromFront, installed), installed);
}

}  // namespace
}  // namespace zentova
