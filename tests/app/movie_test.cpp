// --movie: a trajectory filmed by the real executable, read back with FFmpeg's own tools.

#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QImage>
#include <algorithm>
#include <array>
#include <chrono>
#include <cmath>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <sstream>
#include <thread>
#include <vector>

#include "files/finalstate.h"
#include "files/projectfile.h"
#include "files/trajectory.h"
#include "support/program.h"
#include "support/projects.h"
#include "support/tempfiles.h"

namespace zentova {
namespace {

using namespace std::chrono_literals;

// How far a decoded picture may be from the view's own drawing of the same state. Colour: the
// mean over all pixels of the absolute difference of each channel, in levels of 255; H.264
// and VP9 in studio range with halved colour resolution lose 2 to 5 levels (the saturated
// background, the spheres' edges), the GIF's palette less than one. Shape: the share of
// blocks of 8 x 8 pixels whose means differ by more than 32 levels in a channel, which a
// sphere out of place makes and the codecs' blurred edges do not.
constexpr double MostMeanDifference = 6.0;
constexpr double MostDifferingShare = 0.005;
constexpr int Block = 8;
constexpr double DifferingLevels = 32.0;

class Movie : public ::testing::Test {
  protected:
    testing::TempDir dir;

    // Ten frames of thirty particles, t = 0.015 to 0.150, with large spheres so that one
    // frame looks unlike the next.
    void SetUp() override {
        if (!canFilm()) GTEST_SKIP() << "no display or xvfb-run, or no ffprobe";
        Project p = testing::saltProject(20, 10);
        p.diameters = {0, 16.0, 22.0};
        testing::writeBytes(dir.file("salt.zpr"), formatProject(p));
        ASSERT_EQ(zentova("--calculate salt.zpr --steps 3000 --seed 7"), 0) << err();
    }

    static bool canFilm() {
        return (std::getenv("DISPLAY") || std::system("command -v Xvfb > /dev/null") == 0) &&
               std::system("command -v ffprobe > /dev/null && command -v ffmpeg > /dev/null") == 0;
    }

    // The command in the test's folder, on the display (the test itself runs offscreen).
    int zentova(const std::string& args) {
        const std::string command = "cd '" + dir.path() +
                                    "' && env -u QT_QPA_PLATFORM ASAN_OPTIONS=detect_leaks=0 '" +
                                    testing::zentovaExecutable() + "' " + args + " 2> err.txt";
        const int status = std::system(command.c_str());
        return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }
    std::string err() { return testing::readBytes(dir.file("err.txt")); }

    std::string run(const std::string& command) {
        const std::string out = dir.file("out.txt");
        if (std::system(("cd '" + dir.path() + "' && " + command + " > out.txt 2>&1").c_str()) != 0)
            return "(failed) " + testing::readBytes(out);
        return testing::readBytes(out);
    }

    // "codec,width,height,frames" as ffprobe finds them by decoding every frame.
    std::string probe(const std::string& name) {
        std::string text =
            run("ffprobe -v error -select_streams v:0 -count_frames -show_entries "
                "stream=codec_name,width,height,nb_read_frames -of csv=p=0 " +
                name);
        text.erase(std::remove(text.begin(), text.end(), '\n'), text.end());
        return text;
    }

    // Frame `n` (from 0) of a movie as 8-bit RGB.
    QImage decoded(const std::string& name, int n) {
        const std::string png = name + "-" + std::to_string(n) + ".png";
        run("ffmpeg -v error -y -i " + name + " -vf 'select=eq(n\\," + std::to_string(n) +
            ")' -vsync 0 -frames:v 1 " + png);
        return QImage(QString::fromStdString(dir.file(png))).convertToFormat(QImage::Format_RGB888);
    }

