// The key R pressed twice while the view draws nothing: no movie without a picture.

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "support/tempfiles.h"
#include "view3d/recording.h"

namespace zentova {
namespace {

TEST(EmptyRecording, SaysNothingWasRecordedAndLeavesNoFile) {
    testing::TempDir dir;
    ViewRecording recording;
    std::string error;
    ASSERT_TRUE(recording.start(dir.file("view-1.mp4"), QSize(64, 48), error)) << error;
    std::string path;
    EXPECT_FALSE(recording.stop(path, error));
    EXPECT_NE(error.find("nothing was recorded"), std::string::npos) << error;
    EXPECT_FALSE(recording.active());
    EXPECT_TRUE(std::filesystem::is_empty(dir.path()));
}

}  // namespace
}  // namespace zentova
