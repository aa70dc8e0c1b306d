// The graph plotter: where its ticks and labels go and what they say, the curve against the
// value scale, the range, and the panel for values that do not change.

#include "canvas/plotter.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <vector>

#include "canvas/axisnumbers.h"
#include "canvas/primitives.h"
#include "support/pixels.h"
#include "support/scriptedpump.h"

namespace zentova {
namespace {

using testing::countColor;
using testing::ScriptedPump;

constexpr PackedColor Black = packColor(0, 0, 0);
constexpr PackedColor White = packColor(255, 255, 255);

struct PlotScreen {
    Canvas canvas{800, 600, White};
    RandomSource random{11, {}};
    Toolkit toolkit;
    ScriptedPump pump;
    PlotScreen() {
        canvas.setFontSize(PlotFontSize);  // the plot's own, for measuring its texts
        toolkit.mainCanvas = &canvas;
        toolkit.random = &random;
        MeasureScreen(toolkit, 800, 600);
    }
    PackedColor at(int x, int y) const { return canvas.pixel(x, y); }
};

// A straight ramp from `from` to `to` in n samples.
std::vector<double> ramp(double from, double to, int n) {
    std::vector<double> v(static_cast<std::size_t>(n));
    for (int k = 0; k < n; ++k) v[static_cast<std::size_t>(k)] = from + (to - from) * k / (n - 1);
    return v;
}

// A tall plot over most of the area: H = 510 rows, W = 690 columns, axes at x 80, y 550.
PlotInput tallPlot(const std::vector<double>& values) {
    PlotInput in;
    in.left = 10;
    in.top = 10;
    in.right = 790;
    in.bottom = 590;
    in.series1 = values;
    in.xMin = 0.0;
    in.xMax = 40.0;
    return in;
}

const PlotText* textAt(const PlotRecord& record, const std::string& text) {
    const auto it = std::find_if(record.texts.begin(), record.texts.end(),
                                 [&](const PlotText& t) { return t.text == text; });
    return it == record.texts.end() ? nullptr : &*it;
}

TEST(PlotGraph, ValueLabelsStepByATenthOfTheRangeFromTheZeroLine) {
    PlotScreen s;
    const std::vector<double> values = ramp(-400.0, 400.0, 691);
    const PlotRecord record = PlotGraph(s.toolkit, s.canvas, tallPlot(values));

    // Zero sits at 550 - trunc(400 / 800 * 510) = 295; a step is 51 rows and 80 in value.
    const int y0 = 295;
    const std::vector<std::pair<std::string, int>> labels = {
        {"  0.0000", y0},        {" 80.0000", y0 - 51},   {"160.0000", y0 - 102},
        {"240.0000", y0 - 153},  {"320.0000", y0 - 204},  {"400.0000", y0 - 255},
        {"-80.0000", y0 + 51},   {"-160.0000", y0 + 102}, {"-240.0000", y0 + 153},
        {"-320.0000", y0 + 204}, {"-400.0000", y0 + 255}};
    for (const auto& [text, row] : labels) {
        const PlotText* label = textAt(record, text);
        ASSERT_NE(label, nullptr) << text;
        EXPECT_EQ(label->y, row - 6) << text;
        EXPECT_EQ(label->x, std::max(1, 10 + 64 - s.canvas.textWidth(text))) << text;
        // The label's letters and its tick are on the canvas.
        const QRect box(label->x, label->y, s.canvas.textWidth(text), 16);
        EXPECT_GT(countColor(s.canvas.image(), box, Black), 20) << text;
        EXPECT_EQ(s.at(77, row), Black) << "tick of " << text;
        // Labels wider than the margin start at x 1 and may run into their tick.
        if (label->x > 1) {
            EXPECT_EQ(s.at(76, row), White) << "tick of " << text;
        }
    }
    EXPECT_EQ(textAt(record, "480.0000"), nullptr);  // above the arrow's room
    EXPECT_EQ(textAt(record, "-480.0000"), nullptr);

    // The curve crosses each tick row where the value scale says: 80 lies on row 244.
    const int column80 = 80 + (690 * 480) / 800;
    EXPECT_EQ(countColor(s.canvas.image(), QRect(column80 - 2, 244 - 2, 5, 5), Black) > 0, true);
    // The solid zero line from x 81 to 759.
    EXPECT_EQ(countColor(s.canvas.image(), QRect(81, y0, 679, 1), Black), 679);
    EXPECT_EQ(record.minimum, -400.0);
    EXPECT_EQ(record.maximum, 400.0);
}

// Value ticks run down to 20 rows below the top of the plot's bottom edge, past the horizontal
// axis: the forces editor's curves, clipped at -400, get one tick below their minimum there.
TEST(PlotGraph, ValueTicksReachTwentyRowsAboveTheBottom) {
    PlotScreen s;
    const PlotRecord record = PlotGraph(s.toolkit, s.canvas, tallPlot(ramp(-400.0, 183.759, 400)));
    // Zero at 550 - trunc(400 / 583.759 * 510) = 201; 51 rows a step, 58.3759 in value.
    // Step 7 down lies on row 558, below the axis at 550 and above 570; step 8 (609) not.
    const PlotText* below = textAt(record, "-408.6313");
    ASSERT_NE(below, nullptr);
    EXPECT_EQ(below->y, 558 - 6);
    EXPECT_EQ(s.at(77, 558), Black);
    EXPECT_EQ(textAt(record, "-467.0072"), nullptr);
}

TEST(PlotGraph, DistanceLabelsAtEverySecondTickAndTheEnd) {
    PlotScreen s;
    const std::vector<double> values = ramp(-400.0, 400.0, 400);
    const PlotRecord record = PlotGraph(s.toolkit, s.canvas, tallPlot(values));

    const PlotText* origin = textAt(record, "0.0");
    ASSERT_NE(origin, nullptr);
    EXPECT_EQ(*origin, (PlotText{70, 557, "0.0"}));
    // d = 69 columns: ticks at 81 + 69 i, labels 41 columns left of them.
    const char* labels[] = {"   8.000", "  16.000", "  24.000", "  32.000", "  40.000"};
    for (int k = 0; k < 5; ++k) {
        const int i = 2 * (k + 1);
        const PlotText* label = textAt(record, labels[k]);
        ASSERT_NE(label, nullptr) << labels[k];
        EXPECT_EQ(*label, (PlotText{50 + 69 * i, 557, labels[k]}));
    }
    for (int i = 1; i <= 10; ++i) {
        const int c = 81 + 69 * i;
        EXPECT_EQ(s.at(c, 551), Black) << "tick " << i;
        EXPECT_EQ(s.at(c, 552), Black) << "tick " << i;
        EXPECT_EQ(s.at(c, 553), White) << "tick " << i;
    }
    EXPECT_EQ(textAt(record, "   4.000"), nullptr);  // odd ticks have no label
}

TEST(PlotGraph, AxesEndInArrowheads) {
    PlotScreen s;
    const std::vector<double> values = ramp(0.0, 1.0, 50);
    PlotGraph(s.toolkit, s.canvas, tallPlot(values));
    const QImage& image = s.canvas.image();
    EXPECT_EQ(s.at(80, 549), Black);  // vertical axis from the corner up to the tip at 40
    EXPECT_EQ(s.at(80, 41), Black);
    EXPECT_EQ(s.at(80, 39), White);
    EXPECT_GT(countColor(image, QRect(75, 41, 4, 9), Black), 3);  // the arrowhead's strokes
    EXPECT_GT(countColor(image, QRect(82, 41, 4, 9), Black), 3);
    EXPECT_EQ(s.at(80, 550), Black);  // horizontal axis to the tip at 770
    EXPECT_EQ(s.at(769, 550), Black);
    EXPECT_EQ(s.at(771, 550), White);
    EXPECT_GT(countColor(image, QRect(762, 545, 8, 4), Black), 3);
    EXPECT_GT(countColor(image, QRect(762, 552, 8, 4), Black), 3);
}

TEST(PlotGraph, AShortPlotLabelsOnlyOddTicksAtRoundedSteps) {
    PlotScreen s;
    const std::vector<double> values = ramp(-400.0, 400.0, 100);
    PlotInput in = tallPlot(values);
    in.top = 391;  // 199 rows: not more than a third of 600
    const PlotRecord record = PlotGraph(s.toolkit, s.canvas, in);
    // H = 129, zero at 550 - 64 = 486, steps of 12.9 rows rounded: 13, 39, 64.
    EXPECT_EQ(textAt(record, "  0.0000"), nullptr);
    EXPECT_EQ(textAt(record, "160.0000"), nullptr);
    const std::vector<std::pair<std::string, int>> labels = {{" 80.0000", 486 - 13},
                                                             {"240.0000", 486 - 39},
                                                             {"-80.0000", 486 + 13},
                                                             {"-240.0000", 486 + 39},
                                                             {"-400.0000", 486 + 64}};
    for (const auto& [text, row] : labels) {
        ASSERT_NE(textAt(record, text), nullptr) << text;
        EXPECT_EQ(textAt(record, text)->y, row - 6) << text;
        EXPECT_EQ(s.at(78, row), Black) << text;
    }
    EXPECT_EQ(s.at(77, 486), White);  // no tick at zero either
}

TEST(PlotGraph, ARangeWithoutZeroHasNoZeroLineButACurve) {
    PlotScreen s;
    const std::vector<double> values = ramp(100.0, 200.0, 691);
    const PlotRecord record = PlotGraph(s.toolkit, s.canvas, tallPlot(values));
    // Zero lies 510 rows below the axis; the ticks that reach into the plot read 100..200.
    ASSERT_NE(textAt(record, "100.0000"), nullptr);
    EXPECT_EQ(textAt(record, "100.0000")->y, 550 - 6);
    ASSERT_NE(textAt(record, "200.0000"), nullptr);
    EXPECT_EQ(textAt(record, "200.0000")->y, 40 - 6);
    EXPECT_EQ(textAt(record, " 90.0000"), nullptr);
    // The ramp runs corner to corner: value 150 at column 80 + 345, row 550 - 255.
    EXPECT_GT(countColor(s.canvas.image(), QRect(423, 293, 5, 5), Black), 0);
}

TEST(PlotGraph, TheRangeComesFromAllThreeSeries) {
    PlotScreen s;
    const std::vector<double> one = ramp(0.0, 10.0, 40);
    std::vector<double> three = one;
    three[17] = 100.0;
    PlotInput in = tallPlot(one);
    in.series2 = one;
    in.series3 = three;
    const PlotRecord record = PlotGraph(s.toolkit, s.canvas, in);
    EXPECT_EQ(record.maximum, 100.0);
    EXPECT_EQ(record.minimum, 0.0);
    // Style 0 draws series 1 only: nothing near the top, where the spike would reach.
    EXPECT_EQ(countColor(s.canvas.image(), QRect(90, 41, 670, 100), Black), 0);

    in.autoScale = false;  // a given range wins over the data
    in.yMax = 20.0;
    in.yMin = -20.0;
    const PlotRecord given = PlotGraph(s.toolkit, s.canvas, in);
    EXPECT_EQ(given.maximum, 20.0);
    EXPECT_EQ(given.minimum, -20.0);
}

TEST(PlotGraph, EqualValuesShowThePanelAndWait) {
    PlotScreen s;
    const std::vector<double> zeros(400, 0.0);
    PlotInput in = tallPlot(zeros);
    in.title = "Force";
    bool waited = false;
    s.pump.afterMs(120, [&](InputState& input) {
        waited = true;
        input.mouseButtonState = 1;
    });
    const PlotRecord record = PlotGraph(s.toolkit, s.canvas, in);
    EXPECT_TRUE(waited);
    EXPECT_TRUE(record.unchanged);
    // The panel near the top, no tick labels, no curve in the plot.
    ASSERT_GE(record.texts.size(), 2u);
    EXPECT_EQ(record.texts[record.texts.size() - 2], (PlotText{0, 50, "Force = 0"}));
    EXPECT_EQ(record.texts.back(), (PlotText{0, 50, "Variable does not change"}));
    EXPECT_GT(800 * 80 - countColor(s.canvas.image(), QRect(0, 50, 800, 80), White), 5000);
    EXPECT_EQ(textAt(record, "  0.0000"), nullptr);
    EXPECT_EQ(countColor(s.canvas.image(), QRect(90, 200, 670, 340), Black), 0);

    PlotScreen quiet;  // a negative series number: no panel, no wait
    in.seriesNumber = -1;
    const QImage before = quiet.canvas.image().copy();
    PlotGraph(quiet.toolkit, quiet.canvas, in);
    EXPECT_EQ(quiet.pump.sleepCalls(), 0);
    EXPECT_EQ(countColor(quiet.canvas.image(), QRect(0, 0, 800, 600), packColor(255, 100, 100)), 0);
    EXPECT_NE(quiet.canvas.image(), before);  // the axes are there
}

TEST(PlotGraph, SeriesNumberEverySeventyColumns) {
    PlotScreen s;
    const std::vector<double> values = ramp(0.0, 1.0, 691);
    PlotInput in = tallPlot(values);
    in.seriesNumber = 3;
    const PlotRecord record = PlotGraph(s.toolkit, s.canvas, in);
    std::vector<int> columns;
    for (const PlotText& t : record.texts)
        if (t.text == " 3") columns.push_back(t.x - 75);
    // (i + 30) a multiple of 70.
    EXPECT_EQ(columns, (std::vector<int>{40, 110, 180, 250, 320, 390, 460, 530, 600, 670}));
    // Written 15 rows above the curve at the column before.
    const PlotText* first = textAt(record, " 3");
    EXPECT_EQ(first->y, 550 - static_cast<int>(std::trunc(39.0 / 690 * 510)) - 15);
}

TEST(PlotGraph, DarkModeClearsWaitsAndDrawsLightOnBlack) {
    PlotScreen s;
    const std::vector<double> values = ramp(-1.0, 1.0, 100);
    std::vector<double> upper = values;
    std::vector<double> lower = values;
    for (double& v : upper) v += 0.3;
    for (double& v : lower) v -= 0.3;
    PlotInput in = tallPlot(values);
    in.series2 = upper;
    in.series3 = lower;
    in.clearAndWait = true;
    in.darkMode = true;
    in.grid = true;
    in.style = -3;
    in.title = std::string(300, 'T');
    s.canvas.setFontSize(12);
    bool waited = false;
    s.pump.afterMs(100, [&](InputState& input) {
        waited = true;
        input.lastKey = 'k';
    });
    const PlotRecord record = PlotGraph(s.toolkit, s.canvas, in);
    EXPECT_TRUE(waited);
    EXPECT_EQ(s.at(795, 595), Black);       // cleared to black
    EXPECT_EQ(s.at(80, 300), White);        // white axes
    EXPECT_EQ(s.at(300, 550 - 51), White);  // a grid row across the plot
    EXPECT_GT(countColor(s.canvas.image(), s.canvas.image().rect(), packColor(255, 255, 0)),
              600);  // three yellow curves
    EXPECT_GT(countColor(s.canvas.image(), QRect(80, 40, 690, 510), packColor(225, 112, 0)),
              50);                                              // the warm band next to them
    ASSERT_NE(textAt(record, std::string(160, 'T')), nullptr);  // cut to 160
    EXPECT_EQ(s.canvas.fontSize(), 12);                         // left as it was
}

TEST(PlotText, FixedAndGeneralForms) {
    EXPECT_EQ(fixedText(0.05, 10, 8), "0.05000000");
    EXPECT_EQ(fixedText(12345.5, 8, 3), "12345.500");  // wider than the field: not cut
    EXPECT_EQ(generalNumber(0.1, 15), "0.1");
    EXPECT_EQ(generalNumber(-62.5, 15), "-62.5");
}

}  // namespace
}  // namespace zentova