    std::vector<Frame> frames() {
        std::istringstream in(testing::readBytes(dir.file("salt.his")));
        TrajectoryReader reader(in, "salt.his");
        std::vector<Frame> out;
        Frame f;
        while (reader.readFrame(f)) out.push_back(f);
        return out;
    }
};

struct Difference {
    double mean = 1e9;     // the largest over the channels of the mean absolute difference
    double differing = 1;  // the share of blocks more than DifferingLevels apart
};

Difference compare(const QImage& a, const QImage& b) {
    if (a.size() != b.size() || a.isNull()) return {};
    double sums[3] = {};
    const int columns = a.width() / Block;
    const int rows = a.height() / Block;
    std::vector<double> blocks(3 * static_cast<std::size_t>(columns) * rows, 0.0);
    for (int y = 0; y < rows * Block; ++y) {
        const uchar* p = a.constScanLine(y);
        const uchar* q = b.constScanLine(y);
        for (int x = 0; x < columns * Block; ++x) {
            for (int c = 0; c < 3; ++c) {
                const int d = p[3 * x + c] - q[3 * x + c];
                sums[c] += std::abs(d);
                blocks[3 * ((y / Block) * columns + x / Block) + c] += d;
            }
        }
    }
    long long differing = 0;
    for (std::size_t k = 0; k < blocks.size(); k += 3) {
        double most = 0.0;
        for (int c = 0; c < 3; ++c)
            most = std::max(most, std::abs(blocks[k + c]) / (Block * Block));
        if (most > DifferingLevels) ++differing;
    }
    const double pixels = static_cast<double>(columns) * rows * Block * Block;
    return {std::max({sums[0], sums[1], sums[2]}) / pixels,
            static_cast<double>(differing) / (static_cast<double>(columns) * rows)};
}

// Each format has every frame of the trajectory, at the view's size, with its codec; --from
// and --to pick frames by their time; and the first picture of a movie is the one the view
// draws of that state (a snapshot of it), within the codec's loss and nearer to it than to
// the next frame.
TEST_F(Movie, FilmsEveryFrameAsTheViewDrawsItInEachFormat) {
    const auto trajectory = frames();
    ASSERT_EQ(trajectory.size(), 10u);
    // The state of the fourth frame, t = 0.060, as a final state for --snapshot.
    const Frame& fourth = trajectory[3];
    ParticleState state;
    for (int p = 1; p <= fourth.count; ++p) {
        for (int c = 0; c < 3; ++c) state.position(p, c) = fourth.positions[3 * p + c];
        state.type[p] = fourth.types[p];
    }
    writeFinalStateFile(dir.file("salt.sta"), fourth.count, fourth.time, state);
    ASSERT_EQ(zentova("--snapshot salt.zpr view.png"), 0) << err();
    const QImage view =
        QImage(QString::fromStdString(dir.file("view.png"))).convertToFormat(QImage::Format_RGB888);

    const struct {
        const char* name;
        const char* codec;
    } formats[] = {{"all.mp4", "h264"}, {"all.webm", "vp9"}, {"all.gif", "gif"}};
    for (const auto& format : formats) {
        SCOPED_TRACE(format.name);
        ASSERT_EQ(zentova(std::string("--movie salt.zpr ") + format.name), 0) << err();
        EXPECT_NE(err().find("10 frames from t = 0.015 to 0.150 written to " +
                             std::string(format.name) + " (800 x 700, 25 frames/s"),
                  std::string::npos)
            << err();
        EXPECT_EQ(probe(format.name), std::string(format.codec) + ",800,700,10");

        const std::string part = std::string("part.") + (std::strchr(format.name, '.') + 1);
        ASSERT_EQ(zentova("--movie salt.zpr " + part + " --from 0.06 --to 0.105 --no-time"), 0)
            << err();
        EXPECT_EQ(probe(part), std::string(format.codec) + ",800,700,4");
        const Difference same = compare(decoded(part, 0), view);
        const Difference next = compare(decoded(part, 1), view);
        std::printf(
            "%s against the snapshot: mean %.2f levels, %.2f %% of the blocks apart; "
            "the next frame %.2f %%\n",
            format.name, same.mean, 100 * same.differing, 100 * next.differing);
        EXPECT_LE(same.mean, MostMeanDifference);
        EXPECT_LE(same.differing, MostDifferingShare);
        EXPECT_GT(next.differing, 2 * MostDifferingShare);
    }
    // Nothing else was left in the folder: no temporary files.
    for (const auto& entry : std::filesystem::directory_iterator(dir.path()))
        EXPECT_EQ(entry.path().filename().string().find(".tmp-"), std::string::npos)
            << entry.path();
}

// Refusals come before any work and leave no file; a last frame cut short is left out with a
// word; Ctrl-C leaves nothing under the movie's name, nor beside it.
TEST_F(Movie, BadInputIsRefusedAndAnInterruptedMovieLeavesNothing) {
    const auto noMovieFiles = [&] {
        for (const auto& entry : std::filesystem::directory_iterator(dir.path())) {
            const std::string name = entry.path().filename().string();
            if (name.rfind("out.", 0) == 0 && name != "out.txt") return false;
        }
        return true;
    };
    EXPECT_EQ(zentova("--movie salt.zpr out.avi"), 1);
    EXPECT_EQ(err(), "zentova: out.avi: a movie is named .mp4 (H.264), .webm (VP9) or .gif\n");
    EXPECT_EQ(zentova("--movie salt.zpr missing/out.mp4"), 1);
    EXPECT_EQ(err(), "zentova: missing/out.mp4: cannot write: No such file or directory\n");
    EXPECT_EQ(zentova("--movie salt.zpr out.mp4 --fps 0"), 1);
    EXPECT_NE(err().find("--fps needs a whole number from 1 to 60"), std::string::npos) << err();
    EXPECT_EQ(zentova("--movie salt.zpr out.mp4 --from 0.5 --to 0.1"), 1);
    EXPECT_EQ(zentova("--movie salt.zpr out.mp4 --from 9"), 1);
    EXPECT_EQ(err(),
              "zentova: salt.his: no frame lies in the times asked for, so no movie was "
              "written\n");

    const std::string trajectory = testing::readBytes(dir.file("salt.his"));
    // Line 5 is the first particle's y of the first frame.
    std::string damaged = trajectory;
    std::size_t line5 = 0;
    for (int line = 1; line < 5; ++line) line5 = damaged.find('\n', line5) + 1;
    damaged.replace(line5, damaged.find('\r', line5) - line5, "1.2.3");
    testing::writeBytes(dir.file("salt.his"), damaged);
    EXPECT_EQ(zentova("--movie salt.zpr out.mp4"), 1);
    EXPECT_EQ(err().rfind("zentova: salt.his:5: ", 0), 0u) << err();
    std::filesystem::remove(dir.file("salt.his"));
    EXPECT_EQ(zentova("--movie salt.zpr out.gif"), 1);
    EXPECT_EQ(err(), "zentova: salt.his: cannot open: No such file or directory\n");
    EXPECT_TRUE(noMovieFiles());

    // A full disk (a file-size limit even root cannot pass): status 1, nothing left.
    testing::writeBytes(dir.file("salt.his"), trajectory);
    const int full =
        std::system(("cd '" + dir.path() +
                     "' && ulimit -f 10 && trap '' XFSZ && env -u QT_QPA_PLATFORM "
                     "ASAN_OPTIONS=detect_leaks=0 '" +
                     testing::zentovaExecutable() + "' --movie salt.zpr out.mp4 2> err.txt")
                        .c_str());
    EXPECT_TRUE(WIFEXITED(full) && WEXITSTATUS(full) == 1) << full << " " << err();
    if (std::getenv("DISPLAY")) {
        EXPECT_NE(err().find("zentova: out.mp4: cannot write: File too large"), std::string::npos)
            << err();
    }
    EXPECT_TRUE(noMovieFiles());

    // Cut inside its last frame (2 lines of head and 4 a particle a frame): nine frames.
    testing::writeBytes(dir.file("salt.his"), trajectory.substr(0, trajectory.size() - 100));
    ASSERT_EQ(zentova("--movie salt.zpr cut.webm"), 0) << err();
    EXPECT_NE(err().find("zentova: salt.his: the frame cut short at line 1099 was left out"),
              std::string::npos)
        << err();
    EXPECT_EQ(probe("cut.webm"), "vp9,800,700,9");

    // A long trajectory, interrupted once its movie has begun.
    std::string longer;
    for (int k = 0; k < 40; ++k) longer += trajectory;
    testing::writeBytes(dir.file("salt.his"), longer);
    // Ctrl-C, and a closed terminal (SIGHUP), alike.
    for (const int signal : {SIGINT, SIGHUP}) {
        SCOPED_TRACE(signal);
        const pid_t child = fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            // In a group of its own, which the interrupt goes to as a terminal sends it.
            ::setpgid(0, 0);
            if (::chdir(dir.path().c_str()) != 0) std::_Exit(99);
            if (!std::freopen("err.txt", "w", stderr)) std::_Exit(97);
            ::unsetenv("QT_QPA_PLATFORM");
            const std::string exe = testing::zentovaExecutable();
            ::execl(exe.c_str(), exe.c_str(), "--movie", "salt.zpr", "out.mp4", nullptr);
            std::_Exit(98);
        }
        const auto started = std::chrono::steady_clock::now();
        const auto temporaryExists = [&] {
            for (const auto& entry : std::filesystem::directory_iterator(dir.path()))
                if (entry.path().filename().string().rfind(".out.mp4.zentova.tmp-", 0) == 0)
                    return true;
            return false;
        };
        while (!temporaryExists() && std::chrono::steady_clock::now() - started < 20s)
            std::this_thread::sleep_for(20ms);
        std::this_thread::sleep_for(1500ms);
        ::kill(-child, signal);
        int status = 0;
        ASSERT_EQ(::waitpid(child, &status, 0), child);
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 130) << status << " " << err();
        EXPECT_NE(err().find("zentova: out.mp4: interrupted, nothing written"), std::string::npos)
            << err();
        EXPECT_TRUE(noMovieFiles());
    }
    EXPECT_TRUE(noMovieFiles());
}

