// --snapshot: the final state drawn into a PNG file by the real executable.

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/file.h>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QImage>
#include <chrono>
#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <set>
#include <string>
#include <vector>

#include "app/virtualscreen.h"
#include "files/finalstate.h"
#include "files/projectfile.h"
#include "support/program.h"
#include "support/tempfiles.h"

namespace zentova {
namespace {

class Snapshot : public ::testing::Test {
  protected:
    testing::TempDir dir;

    // One red particle at the centre of the cube.
    void SetUp() override {
        Project p;
        p.name = "Dot";
        p.typeCount = 1;
        p.counts[1] = 1;
        p.masses[1] = 1.0;
        p.diameters[1] = 20.0;
        p.colors[1] = Rgb{255, 0, 0};
        p.particleCount = 1;
        testing::writeBytes(dir.file("dot.zpr"), formatProject(p));
        ParticleState particles;
        particles.type[1] = 1;
        writeFinalStateFile(dir.file("dot.sta"), 1, 0.5, particles);
    }

    // The command in the test's folder, with the platform Qt picks for a display (the test
    // program itself runs offscreen, which has no OpenGL).
    int zentova(const std::string& args, const std::string& environment = "") {
        const std::string exe = testing::zentovaExecutable();
        // The GL driver keeps a few bytes of compiled code to the end of the process, which a
        // leak-checking build would report as its own.
        const std::string command = "cd '" + dir.path() + "' && env -u QT_QPA_PLATFORM " +
                                    environment + " ASAN_OPTIONS=detect_leaks=0 '" + exe + "' " +
                                    args + " 2> err.txt";
        const int status = std::system(command.c_str());
        return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }
    std::string err() { return testing::readBytes(dir.file("err.txt")); }
};

bool canDraw() {
    return std::getenv("DISPLAY") || std::system("command -v xvfb-run > /dev/null") == 0;
}

TEST_F(Snapshot, DrawsTheFinalStateAtTheViewsSize) {
    if (!canDraw()) GTEST_SKIP() << "no display and no xvfb-run";
    ASSERT_EQ(zentova("--snapshot dot.zpr shot.png"), 0) << err();
    EXPECT_NE(err().find("dot.zpr: the final state at t = 0.500 drawn to shot.png (800 x 700)"),
              std::string::npos)
        << err();

    QImage image;
    ASSERT_TRUE(image.load(QString::fromStdString(dir.file("shot.png")), "PNG"));
    ASSERT_EQ(image.size(), QSize(800, 700));
    // The sphere at the centre, tinted red under the white light; the background blue
    // (0, 0, 255) / 257 round it.
    const QRgb centre = image.pixel(400, 350);
    EXPECT_GT(qRed(centre), 200) << std::hex << centre;
    EXPECT_GT(qRed(centre), qGreen(centre) + 60) << std::hex << centre;
    EXPECT_GT(qRed(centre), qBlue(centre) + 60) << std::hex << centre;
    const QRgb corner = image.pixel(3, 3);
    EXPECT_EQ(qRed(corner), 0);
    EXPECT_GE(qBlue(corner), 250);
}

TEST_F(Snapshot, WithoutAFinalStateNothingIsWritten) {
    std::filesystem::remove(dir.file("dot.sta"));
    EXPECT_EQ(zentova("--snapshot dot.zpr shot.png"), 1);
    EXPECT_EQ(err(), "zentova: dot.sta: cannot open: No such file or directory\n");
    EXPECT_FALSE(std::filesystem::exists(dir.file("shot.png")));
    EXPECT_EQ(zentova("--snapshot dot.zpr"), 1);
    EXPECT_NE(err().find("--snapshot needs PROJECT|DIR OUT.png"), std::string::npos) << err();
}

// Without a display the command starts an X server of its own and ends it before it exits,
// also when it fails; the picture is the one drawn on a display. This process adopts any
// server left behind (a subreaper), so an orphan shows as a child of ours.
TEST_F(Snapshot, WithoutADisplayDrawsTheSamePictureOnAScreenItEnds) {
    if (std::system("command -v Xvfb > /dev/null") != 0) GTEST_SKIP() << "no Xvfb";
    ASSERT_EQ(::prctl(PR_SET_CHILD_SUBREAPER, 1), 0);
    const std::string noDisplay = "-u DISPLAY -u WAYLAND_DISPLAY";
    ASSERT_EQ(zentova("--snapshot dot.zpr own.png", noDisplay), 0) << err();
    QImage own;
    ASSERT_TRUE(own.load(QString::fromStdString(dir.file("own.png")), "PNG"));
    EXPECT_EQ(own.size(), QSize(800, 700));
    if (std::getenv("DISPLAY")) {
        ASSERT_EQ(zentova("--snapshot dot.zpr shown.png"), 0) << err();
        QImage shown;
        ASSERT_TRUE(shown.load(QString::fromStdString(dir.file("shown.png")), "PNG"));
        EXPECT_TRUE(own == shown) << "the picture differs from the one drawn on the display";
    }

    // No server to start: exit status 1, a message, no picture.
    EXPECT_EQ(zentova("--snapshot dot.zpr none.png", noDisplay + " PATH=/nonexistent"), 1);
    EXPECT_NE(err().find("Xvfb"), std::string::npos) << err();
    EXPECT_FALSE(std::filesystem::exists(dir.file("none.png")));

    // A display that does not answer: a message and status 1 too, not an abort.
    EXPECT_EQ(zentova("--snapshot dot.zpr none.png", "DISPLAY=:7777"), 1);
    EXPECT_NE(err().find("the display :7777 cannot be opened"), std::string::npos) << err();

    int status = 0;
    const pid_t left = ::waitpid(-1, &status, WNOHANG);
    if (left > 0) ::kill(left, SIGKILL);
    EXPECT_EQ(left, -1) << "a process outlived the command (its X server?)";
}

// The folders of screens whose process was killed before it could remove them go at the next
// start; a running screen's folder (held locked), a young one and other folders stay. Only
// what carries the screen's mark is touched, and of it only the files a screen puts there:
// a user's folder of a like name keeps all it holds.
TEST(VirtualScreenFolders, StaleOnesAreSweptAtTheNextStart) {
    testing::TempDir temp;
    const auto old = std::filesystem::file_time_type::clock::now() - std::chrono::seconds(30);
    const auto folder = [&](const std::string& name, std::vector<std::string> files, bool aged) {
        std::filesystem::create_directory(temp.file(name));
        for (const std::string& file : files)
            testing::writeBytes(temp.file(name) + "/" + file, "kept? " + file);
        if (aged) std::filesystem::last_write_time(temp.file(name), old);
    };
    folder(".zentova-screen-Dead12", {"authority", "xvfb.log"}, true);
    folder(".zentova-screen-Held12", {"authority"}, true);
    folder(".zentova-screen-Young1", {"authority"}, false);
    folder("zentova-files-Dead12", {"authority"}, true);
    folder("zentova-screen-mydata", {"thesis.tex"}, true);
    folder("zentova-screen-Dead12", {"authority", "xvfb.log"}, true);
    folder(".zentova-screen-Ab_d12", {"authority"}, true);
    folder(".zentova-screen-Thesis", {"authority", "thesis.tex"}, true);
    const int held = ::open(temp.file(".zentova-screen-Held12").c_str(), O_RDONLY | O_DIRECTORY);
    ASSERT_EQ(::flock(held, LOCK_EX), 0);
    sweepStaleScreenFolders(temp.path());
    ::close(held);
    std::set<std::string> left;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(temp.path()))
        left.insert(std::filesystem::relative(entry.path(), temp.path()).string());
    EXPECT_EQ(left,
              (std::set<std::string>{".zentova-screen-Held12", ".zentova-screen-Held12/authority",
                                     ".zentova-screen-Young1", ".zentova-screen-Young1/authority",
                                     "zentova-files-Dead12", "zentova-files-Dead12/authority",
                                     "zentova-screen-mydata", "zentova-screen-mydata/thesis.tex",
                                     "zentova-screen-Dead12", "zentova-screen-Dead12/authority",
                                     "zentova-screen-Dead12/xvfb.log", ".zentova-screen-Ab_d12",
                                     ".zentova-screen-Ab_d12/authority", ".zentova-screen-Thesis",
                                     ".zentova-screen-Thesis/thesis.tex"}));
    EXPECT_EQ(testing::readBytes(temp.file("zentova-screen-mydata/thesis.tex")),
              "kept? thesis.tex");
}

}  // namespace
}  // namespace zentova
