// The trajectory as extended XYZ: the block of a frame, the conversion of a whole file, and
// the export command's file handling.

#include "files/xyzexport.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <sstream>
#include <vector>

#include "files/projectfile.h"
#include "files/trajectory.h"
#include "support/tempfiles.h"

namespace zentova {
namespace {

using testing::fileErrorOf;
using testing::readBytes;
using testing::TempDir;
using testing::writeBytes;

Project twoTypes() {
    Project p;
    p.name = "Pair";
    p.typeCount = 2;
    p.counts = {0, 1, 1};
    p.masses = {0, 1.0, 2.0};
    p.diameters = {0, 6.0, 8.5};
    p.particleCount = 2;
    return p;
}

// A trajectory of `frames` frames of the two particles; particle 2 takes `secondType`.
std::string trajectory(int frames, int secondType = 2) {
    ParticleState particles;
    particles.type[1] = 1;
    particles.type[2] = static_cast<std::uint8_t>(secondType);
    std::string text;
    for (int f = 0; f < frames; ++f) {
        for (int c = 0; c < 3; ++c) {
            particles.position(1, c) = f + 0.25 * c;
            particles.position(2, c) = -12.3456 - c;
        }
        appendFrameText(text, 2, 0.015 * (f + 1), particles);
    }
    return text;
}

TEST(XyzExport, BlockOfOneFrame) {
    Frame frame;
    frame.count = 2;
    frame.time = 0.3;
    frame.types[1] = 1;
    frame.types[2] = 2;
    const double positions[6] = {1.5, -2.25, 0.0, -49.999, 47.0, 3.125};
    for (int k = 0; k < 6; ++k) frame.positions[3 + k] = positions[k];
    std::string text;
    appendXyzFrame(text, frame, twoTypes(), 50.0);
    // Radius: diameter x 0.02 / 0.085, the size the view draws (6 -> 1.4118, 8.5 -> 2).
    // Coordinates shifted by the half edge into the lattice at the origin.
    EXPECT_EQ(text,
              "2\n"
              "Lattice=\"100 0 0 0 100 0 0 0 100\" pbc=\"F F F\" "
              "Properties=species:S:1:pos:R:3:radius:R:1 Time=0.300 ShiftFromHis=\"50 50 50\"\n"
              "H 51.500 47.750 50.000 1.4118\n"
              "He 0.001 97.000 53.125 2.0000\n");
    EXPECT_EQ(elementSymbol(20), "Ca");  // the last type: the element of atomic number 20
}

TEST(XyzExport, ConvertsEveryFrameAndRefusesTypesTheProjectLacks) {
    std::istringstream his(trajectory(3));
    std::vector<std::string> blocks;
    const long long frames = convertTrajectoryToXyz(
        his, "p.his", twoTypes(), 50.0, [&](const std::string& b) { blocks.push_back(b); });
    EXPECT_EQ(frames, 3);
    ASSERT_EQ(blocks.size(), 3u);
    EXPECT_NE(blocks[2].find(" Time=0.045 "), std::string::npos) << blocks[2];
    EXPECT_NE(blocks[2].find("\"\nH 52.000 52.250 52.500 "), std::string::npos) << blocks[2];
    EXPECT_NE(blocks[2].find("He 37.654 36.654 35.654 "), std::string::npos) << blocks[2];

    std::istringstream empty("");
    EXPECT_EQ(convertTrajectoryToXyz(empty, "e.his", twoTypes(), 50.0, [](auto&) {}), 0);

    std::istringstream other(trajectory(2) + trajectory(1, 3));
    EXPECT_EQ(fileErrorOf(
                  [&] { convertTrajectoryToXyz(other, "p.his", twoTypes(), 50.0, [](auto&) {}); }),
              "p.his: frame 3: particle 2 has type 3, but the project has 2 types; the "
              "trajectory belongs to another project");
}

class XyzExportFile : public ::testing::Test {
  protected:
    TempDir dir;
    void SetUp() override { writeBytes(dir.file("pair.zpr"), formatProject(twoTypes())); }
    std::vector<std::string> names() const {
        std::vector<std::string> out;
        for (const auto& entry : std::filesystem::directory_iterator(dir.path()))
            out.push_back(entry.path().filename().string());
        std::sort(out.begin(), out.end());
        return out;
    }
};

TEST_F(XyzExportFile, WritesBesideTheProjectByDefault) {
    writeBytes(dir.file("pair.his"), trajectory(4));
    EXPECT_EQ(defaultXyzPath(dir.file("pair.zpr")), dir.file("pair.xyz"));
    EXPECT_EQ(defaultXyzPath("old.runs/alpha.v2.zpr"), "old.runs/alpha.xyz");
    EXPECT_EQ(exportXyzFile(dir.file("pair.zpr"), dir.file("pair.xyz"), 50.0), 4);
    const std::string xyz = readBytes(dir.file("pair.xyz"));
    EXPECT_EQ(std::count(xyz.begin(), xyz.end(), '\n'), 4 * (2 + 2));
}

// Cut short in its second frame, the trajectory is exported up to its last whole frame,
// and the caller learns where the cut frame began.
TEST_F(XyzExportFile, ATrajectoryCutInItsLastFrameGivesItsWholeFrames) {
    const std::string his = trajectory(2);
    writeBytes(dir.file("pair.his"), his.substr(0, his.size() - 12));
    int partial = -1;
    EXPECT_EQ(exportXyzFile(dir.file("pair.zpr"), dir.file("o.xyz"), 50.0, false, &partial), 1);
    EXPECT_EQ(partial, 11);
    const std::string xyz = readBytes(dir.file("o.xyz"));
    EXPECT_EQ(std::count(xyz.begin(), xyz.end(), '\n'), 2 + 2);
}

TEST_F(XyzExportFile, AFailureLeavesNeitherExportNorTemporaryFile) {
    // No trajectory at all.
    EXPECT_NE(fileErrorOf([&] {
                  exportXyzFile(dir.file("pair.zpr"), dir.file("o.xyz"), 50.0);
              }).find("pair.his: cannot open"),
              std::string::npos);
    // A trajectory damaged in its second frame: the reader names the line.
    std::string his = trajectory(2);
    his.insert(his.size() - 12, "x");
    writeBytes(dir.file("pair.his"), his);
    writeBytes(dir.file("o.xyz"), "older export\n");
    EXPECT_NE(fileErrorOf([&] {
                  exportXyzFile(dir.file("pair.zpr"), dir.file("o.xyz"), 50.0, true);
              }).find("pair.his:"),
              std::string::npos);
    EXPECT_EQ(readBytes(dir.file("o.xyz")), "older export\n");
    EXPECT_EQ(names(), (std::vector<std::string>{"o.xyz", "pair.his", "pair.zpr"}));
}

TEST_F(XyzExportFile, RefusesToOverwriteTheProjectsOwnFiles) {
    const std::string his = trajectory(1);
    writeBytes(dir.file("pair.his"), his);
    for (const char* own : {"pair.his", "pair.zpr"}) {
        EXPECT_NE(fileErrorOf([&] {
                      exportXyzFile(dir.file("pair.zpr"), dir.path() + "/./" + own, 50.0, true);
                  }).find("one of the files of the project read"),
                  std::string::npos)
            << own;
    }
    EXPECT_EQ(readBytes(dir.file("pair.his")), his);
    EXPECT_EQ(readBytes(dir.file("pair.zpr")), formatProject(twoTypes()));
}

}  // namespace
}  // namespace zentova
