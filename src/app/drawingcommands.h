#pragma once

#include <functional>
#include <stdexcept>

#include "command/programerror.h"

namespace zentova {

// The commands that draw with OpenGL (--snapshot, --movie; declared in
// command/windowcommands.h) and the display they draw on.

// Thrown by a drawing task that finds no OpenGL to draw with; what() says why.
class CannotDraw : public ProgramError {
  public:
    using ProgramError::ProgramError;
};

// What a drawing command does once it has an application with a display: returns the exit
// status, or throws CannotDraw.
using DrawingTask = std::function<int()>;

// Runs `draw` on the display the environment names or, without one, on a virtual screen
// (Xvfb) of the program's own that is ended before this returns. Failures to get a display
// or OpenGL become a "zentova: COMMAND: ..." line and status 1.
int drawOnADisplay(const char* command, int argc, char** argv, const DrawingTask& draw);

}  // namespace zentova
