// The output commands, run as the real executable, against what is already at their
// outputs' names. The drawing commands refuse before they need a display.

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>

#include "files/projectfile.h"
#include "support/program.h"
#include "support/projects.h"
#include "support/tempfiles.h"

namespace zentova {
namespace {

namespace fs = std::filesystem;
using testing::readBytes;
using testing::writeBytes;

class OutputCommands : public ::testing::Test {
  protected:
    testing::TempDir dir;

    void SetUp() override {
        writeBytes(dir.file("s.zpr"), formatProject(testing::saltProject(8, 4)));
        writeBytes(dir.file("thesis.txt"), "years of work\n");
        ASSERT_EQ(zentova("--calculate s.zpr --steps 1200 --seed 2"), 0) << err();
    }
    int zentova(const std::string& args) {
        const std::string command = "cd '" + dir.path() + "' && '" + testing::zentovaExecutable() +
                                    "' " + args + " 2> err.txt";
        const int status = std::system(command.c_str());
        return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }
    std::string err() { return readBytes(dir.file("err.txt")); }
    bool temporariesLeft() {
        for (const auto& entry : fs::recursive_directory_iterator(dir.path()))
            if (entry.path().filename().string().find(".tmp-") != std::string::npos) return true;
        return false;
    }
};

// A user's file at an output's name: refused before any work without --overwrite (the one
// line of the refusal is all the command says), replaced with it; a link is never written
// through, with or without.
TEST_F(OutputCommands, ReplaceAUsersFileOnlyWithOverwriteAndNeverThroughALink) {
    struct Case {
        const char* command;
        const char* target;
        bool draws;  // needs a display to go on, so only its refusals are tried here
    };
    const Case cases[] = {
        {"--export-xyz s.zpr out.xyz", "out.xyz", false},
        {"--snapshot s.zpr out.png", "out.png", true},
        {"--movie s.zpr out.gif", "out.gif", true},
        {"--export-lammps s.zpr lmp", "lmp/README.txt", false},
        {"--export-lammps s.zpr run", "run/manifest.s", false},
        {"--analyse s.zpr --out an", "an/index.html", false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.command);
        const std::string target = dir.file(c.target);
        fs::create_directories(fs::path(target).parent_path());
        writeBytes(target, "user's\n");
        ::chmod(target.c_str(), 0444);
        EXPECT_EQ(zentova(c.command), 1);
        EXPECT_EQ(err(), "zentova: " + std::string(c.target) +
                             ": already exists; --overwrite replaces it\n");
        EXPECT_EQ(readBytes(target), "user's\n");

        fs::remove(target);
        fs::create_symlink(dir.file("thesis.txt"), target);
        EXPECT_EQ(zentova(c.command), 1);
        EXPECT_NE(err().find(std::string(c.target) + ": is a symbolic link"), std::string::npos)
            << err();
        if (!c.draws) {
            EXPECT_EQ(zentova(std::string(c.command) + " --overwrite"), 0) << err();
            EXPECT_TRUE(fs::is_regular_file(fs::symlink_status(target)));
            writeBytes(target, "user's\n");
            EXPECT_EQ(zentova(std::string(c.command) + " --overwrite"), 0) << err();
            EXPECT_NE(readBytes(target), "user's\n");
        }
        EXPECT_EQ(readBytes(dir.file("thesis.txt")), "years of work\n");
        EXPECT_FALSE(temporariesLeft());
    }
}

// The project's own files, a folder at an output's name and a folder that cannot be made
// are refused before any work, --overwrite or not.
TEST_F(OutputCommands, RefuseTheProjectsOwnFilesAndFoldersBeforeAnyWork) {
    const std::string readings = readBytes(dir.file("s.readings.csv"));
    fs::create_directory(dir.file("folder.gif"));
    const struct {
        const char* command;
        const char* message;
    } cases[] = {
        {"--export-xyz s.zpr s.readings.csv --overwrite",
         "s.readings.csv: is s.readings.csv, one of the files of the project read"},
        {"--snapshot s.zpr s.zpr --overwrite", "s.zpr: a snapshot is a PNG picture named .png"},
        {"--movie s.zpr folder.gif --overwrite", "folder.gif: is a folder, not a file"},
        {"--analyse s.zpr --out thesis.txt/an",
         "thesis.txt/an: cannot make the folder: a file of that name is in the way"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.command);
        EXPECT_EQ(zentova(c.command), 1);
        const std::string said = err();
        EXPECT_EQ(said.rfind("zentova: " + std::string(c.message), 0), 0u) << said;
        EXPECT_EQ(std::count(said.begin(), said.end(), '\n'), 1) << said;
    }
    EXPECT_EQ(readBytes(dir.file("s.readings.csv")), readings);
    EXPECT_FALSE(fs::exists(dir.file("thesis.txt/an")));
}

}  // namespace
}  // namespace zentova
