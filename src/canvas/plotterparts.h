#pragma once

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <optional>
#include <span>
#include <string>

#include "canvas/canvas.h"
#include "canvas/plotter.h"
#include "canvas/primitives.h"
#include "canvas/toolkit.h"

// The plotter's drawing steps, shared by its body (plotter.cpp) and its axes (plotaxes.cpp).
namespace zentova::plotting {

// The geometry of one plot and the value range in force.
struct Frame {
    int left, top, right, bottom;
    int H, W;
    double minimum, maximum;
    int farRows;  // how far outside the plot a row may lie and still be drawn exactly

    double exactRow(double v) const {
        return (bottom - 40) - std::trunc((v - minimum) / (maximum - minimum) * H);
    }
    // A row for drawing: values far off the plot are pulled in to a few screens away,
    // which keeps the visible part of a steep line where it was; nothing for NaN.
    std::optional<int> row(double v) const {
        const double r = exactRow(v);
        if (std::isnan(r)) return std::nullopt;
        return static_cast<int>(std::clamp(r, static_cast<double>(top - farRows),
                                           static_cast<double>(bottom + farRows)));
    }
};

class Plotter {
  public:
    Plotter(Toolkit& toolkit, Canvas& canvas, const PlotInput& input, const PlotExtras& extras)
        : m_toolkit(toolkit), m_canvas(canvas), m_in(input), m_extras(extras) {
        m_dark = input.darkMode;
        m_line = m_dark ? packColor(255, 255, 255) : packColor(0, 0, 0);
        m_text = m_dark ? packColor(250, 250, 250) : packColor(0, 0, 0);
        m_style = std::abs(input.style);
        m_series[0] = input.series1;
        m_series[1] = input.series2.empty() ? input.series1 : input.series2;
        m_series[2] = input.series3.empty() ? input.series1 : input.series3;
        m_n = static_cast<int>(
            std::min({m_series[0].size(), m_series[1].size(), m_series[2].size()}));
    }

    PlotRecord run();

  private:
    void write(int x, int y, const std::string& text) {
        if (text.empty()) return;
        CanvasText(m_toolkit, m_canvas, x, y, text, m_text);
        m_record.texts.push_back({x, y, text});
    }
    void axesAndTitles();
    bool findRange();
    void bands();
    double zeroLine();
    void verticalTicks(double y0);
    void horizontalTicks();
    void curve(std::span<const double> s);

    Toolkit& m_toolkit;
    Canvas& m_canvas;
    const PlotInput& m_in;
    const PlotExtras& m_extras;
    bool m_dark = false;
    PackedColor m_line = 0;
    PackedColor m_text = 0;
    int m_style = 0;
    std::span<const double> m_series[3];
    int m_n = 0;
    Frame m_f{};
    PlotRecord m_record;
};

}  // namespace zentova::plotting
