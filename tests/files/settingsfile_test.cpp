#include "files/settingsfile.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <chrono>
#include <filesystem>
#include <set>
#include <sstream>
#include <vector>

#include "files/atomicfile.h"
#include "files/output.h"
#include "support/tempfiles.h"

namespace zentova {
namespace {

using testing::fileErrorOf;

const std::string DefaultsFile =
    "0\r\n0\r\n255\r\nTAK\r\nTAK\r\n 5.00000000000000E-0005\r\n 2.00000000000000E+0001\r\n\r\n";

Settings parse(const std::string& text, Settings settings = {}) {
    std::istringstream in(text);
    readSettings(in, "setupek.dat", settings);
    return settings;
}

TEST(SettingsFile, WrittenFormAndLenientReading) {
    EXPECT_EQ(formatSettings(Settings{}), DefaultsFile);
    Settings changed;
    changed.backgroundColor = {10, 20, 30};
    changed.fogEnabled = false;
    changed.integrationStep = 0.001;
    changed.dampingCoefficient = 0.0;
    changed.cubeHalfSize = 80.0;  // not part of the file
    const Settings read = parse(formatSettings(changed));
    EXPECT_EQ(read.backgroundColor, changed.backgroundColor);
    EXPECT_FALSE(read.fogEnabled);
    EXPECT_TRUE(read.showCubeLimits);
    EXPECT_EQ(read.integrationStep, 0.001);
    EXPECT_EQ(read.dampingCoefficient, 0.0);
    EXPECT_EQ(read.cubeHalfSize, Settings{}.cubeHalfSize);

    // Only an exact "TAK" is true; colours keep their low 8 bits; line 8 is not needed.
    const Settings loose = parse("300 red\n-1\n256\ntak\nTAK \n1e-4\n5\n");
    EXPECT_EQ(loose.backgroundColor, (Rgb{44, 255, 0}));
    EXPECT_FALSE(loose.fogEnabled);
    EXPECT_FALSE(loose.showCubeLimits);
    EXPECT_TRUE(parse("1\r\n2\r\n3\r\nTAK\r\nTAK\r\n1\r\n1").showCubeLimits);
}

TEST(SettingsFile, EveryNumberIsReadAndTheCalculationNamesAnUnusableOne) {
    // A step of 0 no longer costs the colours, the fog and the cube limits of the file.
    SettingsFileLines lines;
    Settings read;
    {
        std::istringstream in("10\n20\n30\nNIE\nNIE\n0\n20\n");
        readSettings(in, "setupek.dat", read, &lines);
    }
    EXPECT_EQ(read.backgroundColor, (Rgb{10, 20, 30}));
    EXPECT_FALSE(read.fogEnabled);
    EXPECT_FALSE(read.showCubeLimits);
    EXPECT_EQ(read.integrationStep, 0.0);
    EXPECT_EQ(lines.step, 6);
    EXPECT_EQ(lines.damping, 7);

    struct Case {
        const char* file;
        const char* refusal;  // empty: a calculation can use it
    };
    const Case cases[] = {
        {"0\n0\n0\nNIE\nNIE\n1e-5\n20\n", ""},
        {"0\n0\n0\nNIE\nNIE\n1e-5\n0\n", ""},
        {"0\n0\n300\nNIE\nNIE\n0\n20\n",
         "setupek.dat:6: an integration step of 0 cannot be calculated with; it must be greater "
         "than 0"},
        {"0\n0\n0\nNIE\nNIE\n-1e-5\n20\n",
         "setupek.dat:6: an integration step of -1e-05 cannot be calculated with; it must be "
         "greater than 0"},
        {"0\n0\n0\nNIE\nNIE\n1e-5\n-2.5\n",
         "setupek.dat:7: a damping coefficient of -2.5 cannot be calculated with; it must be 0 "
         "or more"},
        // A blank line before the step moves it, and the message follows it.
        {"0\n0\n0\nNIE\nNIE\n\n0\n\n20\n",
         "setupek.dat:7: an integration step of 0 cannot be calculated with; it must be greater "
         "than 0"},
        {"0\n0\n0\nNIE\nNIE\n1e-5\n\n-1\n",
         "setupek.dat:8: a damping coefficient of -1 cannot be calculated with; it must be 0 or "
         "more"},
    };
    for (const Case& c : cases) {
        Settings settings;
        std::istringstream in(c.file);
        readSettings(in, "setupek.dat", settings, &lines);
        const std::string expected = *c.refusal ? c.refusal : "(no FileError)";
        EXPECT_EQ(fileErrorOf([&] { checkCalculable(settings, lines); }), expected) << c.file;
    }
}

TEST(SettingsFile, RefusesWhatHoldsNoNumberAndKeepsTheSettings) {
    Settings settings;
    settings.dampingCoefficient = 7.0;
    const auto error = [&](const std::string& text) {
        return fileErrorOf([&] {
            std::istringstream in(text);
            readSettings(in, "setupek.dat", settings);
        });
    };
    EXPECT_EQ(error("0\n0\n0\nNIE\nNIE\n1e-5\nnan\n"),
              "setupek.dat:7: expected the damping coefficient, found \"nan\"");
    EXPECT_EQ(error("0\n0\n0\nNIE\nNIE\n1e-5\n"),
              "setupek.dat:7: unexpected end of file, expected the damping coefficient");
    EXPECT_EQ(error("0\n0\n"),
              "setupek.dat:3: unexpected end of file, expected the blue component of the "
              "background colour");
    EXPECT_EQ(error("0\n0.5\n"),
              "setupek.dat:2: expected the green component of the background colour, "
              "found \"0.5\"");
    EXPECT_EQ(settings.dampingCoefficient, 7.0);
    EXPECT_EQ(settings.backgroundColor, Settings{}.backgroundColor);
    EXPECT_TRUE(settings.fogEnabled);
}

TEST(SettingsFile, MissingFileKeepsDefaultsAndSavingRoundTrips) {
    testing::TempDir dir;
    const std::string path = dir.file(SettingsFileName);
    Settings settings;
    settings.integrationStep = 3.0;
    loadSettingsFile(path, settings);
    EXPECT_EQ(settings.integrationStep, 3.0);
    saveSettingsFile(path, Settings{});
    EXPECT_EQ(testing::readBytes(path), DefaultsFile);
    loadSettingsFile(path, settings);
    EXPECT_EQ(settings.integrationStep, Settings{}.integrationStep);

    // The same settings again leave the file alone; a file in another form is rewritten.
    const auto inode = [&] {
        struct stat info {};
        EXPECT_EQ(stat(path.c_str(), &info), 0);
        return info.st_ino;
    };
    const auto before = inode();
    EXPECT_FALSE(saveSettingsFileIfChanged(path, Settings{}));
    EXPECT_EQ(inode(), before);
    testing::writeBytes(path, DefaultsFile + "more\r\n");
    EXPECT_TRUE(saveSettingsFileIfChanged(path, Settings{}));
    EXPECT_EQ(testing::readBytes(path), DefaultsFile);
    testing::writeBytes(path, "0\n0\n255\nTAK\nTAK\n5e-5\n20\n");
    EXPECT_TRUE(saveSettingsFileIfChanged(path, Settings{}));
    EXPECT_EQ(testing::readBytes(path), DefaultsFile);
    std::filesystem::remove(path);
    EXPECT_TRUE(saveSettingsFileIfChanged(path, Settings{}));
    EXPECT_EQ(testing::readBytes(path), DefaultsFile);
}

TEST(AtomicFile, ReplacesWholeOrLeavesTheOldFile) {
    testing::TempDir dir;
    const std::string path = dir.file("alpha.zpr");
    EXPECT_FALSE(fileExists(path));
    writeFileAtomically(path, "old\r\n");
    writeFileAtomically(path, "new\r\n");
    EXPECT_TRUE(fileExists(path));
    EXPECT_EQ(testing::readBytes(path), "new\r\n");
    struct stat info {};
    ASSERT_EQ(stat(path.c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0644u);

    const std::string missingDir = dir.file("nowhere/alpha.zpr");
    EXPECT_EQ(fileErrorOf([&] { writeFileAtomically(missingDir, "x"); }),
              missingDir + ": cannot write: No such file or directory");
    // A directory in the way is refused before anything is written.
    std::filesystem::create_directory(dir.file("taken.zpr"));
    EXPECT_EQ(fileErrorOf([&] { writeFileAtomically(dir.file("taken.zpr"), "x"); }),
              dir.file("taken.zpr") + ": is a folder, not a file");
    // Nothing is left behind by the failures.
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), {}), 2);

