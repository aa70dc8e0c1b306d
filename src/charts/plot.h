#pragma once

#include <QColor>
#include <QPointF>
#include <QString>
#include <string>
#include <vector>

#include "files/output.h"

QT_BEGIN_NAMESPACE
class QChart;
class QValueAxis;
QT_END_NAMESPACE

namespace zentova {

// A line of a plot: its name in the legend, its points, its colour (one of a palette told
// apart also by readers with a colour vision deficiency when invalid) and its pen style. A
// line whose colour is close to an earlier line's of the same style, or to the dark
// background, is drawn in the next style of StyleCycle instead, so no two lines look alike.
// Marks at the points themselves: where each point is a reading of its own (a stretch of a
// run), not a sample of a curve. Hollow marks set points apart that count for less.
enum class PointMarks { None, Filled, Hollow };

struct PlotLine {
    QString name;
    std::vector<QPointF> points;
    QColor color;
    Qt::PenStyle style = Qt::SolidLine;   // e.g. dashed for a line that sums up the others
    PointMarks marks = PointMarks::None;  // a joined line's marks are discs, hollow or not
    bool joined = true;                   // false: the marks alone, no line between them
};

// The pen styles a line moves through until it looks like no earlier line.
inline constexpr Qt::PenStyle StyleCycle[] = {Qt::SolidLine, Qt::DashLine, Qt::DotLine,
                                              Qt::DashDotLine, Qt::DashDotDotLine};

// A number as a screen reader should say it: four significant digits written out as a
// person reads them ("10140", "0.01234", "2.5"), never the exponent form "1.014e+04";
// beyond what plain digits say well, "1.5 times 10 to the 20".
QString spokenNumber(double value);

// What a plot shows: a title, the axes' labels with their units, and the lines.
struct PlotContent {
    QString title;
    QString xLabel;
    QString yLabel;
    std::vector<PlotLine> lines;
};

// The plot in words, for a reader who cannot see it: "TITLE, Y against X: NAME highest V at
// W; ..." (3 significant digits, whole numbers from 1000), lines without points left out.
std::string plotInWords(const PlotContent& content);

// The colours and styles the lines of `content` are drawn in, as makeChart draws them.
std::vector<std::pair<QColor, Qt::PenStyle>> lineLooks(const PlotContent& content);

// Sets `axis` to run from `low` to `high` exactly, not past the data, with ticks at round
// steps (1, 2 or 5 times a power of ten) counted from 0.
void fitAxis(QValueAxis* axis, double low, double high);

// Of `candidates`, the colour that looks least like any of `taken` (the eye-weighted distance
// to the nearest of them largest): a line of its own kind, such as the bath beside the
// types' energies, in a hue no type has.
QColor farthestColour(const std::vector<QColor>& candidates, const std::vector<QColor>& taken);

// The colours lines without one of their own take, in turn.
std::vector<QColor> plotPalette();

// A chart of the content in the program's dark look; the caller owns it. A line with marks
// and unjoined is a scatter series; every other line a line series.
QChart* makeChart(const PlotContent& content);

// Draws the content offscreen into a PNG and an SVG picture of `width` x `height` pixels,
// written into two outputs of the caller's (committed by the caller). Needs a QApplication
// (any platform, offscreen too). Throws FileError.
void savePlot(const PlotContent& content, OutputFile& png, OutputFile& svg, int width = 800,
              int height = 500);

}  // namespace zentova
