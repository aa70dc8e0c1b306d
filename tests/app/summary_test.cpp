// The project summary panel.

#include "app/summary.h"

#include <gtest/gtest.h>

#include "canvas/decorative.h"
#include "canvas/primitives.h"
#include "support/pixels.h"
#include "support/scriptedpump.h"

namespace zentova {
namespace {

using testing::changedArea;
using testing::countColor;

constexpr PackedColor Grey = packColor(90, 90, 90);
constexpr PackedColor Text = packColor(220, 220, 220);

struct SummaryScreen {
    Canvas canvas{400, 300, Grey};
    Toolkit toolkit;
    Project project;
    ProjectSource source;
    SummaryScreen() {
        toolkit.mainCanvas = &canvas;
        MeasureScreen(toolkit, 400, 300);
        project.name = "Salt";
        project.typeCount = 3;
        project.particleCount = 35;
        project.ae = 1.0;
        project.ag = 0.5;
        project.ar = 0.0001;
        project.counts = {0, 10, 20, 5};
        project.masses = {0.0, 1.5, 2.0, 0.25};
        project.charges = {0, 1, -1, 0};
        project.diameters = {0.0, 40.0, 6.0, 2.5};
        project.colors[1] = {255, 0, 0};
        project.colors[2] = {0, 200, 0};
        project.colors[3] = {40, 40, 255};
        source.path = "/data/salt.zpr";
        source.loaded = true;
    }
};

TEST(ShowProject, DrawsNothingWithoutAProject) {
    testing::ScriptedPump pump;
    SummaryScreen screen;
    screen.source.loaded = false;
    const QImage before = screen.canvas.image();
    ShowProject(screen.toolkit, screen.project, screen.source);
    EXPECT_EQ(screen.canvas.image(), before);
    EXPECT_EQ(pump.pumpCalls(), 0);
}

TEST(ShowProject, ThePanelGrowsWithTheTypesAndEndsBelowTheLastLine) {
    SummaryScreen screen;
    ShowProject(screen.toolkit, screen.project, screen.source);
    const QImage& image = screen.canvas.image();
    // Black from (3, 13) to (200, 229) exclusive: 216 rows; the white outline adds one more
    // column and row.
    EXPECT_EQ(changedArea(SummaryScreen().canvas.image(), image), QRect(3, 13, 198, 217));
    EXPECT_EQ(screen.canvas.pixel(200, 229), packColor(255, 255, 255));
    EXPECT_EQ(screen.canvas.pixel(3, 13), packColor(255, 255, 255));
    EXPECT_EQ(screen.canvas.pixel(199, 228), packColor(0, 0, 0));
    // The last line stands at y = 12 * 17 = 204, its bright text one pixel up and left.
    EXPECT_GT(countColor(image, QRect(4, 203, 196, 18), Text), 30);
    EXPECT_EQ(countColor(image, QRect(4, 221, 196, 8), Text), 0);
}

// Each row where it stands, spelled out: the text alone on the black panel, compared over
// its own band.
TEST(ShowProject, WritesTheRowsAsSpelled) {
    SummaryScreen screen;
    screen.project.diameters = {};  // no discs under the rows
    ShowProject(screen.toolkit, screen.project, screen.source);

    struct Row {
        int x, y;
        const char* text;
    };
    const Row rows[] = {{10, 17, "Salt"},
                        {10, 34, "File /data/salt.zpr"},
                        {10, 51, "3 parlicle types"},
                        {10, 68, "35 total particles"},
                        {10, 85, "Force coefficients:"},
                        {10, 102, "1  0.5  0.0001"},
                        {40, 119, "Type 1 (10)"},
                        {10, 136, "Mass 1.500  charge 1"},
                        {40, 153, "Type 2 (20)"},
                        {10, 170, "Mass 2.000  charge -1"},
                        {40, 187, "Type 3 (5)"},
                        {10, 204, "Mass 0.250  charge 0"}};
    for (const Row& row : rows) {
        SCOPED_TRACE(row.text);
        SummaryScreen expected;
        FillBlackRect(expected.canvas, 3, 13, 200, 229);
        ShadowText(expected.canvas, row.x, row.y, row.text, Text);
        const QRect band(row.x - 1, row.y - 1, 200 - row.x, 17);
        EXPECT_EQ(screen.canvas.image().copy(band), expected.canvas.image().copy(band));
    }
}

TEST(ShowProject, DiscsTakeTheRoundedDiameterUpToSixteenAndTheRowsStayOnTop) {
    SummaryScreen screen;
    ShowProject(screen.toolkit, screen.project, screen.source);
    const Canvas& c = screen.canvas;
    constexpr PackedColor Red = packColor(255, 0, 0);
    // Type 1, diameter 40: radius 16 around (20, 7 * 17 + 8), columns 4 to 35.
    EXPECT_EQ(c.pixel(4, 127), Red);
    EXPECT_EQ(c.pixel(35, 127), Red);
    EXPECT_NE(c.pixel(36, 127), Red);
    EXPECT_GT(countColor(c.image(), QRect(4, 111, 32, 32), Red), 600);
    // Its lower part lies under the mass row, whose letters are written over it.
    EXPECT_GT(countColor(c.image(), QRect(13, 138, 12, 4), Text), 10);
    // Type 2, diameter 6: columns 14 to 25 on y = 9 * 17 + 8.
    EXPECT_NE(c.pixel(13, 161), packColor(0, 200, 0));
    EXPECT_EQ(c.pixel(14, 161), packColor(0, 200, 0));
    EXPECT_EQ(c.pixel(25, 161), packColor(0, 200, 0));
    EXPECT_NE(c.pixel(26, 161), packColor(0, 200, 0));
}

// The file row is "File " and the path as it is, a long one clipped at the panel's edge,
// and nothing after "File " without a file.
TEST(ShowProject, TheFileRowShowsThePathClippedAtThePanel) {
    SummaryScreen screen;
    screen.project.name = std::string(60, 'W');
    const std::string path = "/home/somebody/with/a/rather/long/folder/name/salt.zpr";
    for (const std::string& shown : {path, std::string()}) {
        SCOPED_TRACE(shown);
        screen.source.path = shown;
        ShowProject(screen.toolkit, screen.project, screen.source);
        // White text on the light screen beyond the panel would not be read.
        EXPECT_EQ(changedArea(SummaryScreen().canvas.image(), screen.canvas.image()),
                  QRect(3, 13, 198, 217));
        SummaryScreen expected;
        FillBlackRect(expected.canvas, 3, 13, 200, 229);
        ShadowText(expected.canvas, 10, 2 * 17, "File " + shown, Text);
        const QRect fileRow(4, 2 * 17 - 1, 196, 17);
        EXPECT_EQ(screen.canvas.image().copy(fileRow), expected.canvas.image().copy(fileRow));
    }
}

TEST(ShowProject, CoefficientsTakeTheGeneralFormatWithSixDigits) {
    Project project;
    project.ae = 1.0;
    project.ag = 0.5;
    project.ar = 0.0001;
    EXPECT_EQ(coefficientLine(project), "1  0.5  0.0001");
    project.ae = 1234567.0;
    project.ag = -0.00001;
    project.ar = 100000.0;
    EXPECT_EQ(coefficientLine(project), "1.23457e+06  -1e-05  100000");
}

}  // namespace
}  // namespace zentova
