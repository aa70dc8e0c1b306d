// Faults met by the command-line calculation: a full disk, a folder turned read-only,
// damaged input files. Each ends the run with exit status 1 and one message naming the
// file (and the line, for damaged contents); the files written before stay whole, and
// nothing that is not a finite number reaches them.

#include <fcntl.h>
#include <gtest/gtest.h>
#include <linux/fs.h>
#include <sys/ioctl.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <regex>
#include <thread>

#include "files/atomicfile.h"
#include "files/projectfile.h"
#include "files/settingsfile.h"
#include "reliability/child.h"
#include "reliability/filecheck.h"
#include "reliability/folders.h"
#include "support/projects.h"
#include "support/tempfiles.h"

namespace zentova {
namespace {

using testing::Child;
using testing::completeFinalState;
using testing::Outcome;
using testing::readBytes;
using testing::setImmutable;
using testing::stateOfFrame;
using testing::stateOfLastFrames;
using testing::TempDir;
using testing::wholeFrames;
using testing::writeBytes;

// 30 particles, about 1 kB a frame, 4.6 kB a final state.
Project salt() {
    return testing::saltProject();
}

// `text` with its line `number` (1-based) replaced; line ends kept.
std::string withLine(const std::string& text, int number, const std::string& line) {
    std::size_t start = 0;
    for (int n = 1; n < number; ++n) start = text.find('\n', start) + 1;
    const std::size_t end = text.find('\r', start);
    return text.substr(0, start) + line + text.substr(end);
}

int lineCount(const std::string& text) {
    return static_cast<int>(std::count(text.begin(), text.end(), '\n'));
}

// Bytes of no format at all, the same every time.
std::string garbage(std::size_t size) {
    std::string bytes;
    for (std::size_t i = 0; i < size; ++i) bytes += static_cast<char>((i * 7919 + 13) % 256);
    return bytes;
}

// One line, "zentova: FILE:LINE: REASON" (or "zentova: FILE: REASON" when no line applies),
// with `reason` in it, and exit status 1.
void expectOneMessage(const Outcome& outcome, const std::string& file, bool withLine,
                      const std::string& reason, const std::string& context = "") {
    EXPECT_EQ(outcome.status, 1) << context << "\n" << outcome.err;
    const std::regex shape("zentova: " + file + (withLine ? ":[1-9][0-9]*: " : ": ") + "[^\n]+\n");
    EXPECT_TRUE(std::regex_match(outcome.err, shape)) << context << "\n" << outcome.err;
    EXPECT_NE(outcome.err.find(reason), std::string::npos) << context << "\n" << outcome.err;
    EXPECT_LT(outcome.err.size(), 300u) << context;
}

class Faults : public ::testing::Test {
  protected:
    TempDir dir;

    void SetUp() override { writeBytes(dir.file("salt.zpr"), formatProject(salt())); }

    std::string his() const { return readBytes(dir.file("salt.his")); }
    std::string sta() const { return readBytes(dir.file("salt.sta")); }

    Outcome zentova(const std::vector<std::string>& args, rlim_t fileSizeLimit = RLIM_INFINITY) {
        return Child::zentova(dir.path(), args, fileSizeLimit).wait();
    }

    // An undisturbed run that writes `frames` frames.
    void firstRun(int frames) {
        const Outcome outcome = zentova(
            {"--calculate", "salt.zpr", "--seed", "5", "--steps", std::to_string(300 * frames)});
        ASSERT_EQ(outcome.status, 0) << outcome.err;
    }

    // Temporary files of an atomic write that did not finish.
    std::vector<std::string> leftovers(const std::string& folder) const {
        std::vector<std::string> names;
        for (const auto& entry : std::filesystem::directory_iterator(folder))
            if (entry.path().filename().string().find(".tmp-") != std::string::npos)
                names.push_back(entry.path().filename().string());
        return names;
    }

    // Runs `script` with sh in a mount namespace of its own, so that what it mounts is seen
    // by it and its children only and goes away with them.
    Outcome inOwnMountNamespace(const std::string& script) {
        return Child::program(dir.path(), {"unshare", "--mount", "sh", "-c", script}).wait();
    }

