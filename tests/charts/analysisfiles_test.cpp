// The steps the analysis of a project and of a LAMMPS run share: the words that say which
// frames the page uses, the refusal of a range without frames, and the output folder made
// as one set that appears whole or not at all.

#include "charts/analysisfiles.h"

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>

#include "files/numformat.h"
#include "support/tempfiles.h"

namespace zentova {
namespace {

std::vector<std::size_t> everyThird(std::size_t count) {
    std::vector<std::size_t> chosen;
    for (std::size_t k = 0; k < count; ++k) chosen.push_back(3 * k);
    return chosen;
}

TEST(FramesUsed, SayWhatWasReadAndWhichFramesAreAnalysed) {
    struct Case {
        std::size_t total, inRange;
        std::vector<std::size_t> wanted;
        double first, last;
        std::string particles, read, analysed;
    };
    const Case cases[] = {
        {1, 1, {0}, 0.5, 0.5, "", "1 frame", "the one frame, at t = 0.500"},
        {200, 100, everyFrame(100), 1.515, 3.0, "", "200 frames",
         "100 of the 200 frames, from t = 1.515 to t = 3.000"},
        {5000, 3000, everyThird(1000), 0.015, 45.0, "", "5000 frames",
         "3000 of the 5000 frames, from t = 0.015 to t = 45.000 (one in every 3, 1000 frames)"},
        {3,
         2,
         {1, 2},
         0.015,
         0.03,
         " of 80 particles",
         "3 frames",
         "2 of the 3 frames of 80 particles, from t = 0.015 to t = 0.030"},
        {1,
         1,
         {0},
         0.0,
         0.0,
         " of 80 particles",
         "1 frame",
         "the one frame of 80 particles, at t = 0.000"},
    };
    for (const Case& c : cases) {
        const FramesUsed used =
            framesUsed(c.total, c.inRange, c.wanted, c.first, c.last, c.particles, formatDecimals);
        EXPECT_EQ(used.read, c.read);
        EXPECT_EQ(used.analysed, c.analysed);
    }
}

// The range asked for and the frames' own span, each number as the command's formatter
// shows it: a project's (brief beyond 1e15) or a run's (decimals throughout).
TEST(NoFramesBetween, NamesTheRangeAndTheFramesOwnSpan) {
    EXPECT_STREQ(noFramesBetween("a.his", 50.0, 60.0, 0.015, 1.5, formatBrief).what(),
                 "a.his: has no frames from 50.000 to 60.000 (its frames run from t = 0.015 to "
                 "t = 1.500)");
    EXPECT_STREQ(noFramesBetween("a.his", std::nullopt, 0.01, 0.015, 1.5, formatBrief).what(),
                 "a.his: has no frames from the start to 0.010 (its frames run from t = 0.015 "
                 "to t = 1.500)");
    EXPECT_STREQ(noFramesBetween("a.his", 1e20, std::nullopt, 0.0, 0.5, formatBrief).what(),
                 "a.his: has no frames from 1e+20 to the end (its frames run from t = 0.000 to "
                 "t = 0.500)");
    EXPECT_STREQ(noFramesBetween("d", 1e20, std::nullopt, 0.0, 0.5, formatDecimals).what(),
                 "d: has no frames from 100000000000000000000.000 to the end (its frames run "
                 "from t = 0.000 to t = 0.500)");
}

std::set<std::string> namesIn(const std::string& folder) {
    std::set<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder))
        names.insert(entry.path().filename().string());
    return names;
}

TEST(AnalysisFiles, AppearTogetherOnlyOnceFinishedAndWithoutADroppedHeatingCurve) {
    const testing::TempDir dir;
    const std::string out = dir.file("out");
    {
        AnalysisFiles files(replacingPolicy(), out, true, true);
        // Given up before the end (a failure on the way): none of its files stays, nor the
        // folder it made.
    }
    EXPECT_FALSE(std::filesystem::exists(out));

    AnalysisFiles files(replacingPolicy(), out, true, true);
    files.dropHeating();
    const std::string line =
        files.finish("Salt", "The structure and the wandering use the one frame.", "A note. ",
                     std::chrono::steady_clock::now());
    EXPECT_EQ(line.rfind("analysis written to " + out + "/index.html in ", 0), 0u) << line;
    EXPECT_EQ(line.substr(line.size() - 2), " s");
    const std::set<std::string> expected = {
        "rdf.csv",      "rdf.png",      "rdf.svg",      "coordination.csv", "msd.csv",
        "msd.png",      "msd.svg",      "density.csv",  "density.png",      "density.svg",
        "energies.csv", "energies.png", "energies.svg", "index.html"};
    EXPECT_EQ(namesIn(out), expected);
    std::ifstream page(out + "/index.html");
    const std::string html{std::istreambuf_iterator<char>(page), {}};
    EXPECT_NE(html.find("The structure and the wandering use the one frame."), std::string::npos);
    EXPECT_NE(html.find("A note."), std::string::npos);
}

// Without readings there are no energies' files, nor a heating curve's.
TEST(AnalysisFiles, LeaveOutTheEnergiesWhenThereAreNoReadings) {
    const testing::TempDir dir;
    const std::string out = dir.file("out");
    AnalysisFiles files(replacingPolicy(), out, false, false);
    EXPECT_EQ(files.energies.csv, nullptr);
    EXPECT_EQ(files.heating.csv, nullptr);
    files.finish("Gas", "x", "", std::chrono::steady_clock::now());
    EXPECT_EQ(namesIn(out).size(), 11u);
    EXPECT_EQ(namesIn(out).count("energies.csv"), 0u);
}

}  // namespace
}  // namespace zentova
