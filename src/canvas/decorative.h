#pragma once

#include <string>

#include "canvas/canvas.h"
#include "canvas/toolkit.h"

namespace zentova {

// Hand-drawn panels, menu boxes and buttons. Every random choice comes from the toolkit's
// generator in a fixed order, so a fixed seed repeats a picture exactly. Colours are
// components 0..255; rectangles exclude their right column and bottom row.

// The number of frame styles of DecorativeBox; style 0 picks one of 1..13 at random.
inline constexpr int DecorativeStyleCount = 13;

// A line in the current pen from (x1, y1) up to, not including, (x2, y2).
void DrawLine(Canvas& canvas, int x1, int y1, int x2, int y2);

// The rectangle's four sides as lines (x1,y1)->(x1,y2)->(x2,y2)->(x2,y1)->(x1,y1): unlike a
// filled rectangle it covers column x2 and row y2.
void OutlineRect(Canvas& canvas, int x1, int y1, int x2, int y2);

// A box filled with the colour and framed in one of 13 styles: 1 horizontal bevel,
// 2 scribbled edge, 3 hatched edge (horizontal strokes), 4 framed bevel, 5 torn paper with a
// shadow, 6 metal frame, 7 raised panel, 8 and 9 hatched edge (diagonal, vertical strokes),
// 10 glowing rounded frame, 11 and 12 bubble edge (squares, ellipses), 13 frosted glass over
// what lies beneath (boxes over 15000 square pixels take 12 instead).
// - The corner is moved to at least (10, 10). A colour within 5 of the pixel under the corner
//   is darkened by 10 in each component above 10, so the box stays visible.
// - Boxes under 200 x 150 get a diagonal shine, unless x1 is negative: the box is then drawn
//   at -x1 without it.
// Leaves the pen and brush colours changed.
void DecorativeBox(Toolkit& toolkit, Canvas& canvas, int x1, int y1, int x2, int y2, int red,
                   int green, int blue, int style);

// The strokes along one edge from (xa, ya) to (xb, yb), one per pixel of its length (a third
// of it for bubbles), each jittered by the generator.
// Short random lines in the current pen (style 2).
void EdgeScribble(Toolkit& toolkit, Canvas& canvas, int xa, int ya, int xb, int yb);
// Strokes 3 pixels wide: horizontal for style 3, diagonal for 8, vertical for 9.
void EdgeHatch(Toolkit& toolkit, Canvas& canvas, int xa, int ya, int xb, int yb, int style);
// Squares (style 11) or ellipses (style 12) in the current pen and brush.
void EdgeBubbles(Toolkit& toolkit, Canvas& canvas, int xa, int ya, int xb, int yb, int style);

// A band 71 columns wide running down and to the right at 45 degrees, from row ya to row yb,
// centred on column xc at row ya. It brightens only pixels within 15 (summed components) of
// the colour, halfway to white in its middle, fading to nothing at its sides, and never
// touches the 20 pixels along the edges of the drawing area.
void Shine(Toolkit& toolkit, Canvas& canvas, int xc, int ya, int yb, int red, int green, int blue);

// Up to four lines of text on a box of a random style, at 10 points; empty lines 2 to 4 take
// no room. The box is 20 pixels wider than the widest line and h * lines + 30 high, where h is
// the text height + 3. x = 0 centres it. The text is white on dark colours (components
// summing to 500 or less), black otherwise. Pen, brush and font size are restored.
void TextPanel(Toolkit& toolkit, Canvas& canvas, int x, int y, int red, int green, int blue,
               const std::string& line1, const std::string& line2 = {},
               const std::string& line3 = {}, const std::string& line4 = {});

// A shaded ellipse centred at (cx, cy) inside a grey rim: black at the edge to the colour in
// the middle. Kind 1 is 100 x 50 pixels, 2 is 140 x 60, 3 is 380 x 190; others draw as 1.
void OvalButton(Canvas& canvas, int cx, int cy, int red, int green, int blue, int kind);

}  // namespace zentova
