#pragma once

#include <algorithm>
#include <cmath>

#include "canvas/canvas.h"
#include "canvas/primitives.h"
#include "canvas/toolkit.h"

// The decorative box's colours and its thirteen frame styles, drawn by DecorativeBox.
namespace zentova::framing {

// Colour arithmetic is done in extended precision and rounded to nearest, ties to even; the
// pictures were tuned that way, and a tie rounded differently changes a component by one.
inline int roundColor(long double value) {
    return static_cast<int>(std::nearbyintl(value));
}

struct Color {
    int r = 0;
    int g = 0;
    int b = 0;
};

inline void setPen(Canvas& canvas, Color c) {
    SetPenRGB(canvas, c.r, c.g, c.b);
}
inline void setBrush(Canvas& canvas, Color c) {
    SetBrushRGB(canvas, c.r, c.g, c.b);
}

inline Color scaledColor(Color c, long double factor) {
    return {roundColor(c.r * factor), roundColor(c.g * factor), roundColor(c.b * factor)};
}

inline Color cappedColor(Color c, long double factor) {
    return {std::min(255, roundColor(c.r * factor)), std::min(255, roundColor(c.g * factor)),
            std::min(255, roundColor(c.b * factor))};
}

// The box of style `s` in the colour `c`, its edges and its inside; the pen and brush set.
// A framed style moves the corners out to where its frame ends, for the shine.
void drawStyle(Toolkit& toolkit, Canvas& canvas, int s, int& x1, int& y1, int& x2, int& y2,
               const Color& c);

}  // namespace zentova::framing
