// The calculation's results are pinned: a fixed project, seed and step count must give the
// trajectory and final state stored beside this test, byte for byte. Any change to the
// integration that moves a single bit shows here.

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

#include "support/program.h"
#include "support/tempfiles.h"

namespace zentova {
namespace {

using testing::readBytes;
using testing::TempDir;

// The setup's bath held by a schedule (--bath 0:1) takes the same arithmetic as no schedule.
TEST(GoldenCalculation, FixedSeedGivesTheStoredFilesByteForByte) {
    const std::filesystem::path golden = std::filesystem::path(ZENTOVA_TEST_DATA) / "golden";
    const std::string exe = testing::zentovaExecutable();
    for (const char* bath : {"", " --bath 0:1"}) {
        TempDir dir;
        std::filesystem::copy_file(golden / "golden.zpr", dir.file("golden.zpr"));
        const std::string command = "cd '" + dir.path() + "' && '" + exe +
                                    "' --calculate golden.zpr --steps 900 --seed 20261207" + bath +
                                    " 2> /dev/null";
        ASSERT_EQ(std::system(command.c_str()), 0) << bath;
        EXPECT_TRUE(readBytes(dir.file("golden.his")) ==
                    readBytes((golden / "golden.his").string()))
            << "the trajectory differs from the stored one" << bath;
        EXPECT_TRUE(readBytes(dir.file("golden.sta")) ==
                    readBytes((golden / "golden.sta").string()))
            << "the final state differs from the stored one" << bath;
    }
}

}  // namespace
}  // namespace zentova
