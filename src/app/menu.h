#pragma once

#include <array>
#include <string>

#include "canvas/canvas.h"
#include "canvas/toolkit.h"
#include "model/project.h"

namespace zentova {

// What the menu needs of the main window's mouse pointer. The window implements it; tests
// fake it.
struct PointerControl {
    virtual ~PointerControl() = default;
    // Moves the pointer to a point of the drawing area (the window's client coordinates). The
    // window's own move event then reports the new position to the input state.
    virtual void movePointerTo(int x, int y) = 0;
    // The hand-point cursor over the main window, or the default arrow.
    virtual void setHandCursor(bool hand) = 0;
};

// Menu lists: up to 50 entries, ended by the first empty text; at most 20 are shown.
inline constexpr int MenuCapacity = 50;
inline constexpr int MenuShownItems = 20;
using MenuItems = std::array<std::string, MenuCapacity>;
using MenuDisabled = std::array<bool, MenuCapacity>;  // index 0 = first item

// Moves the mouse pointer to (x, y) in drawing-area coordinates.
void MovePointerTo(PointerControl& pointer, int x, int y);

// A staircase of item boxes, each 15 pixels right of and 30 below the one above it, the first
// with its left edge at x and its text 3 pixels below y; the title in white at (x - 15, y - 30).
// Disabled items are written in black and cannot be chosen. The item under the pointer blinks
// (about every 20 ms); a left or right click on an enabled item stores its number (from 1) in
// `choice` and returns, with the screen as it was when the menu had been drawn. Clicks
// anywhere else are ignored. With no items, returns at once and leaves `choice` alone.
// Pumps and sleeps through the message pump; reads and resets the mouse state of Input().
void MainMenu(Toolkit& toolkit, Canvas& canvas, PointerControl& pointer, int x, int y,
              const std::string& title, Rgb color, const MenuItems& items,
              const MenuDisabled& disabled, int& choice);

}  // namespace zentova
