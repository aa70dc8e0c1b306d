#include "canvas/plotter.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <optional>

#include "canvas/axisnumbers.h"
#include "canvas/decorative.h"
#include "canvas/plotterparts.h"
#include "canvas/primitives.h"
#include "lang/language.h"

namespace zentova {

namespace {

constexpr std::size_t MaxPlotText = 160;
constexpr double NoPrevious = 2000.0;  // the curve's "previous value" before its first column

std::string cut(const std::string& text) {
    return text.substr(0, MaxPlotText);
}

// The value of a series at pixel column i (0 .. W), interpolated between the two samples
// around it; nothing at the last column, whose sample pair would run past the end.
std::optional<double> valueAt(std::span<const double> s, int n, int W, int i) {
    const double dx = static_cast<double>(W) / (n - 1);
    const int c = static_cast<int>(std::trunc(static_cast<double>(i) * (n - 1) / W));
    if (!(0 < c + 1 && c + 1 < n)) return std::nullopt;
    const double f = (i - c * dx) / dx;
    return (1.0 - f) * s[static_cast<std::size_t>(c)] + f * s[static_cast<std::size_t>(c) + 1];
}

}  // namespace

namespace plotting {

PlotRecord Plotter::run() {
    m_f.left = m_in.left;
    m_f.top = m_in.top;
    m_f.right = m_in.right;
    m_f.bottom = m_in.bottom;
    m_f.H = m_in.bottom - m_in.top - 70;
    m_f.W = m_in.right - m_in.left - 90;
    m_f.farRows = 4 * std::max(m_toolkit.screenHeight, 256);
    if (m_in.clearAndWait) {
        const int level = m_dark ? 0 : 255;
        ClearScreen(m_toolkit, m_canvas, level, level, level);
    }
    m_canvas.setPenMode(PenMode::Copy);
    m_canvas.setPenWidth(1);
    m_canvas.setPenStyle(PenStyle::Solid);
    m_canvas.setPenColor(m_line);
    // Texts are keyed on the brush and dotted lines fill their gaps with it: the background.
    m_canvas.setBrushStyle(BrushStyle::Solid);
    m_canvas.setBrushColor(m_dark ? packColor(0, 0, 0) : packColor(255, 255, 255));

    const std::string secondHeading = cut(m_extras.secondHeading);
    if (!secondHeading.empty())
        ShadowText(m_canvas, m_in.left - 70, m_in.top, secondHeading, packColor(255, 255, 255));
    ShadowText(m_canvas, m_in.left + 10, m_in.top, cut(m_extras.heading), packColor(255, 255, 255));
    axesAndTitles();

    if (findRange()) {
        m_record.minimum = m_f.minimum;
        m_record.maximum = m_f.maximum;
        const bool drawable =
            m_f.H > 0 && m_f.W > 0 && m_n >= 2 && std::isfinite(m_f.maximum - m_f.minimum);
        if (drawable) {
            if (m_style == 1 || m_style == 2 || m_style == 3) bands();
            const double y0 = zeroLine();
            verticalTicks(y0);
            horizontalTicks();
            m_canvas.setPenStyle(PenStyle::Solid);
            m_canvas.setPenMode(PenMode::Copy);
            m_canvas.setPenColor(m_dark ? m_extras.darkCurveColor : packColor(0, 0, 0));
            curve(m_series[0]);
            if (m_style == 1 || m_style == 3) {
                curve(m_series[1]);
                curve(m_series[2]);
            }
        }
        if (m_in.clearAndWait) WaitClickOrKey();
    }
    return m_record;
}

void Plotter::axesAndTitles() {
    const int l = m_in.left;
    const int t = m_in.top;
    const int r = m_in.right;
    const int b = m_in.bottom;
    DrawLine(m_canvas, l + 70, b - 40, l + 70, t + 30);
    DrawLine(m_canvas, l + 70, t + 30, l + 65, t + 40);
    DrawLine(m_canvas, l + 70, t + 30, l + 75, t + 40);
    DrawLine(m_canvas, l + 70, b - 40, r - 20, b - 40);
    DrawLine(m_canvas, r - 20, b - 40, r - 28, b - 35);
    DrawLine(m_canvas, r - 20, b - 40, r - 28, b - 45);

    // A text drawn at a negative x would come out turned; long titles start at the edge.
    const std::string yLabel = cut(m_in.yLabel);
    const std::string xLabel = cut(m_in.xLabel);
    const std::string title = cut(m_in.title);
    const std::string caption = cut(m_in.caption);
    write(l + 72, t + 15, yLabel);
    write(std::max(0, r - m_canvas.textWidth(xLabel) - 12), b - 18, xLabel);
    write(std::max(0, (m_toolkit.screenWidth - m_canvas.textWidth(title)) / 2), t + 3, title);
    write(std::max(0, (m_toolkit.screenWidth - m_canvas.textWidth(caption)) / 2), b - 10, caption);
}

// The range in force; false after the "does not change" panel (or its silent form).
bool Plotter::findRange() {
    if (m_in.autoScale) {
        double maximum = -1e20;
        double minimum = 1e20;
        for (int k = 0; k < m_n; ++k) {
            for (const auto& s : m_series) {
                const double v = s[static_cast<std::size_t>(k)];
                if (v > maximum) maximum = v;
                if (v < minimum) minimum = v;
            }
        }
        m_f.maximum = maximum;
        m_f.minimum = minimum;
    } else {
        m_f.maximum = m_in.yMax;
        m_f.minimum = m_in.yMin;
    }
    if (m_f.maximum != m_f.minimum) return true;

    m_record.minimum = m_record.maximum = m_f.maximum;
    m_record.unchanged = true;
    if (m_in.seriesNumber >= 0) {
        const std::string line1 =
            cut(m_in.title) + " = " + withScreenSeparator(generalNumber(m_f.maximum, 15));
        const std::string line2 = translated("Prompts", "Variable does not change");
        TextPanel(m_toolkit, m_canvas, 0, m_in.top + 40, 255, 100, 100, line1, line2);
        m_record.texts.push_back({0, m_in.top + 40, line1});
        m_record.texts.push_back({0, m_in.top + 40, line2});
        WaitClickOrKey();
    }
    return false;
}

// The band between series 2 and 3: marks or bars in light mode, a fading glow in dark mode.
void Plotter::bands() {
    const bool glow = m_style != 2 && m_dark;
    const int every = m_style == 2 || !m_dark ? 7 : 1;
    const int plotTop = m_in.top + 30;
    const int plotBottom = m_in.bottom - 40;
    m_canvas.setPenColor(m_line);
    for (int i = 0; i <= m_f.W; i += every) {
        const std::optional<double> a = valueAt(m_series[1], m_n, m_f.W, i);
        const std::optional<double> b = valueAt(m_series[2], m_n, m_f.W, i);
        if (!a || !b) continue;
        const std::optional<int> ra = m_f.row(*a);
        const std::optional<int> rb = m_f.row(*b);
        if (!ra || !rb) continue;
        const int x = m_in.left + 70 + i;
        if (m_style == 2) {
            if (*ra == *rb) continue;
            DrawLine(m_canvas, x, *ra, x, *rb);
            DrawLine(m_canvas, x - 2, *ra, x + 3, *ra);
            DrawLine(m_canvas, x - 2, *rb, x + 3, *rb);
        } else if (!glow) {
            DrawLine(m_canvas, x - 2, *ra, x + 3, *ra);
        } else {
            const int upper = std::min(*ra, *rb);
            const int lower = std::max(*ra, *rb);
            for (int j = 0; j <= 30; ++j) {
                const int level = (50 - j) * 5;
                const PackedColor shade =
                    m_style == 3 ? packColor(level, level / 2, 0) : packColor(0, level / 2, level);
                if (upper - j >= plotTop && upper - j < plotBottom)
                    m_canvas.setPixel(x, upper - j, shade);
                if (lower + j >= plotTop && lower + j < plotBottom)
                    m_canvas.setPixel(x, lower + j, shade);
            }
        }
    }
}

void Plotter::curve(std::span<const double> s) {
    const int number = m_in.seriesNumber > 0 ? m_in.seriesNumber : 0;
    const std::string numberText = padLeft(std::to_string(number), 2);
    double p = NoPrevious;
    double v = NoPrevious;
    for (int i = 0; i <= m_f.W; ++i) {
        if (const std::optional<double> at = valueAt(s, m_n, m_f.W, i)) v = *at;
        if (i > 0) {
            const std::optional<int> from = m_f.row(p);
            const std::optional<int> to = m_f.row(v);
            if (from && to) DrawLine(m_canvas, m_in.left + 70 + i, *from, m_in.left + 71 + i, *to);
        }
        if (number > 0 && (i + 10 * number) % 70 == 0 && p != NoPrevious) {
            if (const std::optional<int> r = m_f.row(p))
                write(m_in.left + 65 + i, *r - 15, numberText);
        }
        p = v;
    }
}

}  // namespace plotting

PlotRecord PlotGraphFull(Toolkit& toolkit, Canvas& canvas, const PlotInput& input,
                         const PlotExtras& extras) {
    const int fontSize = canvas.fontSize();
    canvas.setFontSize(PlotFontSize);
    PlotRecord record = plotting::Plotter(toolkit, canvas, input, extras).run();
    canvas.setFontSize(fontSize);
    return record;
}

PlotRecord PlotGraph(Toolkit& toolkit, Canvas& canvas, const PlotInput& input) {
    return PlotGraphFull(toolkit, canvas, input, PlotExtras{});
}

}  // namespace zentova
