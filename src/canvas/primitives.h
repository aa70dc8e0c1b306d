#pragma once

#include <string>

#include "canvas/canvas.h"
#include "canvas/toolkit.h"

namespace zentova {

// The toolkit's own operations on the drawing area. Coordinates are pixels, x to the right,
// y downwards; rectangles exclude their right column and bottom row. Operations without a
// canvas argument work on the toolkit's main canvas.

// The name of the scratch bitmap, a Windows bitmap in the current directory.
inline constexpr const char* ScratchBitmapFile = "obrazek";

// "random k" of the decorative drawing: a whole number 0 .. k - 1, trunc(uniform * k), from the
// toolkit's generator.
int randomBelow(Toolkit& toolkit, int k);

// The size of the drawing area: the main window's client width and height in pixels.
void MeasureScreen(Toolkit& toolkit, int clientWidth, int clientHeight);

// Brush or pen colour from components 0..255.
void SetBrushRGB(Canvas& canvas, int red, int green, int blue);
void SetPenRGB(Canvas& canvas, int red, int green, int blue);

// The whole drawing area in one colour; leaves pen and brush in it, pen mode copy, brush
// solid. Pumps messages first.
void ClearScreen(Toolkit& toolkit, Canvas& canvas, int red, int green, int blue);

// A filled rectangle, pen and brush left black (white).
void FillBlackRect(Canvas& canvas, int x1, int y1, int x2, int y2);
void FillWhiteRect(Canvas& canvas, int x1, int y1, int x2, int y2);

// Stripes from black to the colour over the whole area, in one of four directions drawn from
// the generator: columns 5 pixels wide (black at the left or at the right) or rows 3 pixels
// high (black at the top or at the bottom). Pixels past the last whole stripe stay as they
// were. The plain form ends in white.
void GradientBackground(Toolkit& toolkit);
void ColorGradientBackground(Toolkit& toolkit, PackedColor color);

// The whole drawing area to and from the toolkit's screen backup. Nothing happens while the
// area is narrower than 2 pixels.
void SaveScreen(Toolkit& toolkit);
void RestoreScreen(Toolkit& toolkit);
// Gives back the backup's memory (a full screen's worth) while nothing is to be restored:
// the view's renderer needs it more during a run, and the next save makes a new one.
void DropSavedScreen(Toolkit& toolkit);

// The whole drawing area to and from the scratch bitmap file. Uses the measured size; false
// when the file cannot be written (read).
bool SaveScreenToFile(Toolkit& toolkit);
bool RestoreScreenFromFile(Toolkit& toolkit);

// Clears the area to black and paints the bitmap file centred, unscaled; one larger than the
// area starts at its top-left corner. A missing or unreadable file changes nothing. Names are
// cut to 160 bytes.
void ShowBitmapFile(Toolkit& toolkit, const std::string& name);

// One rectangle at a time (right column and bottom row excluded) to and from the toolkit's
// work bitmap, which is sized one pixel larger each way.
void SaveRect(Toolkit& toolkit, Canvas& canvas, int x1, int y1, int x2, int y2);
void RestoreRect(Toolkit& toolkit, Canvas& canvas, int x1, int y1, int x2, int y2);

// Text in the canvas font with a one-pixel shadow: a bright colour (components summing over
// 600) one pixel up and left of a near-black shadow at (x, y), any other one pixel down and
// right of a light grey shadow. Pumps messages between the passes.
void ShadowText(Canvas& canvas, int x, int y, const std::string& text, PackedColor color);

// Text with its background left out (the background is keyed on the canvas's brush colour).
// A negative x draws the text turned 90 degrees clockwise, reading downwards, at -x, opaque
// in the brush colour. Nothing is drawn at y < 0 or beyond the drawing area.
void CanvasText(Toolkit& toolkit, Canvas& canvas, int x, int y, const std::string& text,
                PackedColor color);

// Waits until a mouse button goes down or a key other than "[" arrives, polling every 60 ms.
void WaitClickOrKey();

}  // namespace zentova
