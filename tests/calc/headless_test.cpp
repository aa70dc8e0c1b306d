// The command-line calculation, run as the real executable in a folder of its own.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <sstream>
#include <vector>

#include "files/atomicfile.h"
#include "files/finalstate.h"
#include "files/projectfile.h"
#include "files/settingsfile.h"
#include "files/trajectory.h"
#include "support/program.h"
#include "support/projects.h"
#include "support/tempfiles.h"

namespace zentova {
namespace {

using testing::readBytes;
using testing::TempDir;
using testing::writeBytes;

Project ions() {
    return testing::saltProject(20, 10, "Ions");
}

struct Result {
    int status;
    std::string err;
};

class Headless : public ::testing::Test {
  protected:
    TempDir dir;

    void SetUp() override { writeBytes(dir.file("ions.zpr"), formatProject(ions())); }

    Result zentova(const std::string& args) {
        const std::string exe = testing::zentovaExecutable();
        const std::string command =
            "cd '" + dir.path() + "' && '" + exe + "' " + args + " 2> stderr.txt";
        const int status = std::system(command.c_str());
        return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, readBytes(dir.file("stderr.txt"))};
    }

    std::vector<Frame> frames(const std::string& name) {
        std::istringstream in(readBytes(dir.file(name)));
        TrajectoryReader reader(in, name);
        std::vector<Frame> out;
        Frame f;
        while (reader.readFrame(f)) out.push_back(f);
        return out;
    }
};

TEST_F(Headless, WritesAFrameEvery300StepsAndTheMatchingFinalState) {
    const Result r = zentova("--calculate ions.zpr --seed 3");
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_NE(r.err.find("3000 steps, 10 frames written"), std::string::npos) << r.err;

    const auto his = frames("ions.his");
    ASSERT_EQ(his.size(), 10u);
    for (std::size_t k = 0; k < his.size(); ++k) {
        EXPECT_EQ(his[k].count, 30);
        EXPECT_NEAR(his[k].time, 0.015 * (k + 1), 1e-9);  // the default step 0.00005
    }
    EXPECT_NE(readBytes(dir.file("ions.his")).find("\r\n   0.030\r\n"), std::string::npos);

    const FinalState last = loadFinalStateFile(dir.file("ions.sta"));
    EXPECT_EQ(last.count, 30);
    EXPECT_NEAR(last.time, 0.15, 1e-12);
    for (int p = 1; p <= 30; ++p) {
        EXPECT_EQ(last.particles.type[p], p <= 20 ? 1 : 2);
        for (int c = 0; c < 3; ++c) {
            EXPECT_NEAR(last.particles.position(p, c), his.back().positions[3 * p + c], 5e-4);
            EXPECT_LT(std::abs(last.particles.position(p, c)), 50.0);
        }
    }
}

TEST_F(Headless, SameSeedSameFilesAndAppendContinuesTheTime) {
    ASSERT_EQ(zentova("--calculate ions.zpr --seed 11 --steps 900").status, 0);
    const std::string first = readBytes(dir.file("ions.his"));
    const std::string firstState = readBytes(dir.file("ions.sta"));
    ASSERT_EQ(zentova("--calculate ions.zpr --seed 11 --steps 900").status, 0);
    EXPECT_EQ(readBytes(dir.file("ions.his")), first);
    EXPECT_EQ(readBytes(dir.file("ions.sta")), firstState);
    ASSERT_EQ(zentova("--calculate ions.zpr --seed 12 --steps 900").status, 0);
    EXPECT_NE(readBytes(dir.file("ions.his")), first);

    ASSERT_EQ(zentova("--calculate ions.zpr --seed 11 --steps 900").status, 0);
    const Result r = zentova("--calculate ions.zpr --append --steps 600");
    ASSERT_EQ(r.status, 0) << r.err;
    const std::string appended = readBytes(dir.file("ions.his"));
    EXPECT_EQ(appended.substr(0, first.size()), first);  // earlier frames kept as they were
    const auto his = frames("ions.his");
    ASSERT_EQ(his.size(), 5u);
    EXPECT_NEAR(his[3].time, 0.060, 1e-9);
    EXPECT_NEAR(his[4].time, 0.075, 1e-9);
}

TEST_F(Headless, SettingsFileOfTheFolderSetsTheStep) {
    Settings s;
    s.integrationStep = 0.0001;
    writeBytes(dir.file("setupek.dat"), formatSettings(s));
    ASSERT_EQ(zentova("--calculate ions.zpr --steps 600").status, 0);
    const auto his = frames("ions.his");
    ASSERT_EQ(his.size(), 2u);
    EXPECT_NEAR(his[0].time, 0.03, 1e-9);
    EXPECT_NEAR(his[1].time, 0.06, 1e-9);
}

TEST_F(Headless, BadInputIsOneMessageAndChangesNoFile) {
    ASSERT_EQ(zentova("--calculate ions.zpr --steps 300").status, 0);
    const std::string his = readBytes(dir.file("ions.his"));
    const std::string sta = readBytes(dir.file("ions.sta"));

    const auto refused = [&](const std::string& args, const std::string& message) {
        const std::string hisBefore = readBytes(dir.file("ions.his"));
        const std::string staBefore = readBytes(dir.file("ions.sta"));
        const Result r = zentova(args);
        EXPECT_EQ(r.status, 1) << args;
        EXPECT_NE(r.err.find(message), std::string::npos) << args << "\n" << r.err;
        EXPECT_EQ(std::count(r.err.begin(), r.err.end(), '\n'), message[0] == '-' ? 2 : 1) << r.err;
        EXPECT_EQ(readBytes(dir.file("ions.his")), hisBefore) << args;
        EXPECT_EQ(readBytes(dir.file("ions.sta")), staBefore) << args;
    };

    std::string text = formatProject(ions());
    writeBytes(dir.file("ions.zpr"), text.replace(text.find(" 1.00000000000000E-0001"), 23, "abc"));
    refused("--calculate ions.zpr", "zentova: ions.zpr:3: expected");
    text = formatProject(ions());
    writeBytes(dir.file("ions.zpr"),
               text.replace(text.find(" 6.00000000000000E+0000"), 23, " 2.00000000000000E+0006"));
    // The file holds what the editor saved; the calculation names where it cannot go on.
    refused("--calculate ions.zpr",
            "zentova: ions.zpr:9: cannot be calculated: type 1 has a diameter of 2e+06, "
            "diameters run from -1000000 to 1000000");
    writeBytes(dir.file("ions.zpr"), formatProject(ions()));

    writeBytes(dir.file("setupek.dat"), "0\r\n0\r\n255\r\nTAK\r\nTAK\r\nfast\r\n20\r\n\r\n");
    refused("--calculate ions.zpr", "zentova: setupek.dat:6:");
    writeBytes(dir.file("setupek.dat"), "0\r\n0\r\n255\r\nTAK\r\nTAK\r\n0\r\n20\r\n\r\n");
    refused("--calculate ions.zpr",
            "zentova: setupek.dat:6: an integration step of 0 cannot be calculated with; it must "
            "be greater than 0");
    writeBytes(dir.file("setupek.dat"), "0\r\n0\r\n255\r\nTAK\r\nTAK\r\n1e-4\r\n-3\r\n\r\n");
    refused("--calculate ions.zpr --append", "zentova: setupek.dat:7: a damping coefficient of -3");
    std::remove(dir.file("setupek.dat").c_str());

    writeBytes(dir.file("ions.sta"), sta.substr(0, sta.size() / 2));
    refused("--calculate ions.zpr --append", "zentova: ions.sta:");
    writeBytes(dir.file("ions.sta"), sta);

    Project other = ions();
    other.counts[2] = 11;
    writeBytes(dir.file("ions.zpr"), formatProject(other));
    refused("--calculate ions.zpr --append", "another project");
    writeBytes(dir.file("ions.zpr"), formatProject(ions()));

    // A final state older than the trajectory's last frame (an old copy put back): frames
    // appended after that frame would go back in time, so nothing is appended.
    ASSERT_EQ(zentova("--calculate ions.zpr --append --steps 300").status, 0);
    writeBytes(dir.file("ions.sta"), sta);
    refused("--calculate ions.zpr --append",
            "zentova: ions.his: its last frame (t = 0.030) is later than the final state "
            "(t = 0.015); nothing was appended, as the new frames would go back in time; "
            "overwriting starts afresh");
    writeBytes(dir.file("ions.his"), his);

    // The shipped examples are not calculated again, wherever they lie.
    writeBytes(dir.file("zen1.zpr"), formatProject(ions()));
    refused("--calculate ./zen1.zpr --append",
            "zentova: ./zen1.zpr: You cannot recalculate, save or overwrite this file.");
    EXPECT_FALSE(fileExists(dir.file("zen1.his")));
    // The whole path is searched: a folder named after an example holds copies of it.
    std::filesystem::create_directory(dir.file("zen3.d"));
    writeBytes(dir.file("zen3.d/ions.zpr"), formatProject(ions()));
    refused("--calculate zen3.d/ions.zpr",
            "zentova: zen3.d/ions.zpr: You cannot recalculate, save or overwrite this file.");
    EXPECT_FALSE(fileExists(dir.file("zen3.d/ions.his")));
    {
        TrajectoryWriter running;  // as a calculation in another process holds it
        running.claim(dir.file("ions.his"));
        refused("--calculate ions.zpr --append",
                "zentova: ions.his is being written by another calculation");
    }

    refused("--calculate missing.zpr", "zentova: missing.zpr: cannot open");
    refused("--calculate ions.zpr --steps 99999999999999999999",
            "--steps needs a whole number from 0 to 9223372036854775807");
    refused("--calculate ions.zpr --turbo", "--turbo\"");
    refused("--calculate", "--calculate needs a project file");
    EXPECT_EQ(readBytes(dir.file("ions.his")), his);
    EXPECT_EQ(readBytes(dir.file("ions.sta")), sta);
}

// An unstable motion stops the run with the files of its last frame, and the message points
// to the line where the likely cause is written: the step, the damping or a mass.
TEST_F(Headless, UnstableMotionNamesTheLikelyCauseAndItsLine) {
    const auto unstable = [&](double step, double damping, const std::string& where,
                              const std::string& more = "") {
        Settings s;
        s.integrationStep = step;
        s.dampingCoefficient = damping;
        writeBytes(dir.file("setupek.dat"), formatSettings(s));
        const Result r = zentova("--calculate ions.zpr --steps 100000" + more);
        EXPECT_EQ(r.status, 1);
        EXPECT_EQ(r.err.rfind("zentova: " + where + ": the motion became unstable at time ", 0), 0u)
            << r.err;
        for (const Frame& f : frames("ions.his"))
            for (int j = 3; j < 3 * 31; ++j) EXPECT_TRUE(std::isfinite(f.positions[j]));
        return r.err;
    };
    EXPECT_NE(unstable(0.05, 20, "setupek.dat:6")
                  .find("the integration step 0.05 is too large for these forces"),
              std::string::npos);
    EXPECT_NE(unstable(0.05, 20, "setupek.dat:6", " --bath 0:4")
                  .find("is too large for these forces, with the bath at 4 times the setup's"),
              std::string::npos);
    EXPECT_NE(unstable(0.00005, 1e300, "setupek.dat:7")
                  .find("the damping 1e+300 is too large for the integration step 5e-05"),
              std::string::npos);
    std::remove(dir.file("setupek.dat").c_str());
    Project light = ions();
    light.masses[2] = 1e-320;
    writeBytes(dir.file("ions.zpr"), formatProject(light));
    const Result r = zentova("--calculate ions.zpr --steps 3000");
    EXPECT_EQ(r.status, 1);
    EXPECT_NE(r.err.find("zentova: ions.zpr:14: the motion became unstable at time 0.000: the "
                         "mass of type 2 (9.99989e-321) is too small for the integration step "
                         "5e-05"),
              std::string::npos)
        << r.err;
}

}  // namespace
}  // namespace zentova