// --turn turns the view about its vertical axis between frames: a red sphere up and to the
// right of the centre, turned by 180 degrees, shows up and to the left, as large as before.
TEST_F(Movie, TurnsAboutTheVerticalAxisBetweenFrames) {
    Project p = testing::saltProject(1, 0, "Turn");
    p.colors[1] = {255, 0, 0};
    p.diameters[1] = 16.0;
    testing::writeBytes(dir.file("turn.zpr"), formatProject(p));
    ParticleState state;
    state.type[1] = 1;
    state.position(1, 0) = 25.0;
    state.position(1, 1) = 20.0;
    std::string trajectory;
    appendFrameText(trajectory, 1, 0.015, state);
    appendFrameText(trajectory, 1, 0.030, state);
    testing::writeBytes(dir.file("turn.his"), trajectory);
    ASSERT_EQ(zentova("--movie turn.zpr turn.gif --turn 180 --no-time"), 0) << err();

    // The centre of the red pixels (x, y) and their number.
    const auto red = [](const QImage& image) {
        double x = 0.0, y = 0.0, count = 0.0;
        for (int row = 0; row < image.height(); ++row)
            for (int column = 0; column < image.width(); ++column) {
                const QRgb c = image.pixel(column, row);
                if (qRed(c) <= qGreen(c) + 60 || qRed(c) <= qBlue(c) + 60) continue;
                x += column, y += row, ++count;
            }
        return std::array<double, 3>{x / count, y / count, count};
    };
    const QImage first = decoded("turn.gif", 0), turned = decoded("turn.gif", 1);
    ASSERT_FALSE(first.isNull() || turned.isNull());
    const auto [x0, y0, n0] = red(first);
    const auto [x1, y1, n1] = red(turned);
    std::printf("red at (%.1f, %.1f), %g pixels; turned (%.1f, %.1f), %g pixels\n", x0, y0, n0, x1,
                y1, n1);
    const double middle = first.width() / 2.0;
    EXPECT_GT(x0 - middle, 50.0);
    EXPECT_LT(y0, first.height() / 2.0 - 50.0);
    EXPECT_NEAR(x1 - middle, middle - x0, 5.0);
    EXPECT_NEAR(y1, y0, 5.0);
    EXPECT_NEAR(n1, n0, 0.1 * n0);
}

}  // namespace
}  // namespace zentova
