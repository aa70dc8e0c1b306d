#pragma once

#include <string>

#include "files/output.h"

namespace zentova {

// Writes `content` to `path`, one of the program's own files, through the output writer: a
// failure (full disk, read-only folder) leaves the old file as it was. With
// Leftovers::Remove, removeStaleTemporaries(path) runs first. Throws FileError.
void writeFileAtomically(const std::string& path, const std::string& content,
                         Leftovers leftovers = Leftovers::Remove);

// True when a file (or anything else) exists at `path`.
bool fileExists(const std::string& path);

// True when `path` names a regular file (following links): what a reader may open without
// waiting on a FIFO or a device.
bool isRegularFile(const std::string& path);

}  // namespace zentova
