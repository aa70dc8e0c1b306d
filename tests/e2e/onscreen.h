#pragma once

#include <gtest/gtest.h>

#include <string>

#include "e2e/xdisplay.h"
#include "files/projectfile.h"
#include "support/projects.h"
#include "support/tempfiles.h"

namespace zentova::testing {

// A test that drives the real program on the display, in a folder of its own that holds a
// small salt project, "salt.zpr"; skipped where no display or no xdotool is there.
class OnScreen : public ::testing::Test {
  protected:
    void SetUp() override {
        if (const std::string why = whyNoScreen(display); !why.empty()) GTEST_SKIP() << why;
        writeBytes(dir.file("salt.zpr"), formatProject(saltProject(20, 10)));
    }

    XDisplay display;
    TempDir dir;
};

}  // namespace zentova::testing
