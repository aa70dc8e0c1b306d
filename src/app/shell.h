#pragma once

#include <string>

#include "app/menu.h"

namespace zentova {

// What the main driver asks of the window and the process: the caption, the pointer, the
// help repaint timer, and the two ways out. The main window provides it; tests fake it.
class Shell : public PointerControl {
  public:
    virtual void setCaption(const std::string& caption) = 0;
    virtual std::string caption() const = 0;  // as last set
    // Size of the drawing area, in pixels.
    virtual int clientWidth() const = 0;
    virtual int clientHeight() const = 0;
    // Timer2: repaints the drawing area from the saved screen every two seconds.
    virtual void enableTimer2(bool enabled) = 0;
    // Starts this same program with the project as its one argument, in the same folder.
    // False when it could not be started.
    virtual bool restartWith(const std::string& projectPath) = 0;
    // Hands a document to the desktop's viewer for its type; returns at once. False when no
    // viewer could be started.
    virtual bool openDocument(const std::string& path) = 0;
    // Ends the process at once. Does not return.
    [[noreturn]] virtual void terminate() = 0;
};

}  // namespace zentova
