#pragma once

#include <string>

#include "canvas/canvas.h"
#include "canvas/toolkit.h"
#include "files/fileerror.h"

namespace zentova {

// Questions and notes painted on the main canvas. Each waits through the message pump,
// polling the input state, and returns when the user has answered.

// A YES/NO box centred on the drawing area, 70 pixels above its middle. True for YES:
// a click on the YES oval, "Y", "y" or Enter; NO: a click on the NO oval, "N" or "n".
bool Confirm(Toolkit& toolkit, const std::string& message);

// The same box around a reference point: the message panel's top 50 pixels above it, the two
// buttons' centres 40 pixels below it and 60 to either side. Their click areas are 60 x 40
// pixels. The box stays painted; the caller repaints the area.
bool ConfirmAt(Toolkit& toolkit, int x, int y, const std::string& message);

// Up to four lines on a panel whose top-left corner is (x, y) (0 centres it on that axis);
// empty lines 2 to 4 take no room. Waits for a click or a key, then paints back what the
// panel covered. Lines are cut to 160 characters.
void NoteBox(Toolkit& toolkit, const std::string& line1, const std::string& line2,
             const std::string& line3, const std::string& line4, int x, int y);

// Where a file error happened, as its note shows it: "FILE, line N", or the file alone
// when no line applies.
std::string fileErrorPlace(const FileError& error);

// A note about a file that could not be read or written: what failed, the file and line,
// and the reason.
void showFileErrorNote(Toolkit& toolkit, const char* what, const FileError& error);

}  // namespace zentova
