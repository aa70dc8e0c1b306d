#include "canvas/framestyles.h"

#include <QPoint>
#include <array>
#include <cstdlib>

#include "canvas/decorative.h"

namespace zentova::framing {

namespace {

// Pen and brush in the colour; the inside of the box, one pixel in from its top and left.
void fillInside(Canvas& canvas, int x1, int y1, int x2, int y2, Color c) {
    setBrush(canvas, c);
    setPen(canvas, c);
    canvas.rectangle(x1 + 1, y1 + 1, x2, y2);
}

// The four edges clockwise from the top-left corner: top, right, bottom, left.
template <typename Edge>
void alongEdges(int x1, int y1, int x2, int y2, Edge edge) {
    edge(x1, y1, x2, y1);
    edge(x2, y1, x2, y2);
    edge(x2, y2, x1, y2);
    edge(x1, y2, x1, y1);
}

// Styles 1 (horizontal bands) and 4 (bands all round, lit from the top left).
void bevel(Canvas& canvas, int style, int x1, int y1, int x2, int y2, Color c) {
    SetPenRGB(canvas, 0, 0, 0);
    if (style == 1)
        canvas.rectangle(x1 - 1, y1, x2 + 2, y2);
    else
        canvas.rectangle(x1, y1, x2, y2);
    const Color dark = scaledColor(c, 0.9L);
    const Color light = cappedColor(dark, 1.4L);
    for (int m = 1; m <= 9; ++m) {
        const long double q = std::sqrt(static_cast<long double>(m));
        setPen(canvas, {roundColor(q * dark.r * 0.333L), roundColor(q * dark.g * 0.333L),
                        roundColor(q * dark.b * 0.333L)});
        if (style == 4)
            OutlineRect(canvas, x1 + m, y1 + m, x2 - m, y2 - m);
        else
            OutlineRect(canvas, x1, y1 + m, x2, y2 - m);
        setPen(canvas, {roundColor(q * light.r * 0.333L), roundColor(q * light.g * 0.333L),
                        roundColor(q * light.b * 0.333L)});
        if (style == 4) {
            DrawLine(canvas, x1 + m, y1 + m, x2 - m, y1 + m);
            DrawLine(canvas, x1 + m, y1 + m, x1 + m, y2 - m);
        } else {
            DrawLine(canvas, x1, y1 + m, x2, y1 + m);
        }
    }
}

// Style 5: a jagged polygon, 11 points a side, over a dark copy of itself 4 pixels down-right.
void tornPaper(Toolkit& toolkit, Canvas& canvas, int x1, int y1, int x2, int y2, Color c) {
    const auto between = [](int jitter, int from, int to, int t) {
        return roundColor(static_cast<long double>(jitter) +
                          static_cast<long double>(to * t + from * (10 - t)) * 0.1L);
    };
    std::array<QPoint, 44> points;
    int p = 0;
    for (int t = 0; t <= 10; ++t) {  // top, left to right: the x draw comes first
        const int x = between(randomBelow(toolkit, 8) - 5, x1, x2, t);
        points[p++] = QPoint(x, y1 + randomBelow(toolkit, 8) - 5);
    }
    for (int t = 0; t <= 10; ++t) {  // right, downwards: the y draw comes first
        const int y = between(randomBelow(toolkit, 8), y1, y2, t);
        points[p++] = QPoint(x2 + 5 + randomBelow(toolkit, 8), y);
    }
    for (int t = 0; t <= 10; ++t) {  // bottom, right to left
        const int x = between(randomBelow(toolkit, 8) - 5, x2, x1, t);
        points[p++] = QPoint(x, y2 + randomBelow(toolkit, 8));
    }
    for (int t = 0; t <= 10; ++t) {  // left, upwards
        const int y = between(randomBelow(toolkit, 8), y2, y1, t);
        points[p++] = QPoint(x1 - 5 + randomBelow(toolkit, 8), y);
    }
    SetPenRGB(canvas, 200, 200, 200);
    SetBrushRGB(canvas, 60, 60, 60);
    canvas.polygon(points);
    for (QPoint& point : points) point -= QPoint(4, 4);
    SetPenRGB(canvas, 230, 230, 230);
    setBrush(canvas, c);
    canvas.polygon(points);
}

// Style 6: twelve grey lines per side, brightest at the fifth and sixth.
void metalFrame(Canvas& canvas, int& x1, int y1, int& x2, int y2, Color c) {
    setBrush(canvas, c);
    canvas.rectangle(x1, y1, x2, y2);
    x1 -= 5;
    x2 += 5;
    for (int m = 0; m <= 11; ++m) {
        const int g =
            240 - roundColor(80.0L * std::sqrt(std::fabs(static_cast<long double>(m) - 5.05L)));
        SetPenRGB(canvas, g, g, g);
        DrawLine(canvas, x1 + m, y1 + m, x1 + m, y2 - m);
        DrawLine(canvas, x2 - m, y1 + m, x2 - m, y2 - m + 1);
        DrawLine(canvas, x1 + m, y1 + m, x2 - m, y1 + m);
        DrawLine(canvas, x1 + m, y2 - m, x2 - m, y2 - m);
    }
}

// Style 7: six lines of light top and left, shaded bottom and right, around a grey-edged face.
void raisedPanel(Canvas& canvas, int x1, int y1, int x2, int y2, Color c) {
    SetPenRGB(canvas, 0, 0, 0);
    canvas.rectangle(x1 - 1, y1 - 1, x2 + 2, y2 + 2);
    SetPenRGB(canvas, 255, 250, 230);
    for (int m = 0; m <= 5; ++m) DrawLine(canvas, x1 + m, y1 + m, x2 - m, y1 + m);
    SetPenRGB(canvas, 230, 220, 210);
    for (int m = 0; m <= 5; ++m) DrawLine(canvas, x1 + m, y1 + m, x1 + m, y2 - m);
    SetPenRGB(canvas, 120, 120, 100);
    for (int m = 0; m <= 5; ++m) DrawLine(canvas, x1 + m, y2 - m, x2 - m, y2 - m);
    SetPenRGB(canvas, 150, 150, 120);
    for (int m = 0; m <= 5; ++m) DrawLine(canvas, x2 - m, y1 + m, x2 - m, y2 - m + 1);
    setBrush(canvas, c);
    SetPenRGB(canvas, 100, 100, 100);
    canvas.rectangle(x1 + 6, y1 + 6, x2 - 4, y2 - 4);
}

// Style 10: a rounded box with nine rings of light, brightest in the middle ring, each drawn
// nine times one pixel apart to thicken it.
void glowingFrame(Canvas& canvas, int& x1, int& y1, int& x2, int& y2, Color c) {
    x1 -= 3;
    y1 -= 3;
    x2 += 3;
    y2 += 3;
    canvas.roundRect(x1, y1, x2, y2, 25, 25);
    canvas.setBrushStyle(BrushStyle::Clear);
    const Color light = cappedColor(c, 1.6L);
    const long double root5 = std::sqrt(5.0L);
    for (int j = 1; j <= 9; ++j) {
        const long double q = std::sqrt(static_cast<long double>(5 - std::abs(j - 5)));
        SetPenRGB(canvas, static_cast<int>(q * light.r / root5),
                  static_cast<int>(q * light.g / root5), static_cast<int>(q * light.b / root5));
        for (int a = -1; a <= 1; ++a)
            for (int b = -1; b <= 1; ++b)
                canvas.roundRect(x1 + j + a, y1 + j + b, x2 - j + a, y2 - j + b, 25, 25);
    }
    canvas.setBrushStyle(BrushStyle::Solid);
}

// Style 13: what lies beneath, dimmed to a quarter and lifted to 80..143.
void frostedGlass(Canvas& canvas, int x1, int y1, int x2, int y2) {
    for (int x = x1; x <= x2; ++x) {
        for (int y = y1 + 1; y <= y2 - 1; ++y) {
            const PackedColor p = canvas.pixel(x, y);
            if (p == InvalidColor) continue;
            canvas.setPixel(x, y,
                            packColor(redOf(p) / 4 + 80, greenOf(p) / 4 + 80, blueOf(p) / 4 + 80));
        }
    }
}

}  // namespace

// The box of style `s` in the colour `c`, its edges and its inside; the pen and brush set.
// A framed style moves the corners out to where its frame ends, for the shine.
void drawStyle(Toolkit& toolkit, Canvas& canvas, int s, int& x1, int& y1, int& x2, int& y2,
               const Color& c) {
    const auto scribble = [&](int xa, int ya, int xb, int yb) {
        EdgeScribble(toolkit, canvas, xa, ya, xb, yb);
    };
    const auto hatch = [&](int xa, int ya, int xb, int yb) {
        EdgeHatch(toolkit, canvas, xa, ya, xb, yb, s);
    };
    const auto bubbles = [&](int xa, int ya, int xb, int yb) {
        EdgeBubbles(toolkit, canvas, xa, ya, xb, yb, s);
    };
    switch (s) {
        case 1:
        case 4:
            bevel(canvas, s, x1, y1, x2, y2, c);
            break;
        case 2:
            SetPenRGB(canvas, 0, 0, 0);
            alongEdges(x1, y1, x2, y2, scribble);
            setPen(canvas, c);
            alongEdges(x1, y1, x2, y2, scribble);
            alongEdges(x1, y1, x2, y2, scribble);
            fillInside(canvas, x1, y1, x2, y2, c);
            break;
        case 3:
        case 8:
        case 9:
            // The second fill hides the inner halves of the strokes.
            fillInside(canvas, x1, y1, x2, y2, c);
            alongEdges(x1, y1, x2, y2, hatch);
            fillInside(canvas, x1, y1, x2, y2, c);
            break;
        case 5:
            tornPaper(toolkit, canvas, x1, y1, x2, y2, c);
            break;
        case 6:
            metalFrame(canvas, x1, y1, x2, y2, c);
            break;
        case 7:
            raisedPanel(canvas, x1, y1, x2, y2, c);
            break;
        case 10:
            glowingFrame(canvas, x1, y1, x2, y2, c);
            break;
        case 11:
        case 12:
            setPen(canvas, c);
            alongEdges(x1, y1, x2, y2, bubbles);
            fillInside(canvas, x1, y1, x2, y2, c);
            break;
        case 13:
            frostedGlass(canvas, x1, y1, x2, y2);
            break;
        default:
            break;
    }
}

}  // namespace zentova::framing
