// What the command line tells, as the user sees it: one line per message whatever a file
// is named, a folder in a hint as the shell reads it, the bath's changes a LAMMPS run
// leaves out, and a standard output that takes nothing as the failure it is.

#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdlib>
#include <string>

#include "files/projectfile.h"
#include "support/program.h"
#include "support/tempfiles.h"
#include "support/world.h"

namespace zentova {
namespace {

class CommandMessages : public ::testing::Test {
  protected:
    testing::TempDir dir;

    void SetUp() override {
        auto w = testing::makeWorld(4);
        w->project.name = "Gas";
        testing::writeBytes(dir.file("gas.zpr"), formatProject(w->project));
    }

    // Runs zentova in the folder with `arguments` (as the shell reads them); the exit status.
    int zentova(const std::string& arguments, const std::string& out = "out.txt") {
        const std::string command = "cd '" + dir.path() + "' && '" + testing::zentovaExecutable() +
                                    "' " + arguments + " > " + out + " 2> err.txt";
        const int status = std::system(command.c_str());
        return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }
    std::string err() const { return testing::readBytes(dir.file("err.txt")); }
};

TEST_F(CommandMessages, SayWhatHappenedInOneLineEach) {
    const struct {
        const char* arguments;
        int status;
        std::string told;
    } cases[] = {
        // A name with a line end and a terminal's escape in it.
        {"--calculate \"$(printf 'a\\nb\\033[2J.zpr')\" --steps 300", 1,
         "zentova: a\\nb\\x1b[2J.zpr: cannot open"},
        {"--export-lammps gas.zpr 'my out' --seed 1", 0, "(run: cd 'my out' && lmp -in in.gas)\n"},
        {"--export-lammps gas.zpr \"it's\" --seed 1", 0,
         "(run: cd 'it'\\''s' && lmp -in in.gas)\n"},
        {"--export-lammps gas.zpr -o --seed 1", 0, "(run: cd ./-o && lmp -in in.gas)\n"},
        // The README's schedule at the export's 3000 steps: both changes lie past the run.
        {"--export-lammps gas.zpr bath --seed 1 --bath 0:1,1.5:4,3:1", 0,
         "zentova: gas.zpr: the bath's changes at t = 1.5 and t = 3 lie past the run's 3000 "
         "steps; in.gas makes them under a -var steps that reaches them\n"},
        {"--export-lammps gas.zpr bath2 --seed 1 --bath 0:1,0.1:4,0.2:1 --steps 3000", 0,
         "zentova: gas.zpr: the bath's change at t = 0.2 lies past the run's 3000 steps"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(zentova(c.arguments), c.status) << c.arguments << ": " << err();
        const std::string told = err();
        EXPECT_NE(told.find(c.told), std::string::npos) << c.arguments << ": " << told;
        // Every line a message of its own.
        std::size_t start = 0;
        for (std::size_t end; (end = told.find('\n', start)) != std::string::npos; start = end + 1)
            EXPECT_EQ(told.compare(start, 9, "zentova: "), 0) << c.arguments << ": " << told;
        EXPECT_EQ(start, told.size()) << c.arguments << ": " << told;
    }
    // A number the user gave comes back briefly, not in 309 digits.
    ASSERT_EQ(zentova("--calculate gas.zpr --steps 300 --seed 1"), 0) << err();
    EXPECT_EQ(zentova("--analyse gas.zpr --from 1e308"), 1);
    EXPECT_NE(err().find("gas.his: has no frames from 1e+308 to the end (its frames run from "
                         "t = 0.015 to t = 0.015)\n"),
              std::string::npos)
        << err();

    // A run that makes every change says nothing of them.
    EXPECT_EQ(zentova("--export-lammps gas.zpr bath3 --seed 1 --bath 0:1,0.1:4,0.2:1 --steps 4001"),
              0);
    EXPECT_EQ(err().find("bath"), err().find("bath3")) << err();
}

// What a command prints reaches nobody when the standard output takes nothing: that is a
// failure, said on the standard error, not a success.
TEST_F(CommandMessages, AStandardOutputThatTakesNothingIsAFailure) {
    for (const char* arguments : {"--calculate gas.zpr --steps 300 --report",
                                  "--calculate gas.zpr --steps 300 --report=csv", "--help",
                                  "--version", "--force-table gas.zpr 1 1"}) {
        EXPECT_EQ(zentova(arguments, "/dev/full"), 1) << arguments;
        // Said once, by the command or at its end.
        const std::string told = err();
        const std::size_t said = told.find("cannot write");
        EXPECT_NE(said, std::string::npos) << arguments << ": " << told;
        EXPECT_EQ(told.find("cannot write", said + 1), std::string::npos) << told;
        // The same to a file is a success.
        EXPECT_EQ(zentova(arguments), 0) << arguments << ": " << err();
    }
}

}  // namespace
}  // namespace zentova
