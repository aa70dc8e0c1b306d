#include "files/output.h"

#include <gtest/gtest.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <functional>
#include <set>
#include <utility>

#include "support/tempfiles.h"

namespace zentova {
namespace {

namespace fs = std::filesystem;
using testing::fileErrorOf;
using testing::readBytes;
using testing::writeBytes;

std::set<std::string> namesIn(const std::string& folder) {
    std::set<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder))
        names.insert(entry.path().filename().string());
    return names;
}

// What is at the output's name, and what the writer does with it with and without
// --overwrite: "" writes, anything else is the start of the refusal.
TEST(OutputWriter, PoliciesForWhatIsAtTheTarget) {
    struct Case {
        const char* what;
        std::function<void(const testing::TempDir&)> make;
        const char* withoutOverwrite;
        const char* withOverwrite;
    };
    const auto plain = [](const testing::TempDir& dir) {
        writeBytes(dir.file("out.txt"), "user's\n");
        ::chmod(dir.file("out.txt").c_str(), 0444);
    };
    const auto link = [](const testing::TempDir& dir) {
        fs::create_symlink("thesis.txt", dir.file("out.txt"));
    };
    const Case cases[] = {
        {"nothing", [](const testing::TempDir&) {}, "", ""},
        {"a read-only file", plain, "already exists; --overwrite replaces it", ""},
        {"a link", link, "is a symbolic link, which is never written through", ""},
        {"a folder", [](const testing::TempDir& dir) { fs::create_directory(dir.file("out.txt")); },
         "is a folder", "is a folder"},
        {"a FIFO", [](const testing::TempDir& dir) { ::mkfifo(dir.file("out.txt").c_str(), 0644); },
         "is a FIFO", "is a FIFO"},
    };
    for (const Case& c : cases) {
        for (const bool overwrite : {false, true}) {
            SCOPED_TRACE(std::string(c.what) + (overwrite ? " with --overwrite" : ""));
            testing::TempDir dir;
            writeBytes(dir.file("thesis.txt"), "years of work\n");
            c.make(dir);
            const std::set<std::string> before = namesIn(dir.path());
            const std::string expected = overwrite ? c.withOverwrite : c.withoutOverwrite;
            const std::string error = fileErrorOf([&] {
                writeOutputFile(dir.file("out.txt"), "new\n", OutputPolicy{overwrite, {}});
            });
            EXPECT_EQ(readBytes(dir.file("thesis.txt")), "years of work\n");
            if (expected.empty()) {
                EXPECT_EQ(error, "(no FileError)");
                struct stat info {};
                ASSERT_EQ(::lstat(dir.file("out.txt").c_str(), &info), 0);
                EXPECT_TRUE(S_ISREG(info.st_mode));  // a link is replaced, not followed
                EXPECT_EQ(readBytes(dir.file("out.txt")), "new\n");
            } else {
                EXPECT_EQ(error.rfind(dir.file("out.txt") + ": " + expected, 0), 0u) << error;
                EXPECT_EQ(namesIn(dir.path()), before);  // no temporary left
            }
        }
    }
    // A device, whatever the policy; only checked, so that a faulty writer cannot replace it.
    EXPECT_EQ(fileErrorOf([] {
                  checkOutputTarget("/dev/null", OutputPolicy{true, {}});
              }),
              "/dev/null: is a device, not a file");
}

TEST(OutputWriter, NeverTheProjectsOwnFiles) {
    testing::TempDir dir;
    writeBytes(dir.file("s.zpr"), "project\n");
    writeBytes(dir.file("s.his"), "trajectory\n");
    const OutputPolicy policy = commandPolicy(dir.file("s.zpr"), true);
    // By another spelling, through a link, and one not yet written (the readings).
    fs::create_symlink("s.his", dir.file("pic.png"));
    for (const std::string& target :
         {dir.path() + "/./s.zpr", dir.file("s.his"), dir.file("pic.png"), dir.file("s.sta"),
          dir.file("s.readings.csv")})
        EXPECT_NE(fileErrorOf([&] {
                      writeOutputFile(target, "PNG", policy);
                  }).find("one of the files of the project read"),
                  std::string::npos)
            << target;
    EXPECT_EQ(readBytes(dir.file("s.zpr")), "project\n");
    EXPECT_EQ(readBytes(dir.file("s.his")), "trajectory\n");
    EXPECT_EQ(namesIn(dir.path()), (std::set<std::string>{"s.zpr", "s.his", "pic.png"}));
}

// Leftovers of killed writes of the target go on its next write; one a writer still holds,
// or one of another target, stays.
TEST(OutputWriter, ClearsStaleTemporariesOfTheTarget) {
    testing::TempDir dir;
    const auto old = fs::file_time_type::clock::now() - std::chrono::seconds(120);
    const std::string dead = temporaryPathOf("out.txt", "Dead1234");
    const std::string heldName = temporaryPathOf("out.txt", "Held1234");
    const std::string other = temporaryPathOf("other.txt", "Dead1234");
    for (const std::string& name : {dead, heldName, other}) {
        writeBytes(dir.file(name), "half");
        fs::last_write_time(dir.file(name), old);
    }
    const int held = ::open(dir.file(heldName).c_str(), O_RDONLY);
    ASSERT_EQ(::flock(held, LOCK_EX), 0);
    writeOutputFile(dir.file("out.txt"), "new\n", OutputPolicy{});
    ::close(held);
    EXPECT_EQ(namesIn(dir.path()), (std::set<std::string>{"out.txt", heldName, other}));
}