    // A full disk while the new content is written leaves the old file as it was.
    const int code = testing::exitCodeWithFileSizeLimit(1000, [&] {
        const std::string message =
            fileErrorOf([&] { writeFileAtomically(path, std::string(5000, 'x')); });
        return message == path + ": cannot write: File too large" ? 0 : 1;
    });
    EXPECT_EQ(code, 0);
    EXPECT_EQ(testing::readBytes(path), "new\r\n");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), {}), 2);
}

// Only what carries the writer's mark goes: hidden, the program's name, eight random letters
// or digits and four that check them. Names a user may choose, even in the old form, stay.
TEST(AtomicFile, RemovesStaleTemporariesOfTheSameFileOnly) {
    testing::TempDir dir;
    const auto stale = std::filesystem::file_time_type::clock::now() -
                       std::chrono::seconds(StaleTemporaryAgeSeconds + 5);
    const auto leftover = [&](const std::string& name, bool old) {
        testing::writeBytes(dir.file(name), "half a state");
        if (old) std::filesystem::last_write_time(dir.file(name), stale);
    };
    const auto ours = [](const std::string& target, const char* random) {
        return temporaryPathOf(target, random);
    };
    const std::string dead = ours("run.sta", "Ab12Cd34");
    const std::string fresh = ours("run.sta", "Fresh123");
    EXPECT_EQ(dead.substr(0, 26), ".run.sta.zentova.tmp-Ab12C");
    EXPECT_EQ(dead.size(), 33u);
    leftover(dead, true);
    leftover(ours("run.sta", "zz9ZZ0zz"), true);
    // Another process may be writing this one right now.
    leftover(fresh, false);
    // Not made by a write of run.sta: names a user may choose, the form with its check
    // wrong or cut, another file's.
    std::string wrongCheck = dead;
    wrongCheck.back() = wrongCheck.back() == 'a' ? 'b' : 'a';
    const std::vector<std::string> others = {"run.sta.tmp-Ab12Cd",
                                             "run.sta.tmp-backup",
                                             "run.sta.tmp-draft1",
                                             "run.sta.zentova.tmp-Ab12Cd34" + dead.substr(29),
                                             wrongCheck,
                                             dead.substr(0, dead.size() - 1),
                                             dead + "x",
                                             ".run.sta.zentova.tmp-",
                                             ours("run.st", "Ab12Cd34"),
                                             ours("xrun.sta", "Ab12Cd34")};
    for (const std::string& name : others) leftover(name, true);
    const std::string folder = ours("run.sta", "Dir12345");
    std::filesystem::create_directory(dir.file(folder));
    std::filesystem::last_write_time(dir.file(folder), stale);
    // One with a second name is someone's file, whatever its name here.
    const std::string linked = ours("run.sta", "Linked12");
    leftover(linked, true);
    std::filesystem::create_hard_link(dir.file(linked), dir.file("thesis.txt"));

    writeFileAtomically(dir.file("run.sta"), "whole\r\n");
    std::set<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(dir.path()))
        names.insert(entry.path().filename().string());
    std::set<std::string> expected(others.begin(), others.end());
    expected.insert({"run.sta", fresh, folder, linked, "thesis.txt"});
    EXPECT_EQ(names, expected);
    EXPECT_EQ(testing::readBytes(dir.file("run.sta")), "whole\r\n");

    // A name without a folder is a file in the current folder, as the program writes them.
    leftover(ours("run.zpr", "Ab12Cd34"), true);
    const auto here = std::filesystem::current_path();
    std::filesystem::current_path(dir.path());
    writeFileAtomically("run.zpr", "project\r\n");
    std::filesystem::current_path(here);
    EXPECT_FALSE(fileExists(dir.file(ours("run.zpr", "Ab12Cd34"))));
    EXPECT_TRUE(fileExists(dir.file(fresh)));
}

}  // namespace
}  // namespace zentova
