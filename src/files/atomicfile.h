#pragma once

#include <string>

namespace zentova {

// Writes `content` to a temporary file beside `path` and renames it over `path`, so a
// failure (full disk, read-only folder) leaves the old file as it was. Throws FileError.
void writeFileAtomically(const std::string& path, const std::string& content);

// True when a file (or anything else) exists at `path`.
bool fileExists(const std::string& path);

}  // namespace zentova
