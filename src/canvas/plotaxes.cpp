#include <algorithm>
#include <cmath>

#include "canvas/axisnumbers.h"
#include "canvas/decorative.h"
#include "canvas/plotterparts.h"
#include "lang/language.h"

namespace zentova::plotting {

// Draws the zero line when it falls inside the plot; returns the row of zero, which may lie
// anywhere (the ticks are counted from it).
double Plotter::zeroLine() {
    const double y0 = m_f.exactRow(0.0);
    if (m_in.top + 30 < y0 && y0 < m_in.bottom - 40) {
        m_canvas.setPenStyle(PenStyle::Solid);
        m_canvas.setPenColor(m_dark ? packColor(160, 160, 230) : packColor(0, 0, 0));
        const int row = static_cast<int>(y0);
        DrawLine(m_canvas, m_in.left + 71, row, m_in.right - 30, row);
    }
    m_canvas.setPenColor(m_line);
    if (!m_dark) m_canvas.setPenStyle(PenStyle::Dot);
    return y0;
}

void Plotter::verticalTicks(double y0) {
    const double s = 0.1 * m_f.H;
    const double span = m_f.maximum - m_f.minimum;
    const double span2 = m_extras.y2Max - m_extras.y2Min;
    const bool secondScale = !m_extras.secondHeading.empty();
    // A short plot has room for every other label only.
    const bool tall = (m_in.bottom - m_in.top) > m_toolkit.screenHeight / 3.0;
    const int axisRow = m_in.bottom - 40;
    for (const int sign : {1, -1}) {
        for (int i = sign > 0 ? 0 : 1; i <= 50; ++i) {
            if (i % 2 == 0 && !tall) continue;
            const double t = y0 - sign * std::nearbyint(i * s);
            // Ticks reach 20 pixels below the horizontal axis, into the band of its labels.
            if (!(m_in.top + 30 <= t && t <= m_in.bottom - 20)) continue;
            const int row = static_cast<int>(t);
            const std::string label = withScreenSeparator(fixedText(sign * 0.1 * i * span, 8, 4));
            const int x = std::max(1, m_in.left + 64 - m_canvas.textWidth(label));
            write(x, row - 6, label);
            if (secondScale) {
                const std::string second =
                    withScreenSeparator(generalNumber(m_extras.y2Min + sign * 0.1 * i * span2, 7));
                write(std::max(1, x - m_canvas.textWidth(second) - 6), row - 6, second);
            }
            if (m_in.grid && row != axisRow)
                DrawLine(m_canvas, m_in.left + 71, row, m_in.right - 30, row);
            else
                DrawLine(m_canvas, m_in.left + 67, row, m_in.left + 70, row);
        }
    }
}

void Plotter::horizontalTicks() {
    const int b = m_in.bottom;
    const double d = 0.1 * m_f.W;
    const double xMin = m_in.xMin;
    const double xSpan = m_in.xMax - xMin;
    const std::string origin = xMin == 0.0   ? std::string("0.0")
                               : xMin <= 0.1 ? fixedText(xMin, 10, 8)
                                             : fixedText(xMin, 8, 3);
    write(m_in.left + 60, b - 33, withScreenSeparator(origin));
    // Ten steps of a tenth of the width; rounding 0.1 * W must not lose the last one.
    constexpr int last = 10;
    for (int i = 1; i <= last && i * d <= m_f.W + 10; ++i) {
        const int step = static_cast<int>(std::nearbyint(i * d));
        const int c = m_in.left + 71 + step;
        if (m_in.grid)
            DrawLine(m_canvas, c, m_in.top + 30, c, b - 41);
        else
            DrawLine(m_canvas, c, b - 39, c, b - 37);
        if (i % 2 != 0) continue;
        const std::string label = i == last      ? fixedText(m_in.xMax, 8, 3)
                                  : xSpan <= 0.1 ? fixedText(xMin + 0.1 * i * xSpan, 10, 8)
                                                 : fixedText(xMin + 0.1 * i * xSpan, 8, 3);
        write(m_in.left + 40 + step, b - 33, withScreenSeparator(label));
    }
}

}  // namespace zentova::plotting
