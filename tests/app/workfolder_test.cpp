// The folder the desktop program works in: which folders count as working folders, where
// the shipped files are found, and the first-start seeding of ~/Zentova.

#include "app/workfolder.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "support/tempfiles.h"

namespace zentova {
namespace {

namespace fs = std::filesystem;
using testing::readBytes;
using testing::TempDir;
using testing::writeBytes;

// A shipped-data folder: two examples, the cover, the manual in English and in German and a
// picture of the manuals.
void makeShipped(const fs::path& folder) {
    fs::create_directories(folder / "manual");
    writeBytes(folder / "zen1.zpr", "Crystal\r\n");
    writeBytes(folder / "zen1.his", "frames\r\n");
    writeBytes(folder / "okla.bmp", "BM cover");
    writeBytes(folder / "Zentova.html", "<html>manual</html>");
    writeBytes(folder / "Zentova.de.html", "<html lang=\"de\">Handbuch</html>");
    writeBytes(folder / "manual" / "menu.png", "png bytes");
}

// Restores the current folder that enterWorkFolder changes.
struct KeepCurrentFolder {
    fs::path saved = fs::current_path();
    ~KeepCurrentFolder() { fs::current_path(saved); }
};

TEST(WorkFolder, RecognisesFoldersOfTheProgram) {
    TempDir dir;
    const fs::path root = dir.path();
    EXPECT_FALSE(isWorkFolder(root)) << "an empty folder";
    writeBytes(root / "notes.txt", "x");
    writeBytes(root / "zpr.txt", "x");
    EXPECT_FALSE(isWorkFolder(root)) << "other files, one merely named after the extension";
    EXPECT_FALSE(isWorkFolder(root / "missing")) << "a folder that does not exist";

    for (const char* name : {"setupek.dat", "okla.bmp", "Zentova.html", "salt.zpr"}) {
        fs::remove_all(root / "w");
        fs::create_directory(root / "w");
        writeBytes(root / "w" / name, "x");
        EXPECT_TRUE(isWorkFolder(root / "w")) << name;
    }
}

TEST(WorkFolder, FindsShippedFilesInstalledFirstThenTheSourceTree) {
    TempDir dir;
    const fs::path prefix = fs::path(dir.path()) / "usr";
    const fs::path exe = prefix / "libexec" / "zentova" / "zentova-gui";
    const fs::path source = fs::path(dir.path()) / "src-data";
    fs::create_directories(exe.parent_path());

    EXPECT_TRUE(shippedDataFolder(exe, source).empty()) << "neither exists";
    EXPECT_TRUE(shippedDataFolder(exe, "").empty());

    makeShipped(source);
    EXPECT_EQ(shippedDataFolder(exe, source), source) << "run from a build";

    // A share/zentova without the examples is not the shipped data.
    fs::create_directories(prefix / "share" / "zentova");
    EXPECT_EQ(shippedDataFolder(exe, source), source);

    makeShipped(prefix / "share" / "zentova");
    EXPECT_EQ(shippedDataFolder(exe, source), prefix / "share" / "zentova") << "installed";
}

TEST(WorkFolder, SeedingCopiesOnceAndNeverOverwrites) {
    TempDir dir;
    const fs::path shipped = fs::path(dir.path()) / "shipped";
    const fs::path work = fs::path(dir.path()) / "home" / "Zentova";
    makeShipped(shipped);

    EXPECT_EQ(seedWorkFolder(shipped, work), 6) << "the first start copies everything";
    EXPECT_EQ(readBytes(work / "zen1.zpr"), "Crystal\r\n");
    EXPECT_EQ(readBytes(work / "Zentova.de.html"), "<html lang=\"de\">Handbuch</html>")
        << "the manual of each language";
    EXPECT_EQ(readBytes(work / "manual" / "menu.png"), "png bytes") << "sub-folders too";

    EXPECT_EQ(seedWorkFolder(shipped, work), 0) << "the second start copies nothing";

    // The user changes one file and deletes another; a newer program ships a new file.
    writeBytes(work / "zen1.zpr", "my own crystal\r\n");
    fs::remove(work / "okla.bmp");
    writeBytes(shipped / "zen2.zpr", "Cluster\r\n");
    writeBytes(shipped / "zen1.zpr", "Crystal, revised\r\n");
    EXPECT_EQ(seedWorkFolder(shipped, work), 2);
    EXPECT_EQ(readBytes(work / "zen1.zpr"), "my own crystal\r\n") << "a changed file stays";
    EXPECT_EQ(readBytes(work / "zen2.zpr"), "Cluster\r\n");
    EXPECT_EQ(readBytes(work / "okla.bmp"), "BM cover");

    // A dangling link of the user's counts as present, too.
    fs::remove(work / "okla.bmp");
    fs::create_symlink(work / "nowhere.bmp", work / "okla.bmp");
    EXPECT_EQ(seedWorkFolder(shipped, work), 0);
    EXPECT_TRUE(fs::is_symlink(work / "okla.bmp"));
}

TEST(WorkFolder, EntersHomeFolderOnlyFromAFolderOfNoConcern) {
    KeepCurrentFolder keep;
    TempDir dir;
    const fs::path root = fs::canonical(dir.path());
    const fs::path shipped = root / "shipped";
    const fs::path home = root / "home";
    const fs::path elsewhere = root / "elsewhere";
    makeShipped(shipped);
    fs::create_directories(home);
    fs::create_directories(elsewhere);

    // From a folder of no concern: ~/Zentova, seeded.
    fs::current_path(elsewhere);
    EXPECT_EQ(enterWorkFolder(home, shipped), home / "Zentova");
    EXPECT_EQ(fs::current_path(), home / "Zentova");
    EXPECT_TRUE(fs::exists(home / "Zentova" / "zen1.zpr"));
    EXPECT_TRUE(fs::is_empty(elsewhere)) << "nothing is written where it started";

    // Started again, now in the working folder: stays, and the user's change survives.
    writeBytes(home / "Zentova" / "Zentova.html", "notes");
    EXPECT_EQ(enterWorkFolder(home, shipped), home / "Zentova");
    EXPECT_EQ(readBytes(home / "Zentova" / "Zentova.html"), "notes");

    // From a folder of the user's with a project in it (as make run's run/): stays there.
    const fs::path mine = root / "mine";
    fs::create_directories(mine);
    writeBytes(mine / "salt.zpr", "Salt\r\n");
    fs::current_path(mine);
    EXPECT_EQ(enterWorkFolder(home, shipped), mine);
    EXPECT_EQ(fs::current_path(), mine);

    // Without a home, or when the folder cannot be made: the current folder, no throw.
    fs::current_path(elsewhere);
    EXPECT_EQ(enterWorkFolder("", shipped), elsewhere);
    writeBytes(root / "file-home", "not a folder");
    std::array<std::string, 4> problem;
    EXPECT_EQ(enterWorkFolder(root / "file-home", shipped, &problem), elsewhere);
    EXPECT_EQ(fs::current_path(), elsewhere);
    // The window's note names the folder and the reason.
    EXPECT_EQ(problem[1], (root / "file-home" / "Zentova").string());
    EXPECT_EQ(problem[2], std::make_error_code(std::errc::not_a_directory).message());

    // Without shipped files the folder is still made and entered, empty.
    const fs::path bare = root / "bare";
    EXPECT_EQ(enterWorkFolder(bare, ""), bare / "Zentova");
    EXPECT_TRUE(fs::is_empty(bare / "Zentova"));
}

}  // namespace
}  // namespace zentova
