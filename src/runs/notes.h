#pragma once

#include "canvas/toolkit.h"
#include "files/fileerror.h"

namespace zentova {

// A note about a file that could not be read or written: what failed, the file and line,
// and the reason.
void showFileErrorNote(Toolkit& toolkit, const char* what, const FileError& error);

}  // namespace zentova
