// --snapshot and --movie of a LAMMPS run's folder, by the real executable.

#include <gtest/gtest.h>
#include <sys/wait.h>

#include <QImage>
#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "files/lammpsmanifest.h"
#include "support/program.h"
#include "support/tempfiles.h"

namespace zentova {
namespace {

// 300 particles in two cubes side by side: particle 1, large and red, at the box's centre;
// the others, small and blue, along the box's floor.
class RunPictures : public ::testing::Test {
  protected:
    testing::TempDir dir;

    void SetUp() override {
        if (!canDraw()) GTEST_SKIP() << "no display and no xvfb-run, or no ffprobe";
        LammpsManifest m;
        m.projectFile = "big.zpr";
        m.projectName = "Big";
        m.stem = "big";
        m.particlesPerCube = 150;
        m.replicate = {2, 1, 1};
        m.particles = 300;
        m.low = {0, 0, 0};
        m.high = {200, 100, 100};
        m.step = 5e-5;
        m.frameInterval = 300;
        m.types = {{2, 1.0, 100.0, Rgb{255, 0, 0}}, {298, 1.0, 4.0, Rgb{0, 0, 255}}};
        std::filesystem::create_directory(dir.file("run"));
        testing::writeBytes(dir.file("run/manifest.big"), formatLammpsManifest(m));
        testing::writeBytes(dir.file("run/in.big"), "");
        const std::string dump = frame(0) + frame(300) + frame(600);
        testing::writeBytes(dir.file("run/dump.big"), dump + frame(900).substr(0, 300));
    }

    static bool canDraw() {
        return (std::getenv("DISPLAY") || std::system("command -v xvfb-run > /dev/null") == 0) &&
               std::system("command -v ffprobe > /dev/null") == 0;
    }

    static std::string frame(int step, int atoms = 300) {
        std::string s = "ITEM: TIMESTEP\n" + std::to_string(step) + "\nITEM: NUMBER OF ATOMS\n" +
                        std::to_string(atoms) +
                        "\nITEM: BOX BOUNDS ff ff ff\n0 200\n0 100\n0 100\n"
                        "ITEM: ATOMS id type x y z vx vy vz\n";
        // Type 1 twice: the centre and a far corner (hidden by the other small ones' floor).
        s += "1 1 100 50 50 0 0 0\n2 1 199 1 1 0 0 0\n";
        for (int id = 3; id <= atoms; ++id)
            s += std::to_string(id) + " 2 " + std::to_string(id % 199 + 0.5) + " 2 " +
                 std::to_string(id % 97 + 1) + " 0 0 0\n";
        return s;
    }

    int zentova(const std::string& args) {
        const std::string command = "cd '" + dir.path() +
                                    "' && env -u QT_QPA_PLATFORM ASAN_OPTIONS=detect_leaks=0 '" +
                                    testing::zentovaExecutable() + "' " + args + " 2> err.txt";
        const int status = std::system(command.c_str());
        return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }
    std::string err() { return testing::readBytes(dir.file("err.txt")); }
    bool has(const std::string& text) { return err().find(text) != std::string::npos; }
};

TEST_F(RunPictures, SnapshotDrawsTheLastWholeFrameInTheManifestsColours) {
    ASSERT_EQ(zentova("--snapshot run shot.png"), 0) << err();
    EXPECT_TRUE(has("run/dump.big:")) << err();  // the cut frame, named
    EXPECT_TRUE(
        has("the dump's last frame at t = 0.030, 300 particles, drawn to shot.png "
            "(800 x 700)"))
        << err();
    QImage image;
    ASSERT_TRUE(image.load(QString::fromStdString(dir.file("shot.png")), "PNG"));
    ASSERT_EQ(image.size(), QSize(800, 700));
    const QRgb centre = image.pixel(400, 350);
    EXPECT_GT(qRed(centre), qBlue(centre) + 100) << std::hex << centre;

    // Its input script names the run too; an existing picture stays without --overwrite.
    const std::string before = testing::readBytes(dir.file("shot.png"));
    EXPECT_EQ(zentova("--snapshot run/in.big shot.png"), 1);
    EXPECT_TRUE(has("shot.png")) << err();
    EXPECT_EQ(testing::readBytes(dir.file("shot.png")), before);
    EXPECT_EQ(zentova("--snapshot run/in.big shot.png --overwrite"), 0) << err();
}

TEST_F(RunPictures, MovieHoldsEveryWholeFrameOfTheDump) {
    ASSERT_EQ(zentova("--movie run film.mp4"), 0) << err();
    EXPECT_TRUE(has("3 frames of 300 particles from t = 0.000 to 0.030 written to film.mp4"))
        << err();
    const std::string probe = "cd '" + dir.path() +
                              "' && ffprobe -v error -select_streams v:0 -count_frames "
                              "-show_entries stream=nb_read_frames -of csv=p=0 film.mp4 > n.txt";
    ASSERT_EQ(std::system(probe.c_str()), 0);
    std::string frames = testing::readBytes(dir.file("n.txt"));
    frames.erase(std::remove(frames.begin(), frames.end(), '\n'), frames.end());
    EXPECT_EQ(frames, "3");

    EXPECT_EQ(zentova("--movie run half.gif --from 0.01"), 0) << err();
    EXPECT_TRUE(has("2 frames of 300 particles from t = 0.015 to 0.030")) << err();
}

TEST_F(RunPictures, ADumpOfAnotherExportIsRefusedAndNothingIsWritten) {
    testing::writeBytes(dir.file("run/dump.big"), frame(0, 120));
    EXPECT_EQ(zentova("--snapshot run shot.png"), 1);
    EXPECT_TRUE(has("run/dump.big:")) << err();
    EXPECT_TRUE(has("120 atoms")) << err();
    EXPECT_EQ(zentova("--movie run film.mp4"), 1);
    EXPECT_TRUE(has("120 atoms")) << err();
    EXPECT_FALSE(std::filesystem::exists(dir.file("shot.png")));
    EXPECT_FALSE(std::filesystem::exists(dir.file("film.mp4")));
    for (const auto& entry : std::filesystem::directory_iterator(dir.path()))
        EXPECT_EQ(entry.path().filename().string().find(".tmp"), std::string::npos) << entry.path();
}

}  // namespace
}  // namespace zentova
