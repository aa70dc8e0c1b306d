#pragma once

#include <span>
#include <string>
#include <vector>

#include "canvas/canvas.h"
#include "canvas/toolkit.h"

namespace zentova {

// Up to three sampled curves of equal length in a rectangle of the canvas, with two axes
// ending in arrowheads, ticks, tick labels, optional grid lines and titles.
//
// Layout (pixels): the vertical axis stands at x = left + 70, the horizontal one at
// y = bottom - 40. Values use H = bottom - top - 70 rows and samples W = right - left - 90
// columns: value v goes to row (bottom - 40) - trunc((v - min) / (max - min) * H), sample k
// of N to column left + 70 + k * W / (N - 1).
struct PlotInput {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
    // The curves; N is the length of series1. An empty series2 or series3 stands for
    // series1; a longer one is read up to N, a shorter one shortens N to its length.
    // Series 2 and 3 are drawn only in style 1, but all three take part in the range.
    std::span<const double> series1;
    std::span<const double> series2;
    std::span<const double> series3;
    double yMax = 0.0;  // the value range when autoScale is off
    double yMin = 0.0;
    bool autoScale = true;      // the range is the smallest and largest sample
    bool clearAndWait = false;  // clear the whole area first, wait for a click or key after
    bool darkMode = false;      // light lines and text for a dark background
    bool grid = false;          // tick lines across the whole plot
    double xMin = 0.0;          // the values written at the two ends of the horizontal axis
    double xMax = 1.0;
    // 0 plain; 1 also series 2 and 3 with a band between them; 2 bars between series 2 and
    // 3; 3 as 1 with warmer colours. A negative style counts as its absolute value.
    int style = 0;
    std::string title;    // centred at the top; also names the value when it does not change
    std::string caption;  // centred under the plot
    std::string xLabel;   // at the right end, under the horizontal axis
    std::string yLabel;   // at the top of the vertical axis
    // Written along the curve every 70 pixels when positive; a negative number also
    // suppresses the "does not change" panel.
    int seriesNumber = 0;
};

// The rarely used inputs of the full plotter.
struct PlotExtras {
    double y2Max = 0.0;  // a second value scale, labelled only when secondHeading is set
    double y2Min = 0.0;
    std::string heading;        // white, at the top left
    std::string secondHeading;  // white, above the second scale's labels
    PackedColor darkCurveColor = packColor(255, 255, 0);
};

// What a plot wrote, for checking a picture against the numbers behind it.
struct PlotText {
    int x = 0;
    int y = 0;
    std::string text;
    friend bool operator==(const PlotText&, const PlotText&) = default;
};
struct PlotRecord {
    // Every title and label in the order written; the lines of the "does not change" panel
    // with the panel's corner (x 0: centred).
    std::vector<PlotText> texts;
    double minimum = 0.0;  // the range in force
    double maximum = 0.0;
    bool unchanged = false;  // the values did not change: no ticks and no curve were drawn
};

// The plot's titles and labels are written in this size (points), whose figures are as wide
// as those the layout was made for: a label of nine characters then fits the 64 pixels left
// of the vertical axis. The canvas's own size is left as it was.
inline constexpr int PlotFontSize = 9;

// Texts longer than 160 characters are cut. Draws at once and returns (after the wait when
// clearAndWait is set). When all values are equal, a red panel says "Variable does not
// change" (unless seriesNumber is negative) and waits for a click or key instead of a curve.
PlotRecord PlotGraphFull(Toolkit& toolkit, Canvas& canvas, const PlotInput& input,
                         const PlotExtras& extras);

// The plotter without a second scale or headings, curves yellow in dark mode.
PlotRecord PlotGraph(Toolkit& toolkit, Canvas& canvas, const PlotInput& input);

}  // namespace zentova
