#pragma once

#include <string>

namespace zentova {

// How old, in seconds, a temporary file must be before it counts as the remains of a write
// that was killed rather than one still going on in another process.
inline constexpr long StaleTemporaryAgeSeconds = 60;

// Removes the temporary files of earlier writes of `path` that never finished: plain files
// "PATH.tmp-XXXXXX" (six letters or digits, as mkstemp makes them) beside it, last modified
// at least `minimumAgeSeconds` ago (0 for a caller that knows no other process writes
// `path`). Best effort: reports nothing. Reads the whole folder, so a writer that writes
// the same file again and again calls it once.
void removeStaleTemporaries(const std::string& path,
                            long minimumAgeSeconds = StaleTemporaryAgeSeconds);

enum class Leftovers { Remove, Leave };

// Writes `content` to a temporary file beside `path` and renames it over `path`, so a
// failure (full disk, read-only folder) leaves the old file as it was. With
// Leftovers::Remove, removeStaleTemporaries(path) runs first. Throws FileError.
void writeFileAtomically(const std::string& path, const std::string& content,
                         Leftovers leftovers = Leftovers::Remove);

// True when a file (or anything else) exists at `path`.
bool fileExists(const std::string& path);

}  // namespace zentova
