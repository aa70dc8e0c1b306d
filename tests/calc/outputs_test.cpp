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

// The LAMMPS input takes the step and damping of the folder's settings: one that no
// calculation can use refuses the export before any file is made, naming its line.
TEST_F(OutputCommands, TheLammpsExportRefusesAStepNoCalculationCanUse) {
    writeBytes(dir.file("setupek.dat"), "0\r\n0\r\n255\r\nTAK\r\nTAK\r\n-1e-4\r\n20\r\n\r\n");
    EXPECT_EQ(zentova("--export-lammps s.zpr lmp"), 1);
    EXPECT_EQ(err(),
              "zentova: setupek.dat:6: an integration step of -1e-04 cannot be calculated with; "
              "it must be greater than 0\n");
    EXPECT_FALSE(fs::exists(dir.file("lmp")));
    writeBytes(dir.file("setupek.dat"), "0\r\n0\r\n255\r\nTAK\r\nTAK\r\n1e-4\r\n0\r\n\r\n");
    EXPECT_EQ(zentova("--export-lammps s.zpr lmp"), 0) << err();
    EXPECT_TRUE(fs::exists(dir.file("lmp/README.txt")));
}

// The heating curve's files are made ready before the trajectory is read, and left out
// without a trace when the readings show that the bath never changed; the energies' table
// written as the frames go by holds a line per frame.
TEST_F(OutputCommands, AnalysisWritesTheHeatingCurveOnlyWhereTheBathChanged) {
    writeBytes(dir.file("h.zpr"), formatProject(testing::saltProject(8, 4)));
    ASSERT_EQ(zentova("--calculate h.zpr --steps 3000 --seed 2 --bath 0:1,0.075:2"), 0) << err();
    struct Case {
        const char* project;
        bool heating;
        std::size_t lines;  // of energies.csv: the header and one per frame
    };
    for (const Case& c : {Case{"s", false, 1 + 4}, Case{"h", true, 1 + 10}}) {
        const std::string out = std::string(c.project) + "-an";
        ASSERT_EQ(zentova("--analyse " + std::string(c.project) + ".zpr --out " + out), 0) << err();
        for (const char* ending : {".csv", ".png", ".svg"})
            EXPECT_EQ(fs::exists(dir.file(out + "/heating" + ending)), c.heating) << c.project;
        EXPECT_EQ(readBytes(dir.file(out + "/index.html")).find("heating.csv") != std::string::npos,
                  c.heating)
            << c.project;
        const std::string energies = readBytes(dir.file(out + "/energies.csv"));
        EXPECT_EQ(static_cast<std::size_t>(std::count(energies.begin(), energies.end(), '\n')),
                  c.lines)
            << c.project;
    }
    EXPECT_FALSE(temporariesLeft());
}

}  // namespace
}  // namespace zentova
