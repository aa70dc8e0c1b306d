#pragma once

#include <QRect>
#include <string>
#include <utility>
#include <vector>

#include "canvas/canvas.h"
#include "canvas/toolkit.h"
#include "lang/keyrows.h"

namespace zentova {

// The keys of the main window: the menu, questions, notes, the cover.
const std::vector<KeyRow>& MainWindowKeys();

// The frame that shows the keyboard focus on a painted control: two white pixels around a
// black one, inside `box`, so it reads on light and dark grounds alike.
void PaintFocusFrame(Canvas& canvas, QRect box);

// The main window's keys on a black panel in white writing (contrast 21:1) in the middle of
// the drawing area; waits for a key or a click, then paints back what the panel covered.
// Leaves the pen in copy mode.
void ShowKeyboardHelp(Toolkit& toolkit);

// Whether a key pressed on the main window asks for the keyboard help (F1 or "?").
bool IsHelpKey(int key);

}  // namespace zentova
