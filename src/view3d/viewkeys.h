#pragma once

#include <QString>
#include <vector>

#include "lang/keyrows.h"

class QKeyEvent;

namespace zentova {

class ViewSurface;

// The view window's keys, each the same as its button: Left and Right hold "Horizontal
// angle", Up and Down "Vertical angle", + and - (Page Up, Page Down) "Zoom", each key in its
// own direction; Home or O is "Original angle", End or T "Stop" (or "Terminate"). P or Space
// pauses a run and goes on; Enter, once the run has stopped, is the click that returns to the
// menu; D shows the description of the picture; F1 or ? the keyboard help. True when taken.
bool ViewKeyPress(ViewSurface& window, const QKeyEvent& event);
// The release of a held key ends its gesture. True when taken.
bool ViewKeyRelease(ViewSurface& window, const QKeyEvent& event);

// Space, Enter: the keys that press the button with the focus.
bool IsPressKey(int key);

// The keys of the view window, as its keyboard help lists them.
const std::vector<KeyRow>& ViewWindowKeys();

// Shows or hides the panel of the view's keys over the picture.
void ToggleViewKeyHelp(ViewSurface& window);

}  // namespace zentova
