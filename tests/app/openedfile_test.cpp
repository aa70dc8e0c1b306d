// What "zentova FILE" opens when a file manager starts it on a trajectory or a final state.

#include "app/openedfile.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "support/tempfiles.h"

namespace zentova {
namespace {

TEST(OpenedFile, TrajectoryAndFinalStateOpenTheProjectBesideThem) {
    testing::TempDir dir;
    // A folder with a dot in its name: the stem is cut in the file name, not in the folder.
    const std::string runs = dir.file("old.runs");
    std::filesystem::create_directory(runs);
    testing::writeBytes(runs + "/alpha.zpr", "Alpha\r\n");
    testing::writeBytes(runs + "/beta.ZPR", "Beta\r\n");

    EXPECT_EQ(projectForOpenedFile(runs + "/alpha.his").projectPath, runs + "/alpha.zpr");
    EXPECT_EQ(projectForOpenedFile(runs + "/alpha.STA").projectPath, runs + "/alpha.zpr");
    EXPECT_EQ(projectForOpenedFile(runs + "/beta.sta").projectPath, runs + "/beta.ZPR");
    // A project, or anything else, is opened as it is (and refused there if it is no project).
    EXPECT_EQ(projectForOpenedFile(runs + "/alpha.zpr").projectPath, runs + "/alpha.zpr");
    EXPECT_TRUE(projectForOpenedFile(runs + "/alpha.zpr").problem[0].empty());

    // Without its project, nothing is opened and the note names the project looked for.
    const OpenedFile lone = projectForOpenedFile(runs + "/gamma.his");
    EXPECT_EQ(lone.projectPath, "");
    EXPECT_EQ(lone.problem[0], "gamma.his belongs to the project gamma.zpr,");
    EXPECT_FALSE(lone.problem[1].empty());
}

}  // namespace
}  // namespace zentova
