#include "canvas/decorative.h"

#include <QPoint>
#include <algorithm>
#include <array>
#include <cmath>
#include <cstdlib>

#include "canvas/framestyles.h"
#include "canvas/primitives.h"

namespace zentova {

using namespace framing;

void DrawLine(Canvas& canvas, int x1, int y1, int x2, int y2) {
    canvas.moveTo(x1, y1);
    canvas.lineTo(x2, y2);
}

void OutlineRect(Canvas& canvas, int x1, int y1, int x2, int y2) {
    DrawLine(canvas, x1, y1, x1, y2);
    DrawLine(canvas, x1, y2, x2, y2);
    DrawLine(canvas, x2, y2, x2, y1);
    DrawLine(canvas, x2, y1, x1, y1);
}

void DecorativeBox(Toolkit& toolkit, Canvas& canvas, int x1, int y1, int x2, int y2, int red,
                   int green, int blue, int style) {
    const bool shineWanted = x1 >= 0 && x2 - std::abs(x1) < 200 && y2 - y1 < 150;
    x1 = std::max(std::abs(x1), 10);
    y1 = std::max(y1, 10);
    int s = style != 0 ? style : 1 + randomBelow(toolkit, DecorativeStyleCount);
    // Frosted glass works pixel by pixel, so it serves only small boxes.
    if (s == 13 && (x2 - x1) * (y2 - y1) > 15000) s = 12;

    Color c{red, green, blue};
    const PackedColor under = canvas.pixel(x1, y1);
    if (std::abs(redOf(under) - c.r) + std::abs(greenOf(under) - c.g) +
            std::abs(blueOf(under) - c.b) <
        5) {
        for (int* component : {&c.r, &c.g, &c.b})
            if (*component > 10) *component -= 10;
    }
    setBrush(canvas, c);
    if (s == 4) {
        x1 -= 4;
        x2 += 4;
    }

    drawStyle(toolkit, canvas, s, x1, y1, x2, y2, c);
    if (canvas.recorder()) canvas.recorder()->box(QRect(QPoint(x1, y1), QPoint(x2 - 1, y2 - 1)));

    // A wide box takes the shine's random offset even when it gets no shine: the menu's
    // boxes must consume the generator like any other box.
    if (y2 - y1 >= 200) return;
    int xs = x2 - 35 - (y2 - y1);
    if (x2 - x1 > 150) xs -= randomBelow(toolkit, x2 - x1) / 3;
    if (!shineWanted) return;
    const bool tallStrokes = s == 3 || s == 8 || s == 9 || s == 11;
    const int reach = tallStrokes ? 15 : 5;
    Shine(toolkit, canvas, xs, y1 - reach, y2 + reach, c.r, c.g, c.b);
}

void Shine(Toolkit& toolkit, Canvas& canvas, int xc, int ya, int yb, int red, int green, int blue) {
    const auto brighter = [](int component, int w) {
        return component + roundColor((255 - component) * 0.5L * w / 1225);
    };
    for (int column = xc - 35; column <= xc + 35; ++column) {
        const int side = 35 - std::abs(column - xc);
        const int w = side * side;
        const PackedColor bright =
            packColor(brighter(red, w), brighter(green, w), brighter(blue, w));
        for (int y = ya; y <= yb; ++y) {
            const int x = column + (y - ya);
            if (x <= 20 || x >= toolkit.screenWidth - 20 || y <= 20 ||
                y >= toolkit.screenHeight - 20)
                continue;
            const PackedColor p = canvas.pixel(x, y);
            if (std::abs(redOf(p) - red) + std::abs(greenOf(p) - green) +
                    std::abs(blueOf(p) - blue) <
                15)
                canvas.setPixel(x, y, bright);
        }
    }
}

void TextPanel(Toolkit& toolkit, Canvas& canvas, int x, int y, int red, int green, int blue,
               const std::string& line1, const std::string& line2, const std::string& line3,
               const std::string& line4) {
    const PackedColor brush = canvas.brushColor();
    const PackedColor pen = canvas.penColor();
    const int fontSize = canvas.fontSize();
    canvas.setFontSize(10);

    const int h = canvas.textHeight("X") + 3;
    const std::array<const std::string*, 3> more{&line2, &line3, &line4};
    int w = canvas.textWidth(line1);
    int n = 1;
    for (const std::string* line : more) {
        if (line->empty()) continue;
        w = std::max(w, canvas.textWidth(*line));
        ++n;
    }
    if (x == 0) x = (toolkit.screenWidth - w) / 2 - 10;

    canvas.setPenMode(PenMode::Copy);
    DecorativeBox(toolkit, canvas, x, y, x + w + 20, y + h * n + 30, red, green, blue, 0);
    const PackedColor text =
        red + green + blue <= 500 ? packColor(255, 255, 255) : packColor(0, 0, 0);
    ShadowText(canvas, x + 12, y + 17, line1, text);
    // A later line keeps its own row even when the one before it is empty.
    for (int k = 2; k <= 4; ++k) {
        const std::string& line = *more[static_cast<std::size_t>(k - 2)];
        if (!line.empty()) ShadowText(canvas, x + 12, y + 17 + (k - 1) * h, line, text);
    }

    canvas.setBrushColor(brush);
    canvas.setPenColor(pen);
    canvas.setFontSize(fontSize);
}

void OvalButton(Canvas& canvas, int cx, int cy, int red, int green, int blue, int kind) {
    int e = 50;
    int f = 25;
    if (kind == 2) {
        e = 70;
        f = 30;
    } else if (kind == 3) {
        e = 190;
        f = 95;
    }
    SetPenRGB(canvas, 100, 100, 100);
    SetBrushRGB(canvas, 100, 100, 100);
    canvas.ellipse(cx - e - 1, cy - f - 1, cx + e + 1, cy + f + 1);
    if (canvas.recorder()) canvas.recorder()->box(QRect(cx - e, cy - f, 2 * e, 2 * f));
    for (int i = 0; i <= 12; ++i) {
        const long double q = std::sqrt(static_cast<long double>(i) / 12.0L);
        const Color ring = scaledColor({red, green, blue}, q);
        setPen(canvas, ring);
        setBrush(canvas, ring);
        canvas.ellipse(cx - e + i, cy - f + i, cx + e - i, cy + f - i);
    }
}

}  // namespace zentova