// How old an unheld temporary must be to count as a killed write's: by default
// StaleTemporaryAgeSeconds (2), so that one another process has just made stays; any age
// for a caller that knows nobody else writes the target (0). Leftovers 0, 5 and 100 seconds
// old; a held one stays whatever its age.
TEST(OutputWriter, StaleTemporariesGoOnlyOnceOldEnough) {
    // The temporaries of out.txt as writes make them: random parts of eight letters or digits.
    const std::string age0 = temporaryPathOf("out.txt", "Age00000");
    const std::string age5 = temporaryPathOf("out.txt", "Age00005");
    const std::string age100 = temporaryPathOf("out.txt", "Age00100");
    const std::string heldName = temporaryPathOf("out.txt", "Held0000");
    struct Case {
        long minimumAge;  // -1: the default
        std::set<std::string> left;
    };
    const Case cases[] = {
        {-1, {age0, heldName}},
        {0, {heldName}},
        {30, {age0, age5, heldName}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.minimumAge);
        testing::TempDir dir;
        const auto now = fs::file_time_type::clock::now();
        for (const auto& [name, age] :
             {std::pair{age0, 0}, {age5, 5}, {age100, 100}, {heldName, 100}}) {
            writeBytes(dir.file(name), "half");
            fs::last_write_time(dir.file(name), now - std::chrono::seconds(age));
        }
        const int held = ::open(dir.file(heldName).c_str(), O_RDONLY);
        ASSERT_EQ(::flock(held, LOCK_EX), 0);
        if (c.minimumAge < 0)
            removeStaleTemporaries(dir.file("out.txt"));
        else
            removeStaleTemporaries(dir.file("out.txt"), c.minimumAge);
        ::close(held);
        EXPECT_EQ(namesIn(dir.path()), c.left);
    }
}

// A set appears whole or not at all: a refused target leaves nothing, not even the folder it
// made, and a target that appears during the work is not replaced at the end.
TEST(OutputWriter, ASetOfFilesAppearsTogetherOrNotAtAll) {
    testing::TempDir dir;
    const std::string folder = dir.file("made/here");
    writeBytes(dir.file("b.txt"), "user's\n");
    {
        OutputSet set(OutputPolicy{});
        set.makeFolder(folder);
        set.add(folder + "/a.txt").write("a");
        EXPECT_NE(fileErrorOf([&] { set.add(dir.file("b.txt")); }).find("already exists"),
                  std::string::npos);
    }
    EXPECT_EQ(namesIn(dir.path()), (std::set<std::string>{"b.txt"}));

    {
        OutputSet set(OutputPolicy{});
        set.makeFolder(folder);
        set.add(folder + "/a.txt").write("a");
        set.add(folder + "/c.txt").write("c");
        writeBytes(folder + "/c.txt", "appeared meanwhile\n");
        EXPECT_NE(fileErrorOf([&] { set.commit(); }).find("c.txt: already exists"),
                  std::string::npos);
    }
    EXPECT_EQ(namesIn(folder), (std::set<std::string>{"c.txt"}));
    EXPECT_EQ(readBytes(folder + "/c.txt"), "appeared meanwhile\n");

    OutputSet set(OutputPolicy{true, {}});
    set.add(folder + "/a.txt").write("a");
    set.add(folder + "/c.txt").write("c");
    // A file found not to be needed after all leaves nothing, and what was there stays.
    writeBytes(folder + "/d.txt", "earlier\n");
    set.drop(set.add(folder + "/d.txt"));
    set.commit();
    EXPECT_EQ(namesIn(folder), (std::set<std::string>{"a.txt", "c.txt", "d.txt"}));
    EXPECT_EQ(readBytes(folder + "/c.txt"), "c");
    EXPECT_EQ(readBytes(folder + "/d.txt"), "earlier\n");
}

// A file rewritten at every frame: each time whole under its name, with nothing else left
// beside it; a reader of the old file keeps the old bytes; a link is replaced, never followed;
// a folder is refused and stays.
TEST(OutputWriter, RewrittenFileReplacesItselfWholeEachTime) {
    testing::TempDir dir;
    RewrittenFile file(dir.file("s.sta"));
    file.write("first\n");
    std::ifstream old(dir.file("s.sta"), std::ios::binary);
    file.write("second, longer\n");
    file.write("third\n");
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(old), {}), "first\n");
    EXPECT_EQ(readBytes(dir.file("s.sta")), "third\n");
    EXPECT_EQ(namesIn(dir.path()), (std::set<std::string>{"s.sta"}));

    writeBytes(dir.file("thesis.txt"), "years of work\n");
    fs::remove(dir.file("s.sta"));
    fs::create_symlink("thesis.txt", dir.file("s.sta"));
    file.write("fourth\n");
    EXPECT_EQ(readBytes(dir.file("thesis.txt")), "years of work\n");
    EXPECT_FALSE(fs::is_symlink(dir.file("s.sta")));
    EXPECT_EQ(readBytes(dir.file("s.sta")), "fourth\n");

    fs::remove(dir.file("s.sta"));
    fs::create_directory(dir.file("s.sta"));
    EXPECT_EQ(fileErrorOf([&] { file.write("fifth\n"); }),
              dir.file("s.sta") + ": is a folder, not a file");
    EXPECT_TRUE(fs::is_directory(dir.file("s.sta")));
    EXPECT_EQ(namesIn(dir.path()), (std::set<std::string>{"s.sta", "thesis.txt"}));
}

}  // namespace
}  // namespace zentova