    // Mounting a file system takes root and a kernel that lets the tests do it.
    bool canMount() {
        std::filesystem::create_directory(dir.file("probe"));
        return inOwnMountNamespace("mount -t tmpfs -o size=64k zentova probe").status == 0;
    }
};

TEST_F(Faults, FileSizeLimitEndsTheRunAtTheLastWholeFrame) {
    firstRun(6);
    const std::string his0 = his();
    const std::size_t frameSize = his0.size() / 6;
    // Room for two and a half more frames: the third goes in only in part and is cut back.
    const rlim_t limit = his0.size() + frameSize * 5 / 2;
    ASSERT_GT(limit, sta().size() + 100);  // the final state itself still fits

    Outcome outcome = zentova({"--calculate", "salt.zpr", "--append", "--steps", "100000"}, limit);
    expectOneMessage(outcome, "salt.his", false, "cannot write: File too large");
    EXPECT_EQ(his().substr(0, his0.size()), his0);
    auto frames = wholeFrames(dir.file("salt.his"));
    ASSERT_EQ(frames.size(), 8u);
    // The final state went first and holds the frame that did not fit.
    auto state = completeFinalState(dir.file("salt.sta"));
    ASSERT_TRUE(state);
    EXPECT_NEAR(state->time - frames.back().time, 0.015, 1e-9);

    // With room again, the next run adds that frame and goes on from there.
    outcome = zentova({"--calculate", "salt.zpr", "--append", "--steps", "600"});
    ASSERT_EQ(outcome.status, 0) << outcome.err;
    EXPECT_NE(outcome.err.find("was missing and was added"), std::string::npos) << outcome.err;
    frames = wholeFrames(dir.file("salt.his"));
    ASSERT_EQ(frames.size(), 11u);
    EXPECT_TRUE(stateOfFrame(*state, frames[8]));
    EXPECT_NEAR(frames[10].time - frames[8].time, 0.03, 1e-9);

    // Room for a frame but not for a final state: the old final state stays whole.
    const std::string sta0 = sta();
    outcome = zentova({"--calculate", "salt.zpr", "--steps", "900"}, frameSize * 3 / 2);
    expectOneMessage(outcome, "salt.sta", false, "cannot write: File too large");
    EXPECT_EQ(wholeFrames(dir.file("salt.his")).size(), 0u);
    EXPECT_EQ(sta(), sta0);
    EXPECT_EQ(leftovers(dir.path()), std::vector<std::string>{});
}

TEST_F(Faults, FullFileSystemEndsTheRunAtTheLastWholeFrame) {
    if (!canMount()) GTEST_SKIP() << "no file system can be mounted here";
    // A 48 kB file system: the trajectory fills it after a few dozen frames, and then
    // either a frame or the final state beside it finds no room.
    const Outcome outcome = inOwnMountNamespace(
        "mkdir disk out && mount -t tmpfs -o size=48k zentova disk && cp salt.zpr disk/ && "
        "cd disk && '" +
        testing::zentovaExecutable() +
        "' --calculate salt.zpr --steps 100000000 --seed 3 2> ../err.txt; "
        "echo $? > ../status.txt; ls -A > ../listing.txt; cp salt.his salt.sta ../out/");
    ASSERT_EQ(outcome.status, 0) << outcome.err;

    const Outcome run{std::stoi(readBytes(dir.file("status.txt"))), readBytes(dir.file("err.txt"))};
    expectOneMessage(run, "salt\\.(his|sta)", false, "cannot write: No space left on device");
    const auto frames = wholeFrames(dir.file("out/salt.his"));
    EXPECT_GE(frames.size(), 5u);
    const auto state = completeFinalState(dir.file("out/salt.sta"));
    ASSERT_TRUE(state);
    EXPECT_TRUE(stateOfLastFrames(*state, frames));
    EXPECT_EQ(readBytes(dir.file("listing.txt")),
              "salt.his\nsalt.readings.csv\nsalt.sta\nsalt.zpr\n");
}

TEST_F(Faults, ReadOnlyFileSystemChangesNoFile) {
    if (!canMount()) GTEST_SKIP() << "no file system can be mounted here";
    const std::string exe = "'" + testing::zentovaExecutable() + "'";
    const Outcome outcome = inOwnMountNamespace(
        "mkdir disk before after && mount -t tmpfs -o size=1m zentova disk && "
        "cp salt.zpr disk/ && (cd disk && " +
        exe +
        " --calculate salt.zpr --steps 900 --seed 3 2> /dev/null) && "
        "cp disk/salt.his disk/salt.sta before/ && mount -o remount,ro disk && "
        "(cd disk && " +
        exe +
        " --calculate salt.zpr --steps 900 2> ../fresh.txt; "
        "echo $? > ../fresh-status.txt; " +
        exe +
        " --calculate salt.zpr --append --steps 900 2> ../append.txt; "
        "echo $? > ../append-status.txt; cp salt.his salt.sta ../after/)");
    ASSERT_EQ(outcome.status, 0) << outcome.err;

    for (const char* run : {"fresh", "append"}) {
        const std::string name = run;
        const Outcome result{std::stoi(readBytes(dir.file(name + "-status.txt"))),
                             readBytes(dir.file(name + ".txt"))};
        expectOneMessage(result, "salt.his", false, "cannot open: Read-only file system", run);
    }
    EXPECT_EQ(readBytes(dir.file("after/salt.his")), readBytes(dir.file("before/salt.his")));
    EXPECT_EQ(readBytes(dir.file("after/salt.sta")), readBytes(dir.file("before/salt.sta")));
    EXPECT_EQ(wholeFrames(dir.file("after/salt.his")).size(), 3u);
}

TEST_F(Faults, FolderTurnedReadOnlyDuringARunKeepsTheLastWholeState) {
    const std::string probe = dir.file("probe");
    std::filesystem::create_directory(probe);
    if (!setImmutable(probe, true)) GTEST_SKIP() << "the file system has no immutable flag";
    setImmutable(probe, false);

    firstRun(3);
    const std::string his0 = his();
    Child run =
        Child::zentova(dir.path(), {"--calculate", "salt.zpr", "--append", "--steps", "100000000"});
    // Two more frames, then the folder turns read-only under the running calculation.
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(60);
    while (his().size() < his0.size() * 5 / 3 && std::chrono::steady_clock::now() < deadline)
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    ASSERT_TRUE(setImmutable(dir.path(), true));
    const Outcome outcome = run.wait(60);
    setImmutable(dir.path(), false);

    // The next final state could not be put in place; the trajectory is still writable and
    // holds the frame that went with it.
    expectOneMessage(outcome, "salt.sta", false, "cannot write: Operation not permitted");
    EXPECT_EQ(his().substr(0, his0.size()), his0);
    const auto frames = wholeFrames(dir.file("salt.his"));
    EXPECT_GE(frames.size(), 5u);
    const auto state = completeFinalState(dir.file("salt.sta"));
    ASSERT_TRUE(state);
    EXPECT_TRUE(stateOfLastFrames(*state, frames));
    // A final state being written when the folder turned read-only leaves its temporary,
    // which nothing could remove then; the next run of the project does.
    EXPECT_EQ(Child::zentova(dir.path(), {"--calculate", "salt.zpr", "--append", "--steps", "300"})
                  .wait(60)
                  .status,
              0);
    EXPECT_EQ(leftovers(dir.path()), std::vector<std::string>{});
}

struct Damage {
    const char* what;
    std::string text;
    const char* reason;
    bool withLine = true;
};

TEST_F(Faults, DamagedFinalStateStopsAnAppendBeforeItsFirstStep) {
    firstRun(3);
    const std::string his0 = his();
    const std::string sta0 = sta();
    const int last = lineCount(sta0);
    const std::vector<Damage> damages = {
        {"cut inside the last number", sta0.substr(0, sta0.size() - 10), "cut short"},
        {"cut after a line", sta0.substr(0, sta0.find("\n", sta0.size() / 2) + 1),
         "unexpected end of file"},
        {"empty", "", "unexpected end of file, expected the particle count"},
        {"a count of 10^9", withLine(sta0, 1, "1000000000"), "1000000000 particles"},
        {"a count of -5", withLine(sta0, 1, "-5"), "-5 particles"},
        {"inf as a coordinate", withLine(sta0, 3, "inf"), "found \"inf\""},
        {"nan as a velocity", withLine(sta0, last, "nan"), "found \"nan\""},
        {"NUL bytes in a number", withLine(sta0, 4, std::string("1\0\0", 3)), "found \"1??\""},
        {"bytes of no format", garbage(4000), "expected the particle count"},
        {"a 10 MB line", withLine(sta0, 2, std::string(10'000'000, '7')), "line longer than"},
        {"a type of 0", withLine(sta0, 6, "0"), "has type 0"},
        {"one particle short", withLine(sta0, 1, "29"), "holds 29 particles", false},
    };
    for (const Damage& damage : damages) {
        writeBytes(dir.file("salt.sta"), damage.text);
        const Outcome outcome = zentova({"--calculate", "salt.zpr", "--append", "--steps", "900"});
        expectOneMessage(outcome, "salt.sta", damage.withLine, damage.reason, damage.what);
        EXPECT_EQ(his(), his0) << damage.what;
        EXPECT_EQ(sta(), damage.text) << damage.what;
    }

    // A number far outside the cube reads as a number; the first step finds it.
    writeBytes(dir.file("salt.sta"), withLine(sta0, 3, "1e300"));
    const Outcome outcome = zentova({"--calculate", "salt.zpr", "--append", "--steps", "900"});
    EXPECT_EQ(outcome.status, 1);
    EXPECT_NE(outcome.err.find("unstable"), std::string::npos) << outcome.err;
    EXPECT_EQ(his(), his0);
}

TEST_F(Faults, GarbageSettingsFileStopsTheRunBeforeAnyFileChanges) {
    firstRun(3);
    const std::string his0 = his();
    const std::string sta0 = sta();
    const std::string good = formatSettings(Settings{});
    const std::vector<Damage> damages = {
        {"bytes of no format", garbage(2000), "expected the red component"},
        {"NUL bytes", std::string(64, '\0'), "expected the red component"},
        {"empty", "", "unexpected end of file"},
        {"cut after three lines", good.substr(0, good.find("TAK")), "expected the fog setting"},
        {"nan as the step", withLine(good, 6, "nan"), "found \"nan\""},
        {"inf as the damping", withLine(good, 7, "inf"), "found \"inf\""},
        {"a negative step", withLine(good, 6, "-1e-5"), "must be greater than 0"},
        {"a step of 0", withLine(good, 6, "0"), "must be greater than 0"},
        {"a 10 MB line", withLine(good, 4, std::string(10'000'000, 'T')), "line longer than"},
    };
    for (const Damage& damage : damages) {
        writeBytes(dir.file(SettingsFileName), damage.text);
        // A run that would empty the trajectory: the settings are read before that.
        const Outcome outcome = zentova({"--calculate", "salt.zpr", "--steps", "900"});
        expectOneMessage(outcome, "setupek\\.dat", true, damage.reason, damage.what);
        EXPECT_EQ(his(), his0) << damage.what;
        EXPECT_EQ(sta(), sta0) << damage.what;
        EXPECT_EQ(readBytes(dir.file(SettingsFileName)), damage.text) << damage.what;
    }
}

TEST_F(Faults, HostileProjectFilesAreRefusedWithOneMessage) {
    firstRun(3);
    const std::string his0 = his();
    const std::string sta0 = sta();
    const std::string good = formatProject(salt());
    const std::vector<Damage> damages = {
        {"10^9 types", withLine(good, 5, "1000000000"), "1000000000 particle types"},
        {"a type count beyond 32 bits", withLine(good, 5, "10000000000"), "(out of range)"},
        {"a name line of 10 MB", std::string(10'000'000, 'N') + good.substr(good.find('\r')),
         "line longer than 4194304 characters"},
        {"NUL bytes in a count", withLine(good, 6, std::string("2\0", 2)), "found \"2?\""},
        {"a file of NUL bytes", std::string(1000, '\0'), "unexpected end of file"},
        {"a count of -5", withLine(good, 6, "-5"), "negative particle count (-5)"},
        {"inf as a coefficient", withLine(good, 2, "inf"), "found \"inf\""},
        {"nan as a mass", withLine(good, 7, "nan"), "found \"nan\""},
        {"-inf as a diameter", withLine(good, 9, "-inf"), "found \"-inf\""},
        {"201 particles", withLine(good, 13, "181"), "201 particles in all"},
        {"bytes of no format", garbage(4000), "expected the strong attraction"},
        {"empty", "", "expected the project name"},
    };
    for (const Damage& damage : damages) {
        writeBytes(dir.file("salt.zpr"), damage.text);
        const Outcome outcome = zentova({"--calculate", "salt.zpr", "--steps", "900"});
        expectOneMessage(outcome, "salt\\.zpr", true, damage.reason, damage.what);
        EXPECT_EQ(his(), his0) << damage.what;
        EXPECT_EQ(sta(), sta0) << damage.what;
    }

    // NUL bytes in the name are no harm: the name is shown with "?" in their place.
    writeBytes(dir.file("salt.zpr"), std::string("Sa\0t", 4) + good.substr(4));
    const Outcome outcome = zentova({"--calculate", "salt.zpr", "--steps", "300"});
    EXPECT_EQ(outcome.status, 0) << outcome.err;
    EXPECT_EQ(loadProjectFile(dir.file("salt.zpr")).name, "Sa?t");
}

}  // namespace
}  // namespace zentova
