#pragma once

#include <QImage>

#include "model/random.h"

namespace zentova {

class Canvas;

// The 2-D toolkit's shared state: the main window's drawing surface and its size, the
// off-screen copies, and the generator the decorative drawing draws from. The program has
// one (bound to the main window); a test builds its own around a QImage.
struct Toolkit {
    Canvas* mainCanvas = nullptr;  // all drawing goes here unless a canvas is passed
    int screenWidth = 0;           // ScreenWidth: width of the drawing area in pixels
    int screenHeight = 0;          // ScreenHeight
    QImage screenBackup;           // SaveScreen / RestoreScreen
    QImage workBitmap;             // SaveRect / RestoreRect
    RandomSource* random = nullptr;
};

}  // namespace zentova
