// The jittered edges of the scribbled, hatched and bubbled box styles.

#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "canvas/decorative.h"
#include "canvas/primitives.h"

namespace zentova {

namespace {

// Step i of n along an edge from b (i = 0) to a (i = n), in extended precision.
long double along(int a, int b, int i, int n) {
    const long double t = static_cast<long double>(i) / n;
    return t * a + (1.0L - t) * b;
}

int rounded(long double value) {
    return static_cast<int>(std::nearbyintl(value));
}

}  // namespace

void EdgeScribble(Toolkit& toolkit, Canvas& canvas, int xa, int ya, int xb, int yb) {
    const int n = std::max(std::abs(xb - xa), std::abs(yb - ya));
    for (int i = 1; i <= n; ++i) {
        const int r1 = randomBelow(toolkit, 16);
        const int r2 = randomBelow(toolkit, 16);
        const int r3 = randomBelow(toolkit, 16);
        const int r4 = randomBelow(toolkit, 16);
        const int px = rounded(along(xa, xb, i, n));
        const int py = rounded(along(ya, yb, i, n));
        DrawLine(canvas, px - r4 + 8, py - r3 + 8, px - r1 + 8, py - r2 + 8);
    }
}

void EdgeHatch(Toolkit& toolkit, Canvas& canvas, int xa, int ya, int xb, int yb, int style) {
    const int n = std::max(std::abs(xb - xa), std::abs(yb - ya));
    canvas.setPenWidth(3);
    for (int i = 1; i <= n; ++i) {
        const int r1 = randomBelow(toolkit, 16);
        const int r2 = randomBelow(toolkit, 16);
        const int py = rounded(along(ya, yb, i, n)) - r2;
        const int px = rounded(along(xa, xb, i, n)) - r1;
        if (style == 9)
            DrawLine(canvas, px + 8, py + 4, px + 8, py + 12);
        else if (style == 3)
            DrawLine(canvas, px + 4, py + 8, px + 12, py + 8);
        else if (style == 8)
            DrawLine(canvas, px + 4, py + 4, px + 12, py + 12);
    }
    canvas.setPenWidth(1);
}

void EdgeBubbles(Toolkit& toolkit, Canvas& canvas, int xa, int ya, int xb, int yb, int style) {
    const int n = std::max(std::abs(xb - xa), std::abs(yb - ya)) / 3;
    for (int i = 1; i <= n; ++i) {
        const int r1 = randomBelow(toolkit, 10);
        const int r2 = randomBelow(toolkit, 10);
        const int a = randomBelow(toolkit, 8) + 4;
        const int b = a / 2;
        const int cy = rounded(along(ya, yb, i, n)) - r2 + 4;
        const int cx = rounded(along(xa, xb, i, n)) - r1 + 4;
        if (style == 12)
            canvas.ellipse(cx - a, cy - b, cx + a, cy + b);
        else if (style == 11)
            canvas.rectangle(cx - a, cy - a, cx + a, cy + a);
    }
}

}  // namespace zentova
