// The key R in the view window of the real program during a calculation: the movies it
// records are whole and playable, with every picture the view drew while recording, also when
// Escape ends the program in the middle of one.

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <regex>
#include <string>
#include <thread>
#include <vector>

#include "e2e/onscreen.h"
#include "e2e/xdisplay.h"
#include "files/atomicfile.h"
#include "files/projectfile.h"
#include "reliability/child.h"
#include "support/projects.h"
#include "support/tempfiles.h"

namespace zentova {
namespace {

using namespace std::chrono_literals;
using testing::Child, testing::Outcome, testing::waitFor, testing::xdotool;

// "codec,width,height,frames" of a movie, every frame decoded.
std::string probe(const std::string& path) {
    const Outcome out = Child::program(".", {"sh", "-c",
                                             "ffprobe -v error -select_streams v:0 -count_frames "
                                             "-show_entries stream=codec_name,width,height,"
                                             "nb_read_frames -of csv=p=0 '" +
                                                 path + "' 1>&2"})
                            .wait(30);
    std::string text = out.err;
    text.erase(std::remove(text.begin(), text.end(), '\n'), text.end());
    return text;
}

class Recording : public testing::OnScreen {};

TEST_F(Recording, TheKeyRRecordsEveryPictureDrawnIntoAPlayableMovie) {
    if (std::system("command -v ffprobe > /dev/null") != 0) GTEST_SKIP() << "no ffprobe";

    ASSERT_EQ(xdotool({"mousemove", "0", "0"}).status, 0);
    Child program = Child::zentova(dir.path(), {"salt.zpr"});
    const unsigned long view = testing::chooseCalculate(display, program);
    ASSERT_NE(view, 0u) << "the calculation did not start";
    // Without a window manager a window has the keys only when given the focus.
    const auto keyTo = [&](unsigned long window, const char* key) {
        return xdotool({"windowfocus", "--sync", std::to_string(window), "key", key}).status;
    };
    std::this_thread::sleep_for(1s);
    ASSERT_EQ(keyTo(view, "r"), 0);
    std::this_thread::sleep_for(3s);
    ASSERT_EQ(keyTo(view, "r"), 0);
    ASSERT_TRUE(waitFor(10s, [&] { return fileExists(dir.file("salt-1.mp4")); }));

    // The second recording is ended by Escape on the main window, which ends the program.
    ASSERT_EQ(keyTo(view, "r"), 0);
    std::this_thread::sleep_for(2s);
    const unsigned long main = display.shownWindow(program.pid(), "Zentova - ");
    ASSERT_NE(main, 0u);
    ASSERT_EQ(keyTo(main, "Escape"), 0);
    const Outcome outcome = program.wait(20);
    ASSERT_EQ(outcome.status, 0) << outcome.err;

    const std::regex saved("Movie saved as salt-([12])\\.mp4 \\(([0-9]+) frames\\)");
    int movies = 0;
    for (std::sregex_iterator it(outcome.err.begin(), outcome.err.end(), saved), end; it != end;
         ++it) {
        ++movies;
        const std::string name = "salt-" + (*it)[1].str() + ".mp4";
        const int frames = std::stoi((*it)[2].str());
        SCOPED_TRACE(name);
        // A displayed calculation draws a picture every 20 steps, many a second.
        EXPECT_GE(frames, 5);
        EXPECT_EQ(probe(dir.file(name)), "h264,800,700," + std::to_string(frames));
    }
    EXPECT_EQ(movies, 2) << outcome.err;
    for (const auto& entry : std::filesystem::directory_iterator(dir.path()))
        EXPECT_EQ(entry.path().filename().string().find(".tmp-"), std::string::npos)
            << entry.path();
}

}  // namespace
}  // namespace zentova
