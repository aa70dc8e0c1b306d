#pragma once

#include <QColor>
#include <QPointF>
#include <QString>
#include <string>
#include <vector>

#include "files/output.h"

QT_BEGIN_NAMESPACE
class QChart;
QT_END_NAMESPACE

namespace zentova {

// A line of a plot: its name in the legend, its points and its colour (the theme's when
// invalid).
struct PlotLine {
    QString name;
    std::vector<QPointF> points;
    QColor color;
    bool dashed = false;  // a line that sums up the others, e.g. the mean of all types
};

// What a plot shows: a title, the axes' labels with their units, and the lines.
struct PlotContent {
    QString title;
    QString xLabel;
    QString yLabel;
    std::vector<PlotLine> lines;
};

// A chart of the content in the program's dark look; the caller owns it.
QChart* makeChart(const PlotContent& content);

// Draws the content offscreen into a PNG and an SVG picture of `width` x `height` pixels,
// written into two outputs of the caller's (committed by the caller). Needs a QApplication
// (any platform, offscreen too). Throws FileError.
void savePlot(const PlotContent& content, OutputFile& png, OutputFile& svg, int width = 800,
              int height = 500);

}  // namespace zentova
