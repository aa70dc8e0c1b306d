#pragma once

#include <array>
#include <filesystem>
#include <string>

namespace zentova {

// The folder the desktop program works in. The program names its files relative to the
// current folder (settings, cover, manual, examples), so a start from the desktop entry or
// from a folder of no concern to it moves to a folder of the user's, ~/Zentova, filled with
// the shipped files the first time and never overwritten afterwards.

inline constexpr const char* WorkFolderName = "Zentova";

// True when `folder` already looks like a working folder of the program: it holds a settings
// file, the cover, the manual or a project file (*.zpr).
bool isWorkFolder(const std::filesystem::path& folder);

// The folder of the shipped files for the window part `executable`: share/zentova of the
// installation it is in (libexec/zentova/zentova-gui) first, then `sourceData` (the source tree's
// data/ when run from a build). Empty when neither holds the example zen1.zpr.
std::filesystem::path shippedDataFolder(const std::filesystem::path& executable,
                                        const std::filesystem::path& sourceData);

// Copies every file and folder of `from` into `to` (made if missing) that `to` does not hold
// yet; an existing file is never touched, whatever its content. Returns the number of files
// copied. Throws std::filesystem::filesystem_error when `to` cannot be made or written.
int seedWorkFolder(const std::filesystem::path& from, const std::filesystem::path& to);

// The desktop start without a project: stays in the current folder when it is a working
// folder; otherwise seeds `home`/Zentova from `shipped` and makes it the current folder.
// Returns the folder worked in. A failure (no home, a read-only home) keeps the current
// folder; when `home`/Zentova could not be made or entered, `problem` (if given) receives
// the lines of a note for the window: the folder, the reason and where the program works.
std::filesystem::path enterWorkFolder(const std::filesystem::path& home,
                                      const std::filesystem::path& shipped,
                                      std::array<std::string, 4>* problem = nullptr);

}  // namespace zentova
