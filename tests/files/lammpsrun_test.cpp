// A folder written by --export-lammps and run in LAMMPS, found from its name and written as
// extended XYZ.

#include "files/lammpsrun.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "files/fileerror.h"
#include "support/tempfiles.h"

namespace zentova {
namespace {

using testing::readBytes;
using testing::writeBytes;

class LammpsRunFolder : public ::testing::Test {
  protected:
    void SetUp() override {
        LammpsManifest m;
        m.stem = "salt";
        m.particlesPerCube = 2;
        m.particles = 2;
        m.low = {0, -10, 0};
        m.high = {100, 90, 100};
        m.step = 0.001;
        m.frameInterval = 300;
        m.types = {{1, 1, 8.5, {}}, {1, 2, 17, {}}};
        folder = dir.file("run");
        std::filesystem::create_directory(folder);
        writeBytes(folder + "/manifest.salt", formatLammpsManifest(m));
        writeBytes(folder + "/dump.salt", frame(0) + frame(300));
    }
    static std::string frame(int step) {
        return "ITEM: TIME\n" + std::to_string(step * 0.001) + "\nITEM: TIMESTEP\n" +
               std::to_string(step) +
               "\nITEM: NUMBER OF ATOMS\n2\nITEM: BOX BOUNDS ff ff ff\n0 100\n-10 90\n0 100\n"
               "ITEM: ATOMS id type x y z vx vy vz\n2 2 50 -5 1.25 0 0 0\n1 1 1 2 3 0 0 0\n";
    }
    testing::TempDir dir;
    std::string folder;
};

TEST_F(LammpsRunFolder, IsFoundFromTheFolderOrItsInputScript) {
    const auto byFolder = findLammpsRun(folder);
    ASSERT_TRUE(byFolder.has_value());
    EXPECT_EQ(byFolder->dumpPath, folder + "/dump.salt");
    EXPECT_EQ(byFolder->logPath, folder + "/log.lammps");
    const auto byScript = findLammpsRun(folder + "/in.salt");
    ASSERT_TRUE(byScript.has_value());
    EXPECT_EQ(byScript->manifest.stem, "salt");
    EXPECT_FALSE(findLammpsRun(dir.file("salt.zpr")).has_value());     // a project: not a run
    EXPECT_FALSE(findLammpsRun(folder + "/in.salt.zpr").has_value());  // nor one named in.*
    // Only the compressed dump there: it is the one read.
    std::filesystem::rename(folder + "/dump.salt", folder + "/dump.salt.gz");
    EXPECT_EQ(findLammpsRun(folder)->dumpPath, folder + "/dump.salt.gz");

    EXPECT_EQ(testing::fileErrorOf([&] { findLammpsRun(dir.path()); }),
              dir.path() + ": holds no manifest.STEM: not a folder written by --export-lammps");
    writeBytes(folder + "/manifest.other", "");
    EXPECT_EQ(testing::fileErrorOf([&] { findLammpsRun(folder); }),
              folder + ": holds 2 manifests; name the run's in.STEM instead");
}

TEST_F(LammpsRunFolder, WritesItsDumpAsExtendedXyzFromTheBoxsCorner) {
    const std::string out = dir.file("salt.xyz");
    std::string note;
    EXPECT_EQ(exportRunXyz(*findLammpsRun(folder), out, false, &note), 2);
    EXPECT_EQ(note, "");
    const std::string first =
        "2\nLattice=\"100 0 0 0 100 0 0 0 100\" pbc=\"F F F\" "
        "Properties=species:S:1:pos:R:3:radius:R:1 Time=0.000 Step=0\n"
        "H 1.000 12.000 3.000 2.0000\n"
        "He 50.000 5.000 1.250 4.0000\n";
    EXPECT_EQ(readBytes(out).substr(0, first.size()), first);

    // The run's own files are never written over; a cut dump's last frame is left out.
    EXPECT_NE(testing::fileErrorOf([&] {
                  exportRunXyz(*findLammpsRun(folder), folder + "/dump.salt", true);
              }).find("one of the files of the project read"),
              std::string::npos);
    writeBytes(folder + "/dump.salt", frame(0) + frame(300).substr(0, 60));
    EXPECT_EQ(exportRunXyz(*findLammpsRun(folder), out, true, &note), 1);
    EXPECT_EQ(note, folder + "/dump.salt:14: the last frame is cut short and left out");
}

}  // namespace
}  // namespace zentova
