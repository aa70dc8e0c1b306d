#pragma once

#include <istream>
#include <string>

#include "model/settings.h"

namespace zentova {

inline constexpr const char* SettingsFileName = "setupek.dat";

// Reads the settings file over `settings` (colour lines 1-3 keep their low 8 bits; fog and
// cube limits are on only for a line that is exactly "TAK"; the step must be a positive
// finite number, the damping a finite number of 0 or more). On failure throws FileError
// and leaves `settings` untouched.
void readSettings(std::istream& in, const std::string& fileName, Settings& settings);

// The 8 lines of the settings file, the last one empty.
std::string formatSettings(const Settings& settings);

// Reads the file if it exists (a missing file keeps the defaults). Throws FileError.
void loadSettingsFile(const std::string& path, Settings& settings);
// Writes the file atomically. Throws FileError.
void saveSettingsFile(const std::string& path, const Settings& settings);

}  // namespace zentova
