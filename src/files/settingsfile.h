#pragma once

#include <istream>
#include <string>

#include "model/settings.h"

namespace zentova {

inline constexpr const char* SettingsFileName = "setupek.dat";

// Where the settings file held the step and the damping (a blank line before a number
// moves it down), for a calculation that cannot use them to name the line.
struct SettingsFileLines {
    int step = 6;
    int damping = 7;
};

// Reads the settings file over `settings`: colour lines 1-3 keep their low 8 bits; fog and
// cube limits are on only for a line that is exactly "TAK"; the step and the damping are
// taken as they are, whatever their value (a calculation checks them before it starts, see
// checkCalculable). A line that holds no number throws FileError and leaves `settings`
// untouched.
void readSettings(std::istream& in, const std::string& fileName, Settings& settings,
                  SettingsFileLines* lines = nullptr);

// Throws FileError naming the settings file and the line when a calculation cannot go on
// with these settings: a step that is not above 0 (the time would stand still or run back),
// a damping below 0 (it would feed the motion instead of calming it).
void checkCalculable(const Settings& settings, const SettingsFileLines& lines = {});

// The 8 lines of the settings file, the last one empty.
std::string formatSettings(const Settings& settings);

// Reads the file if it exists (a missing file keeps the defaults). Throws FileError.
void loadSettingsFile(const std::string& path, Settings& settings,
                      SettingsFileLines* lines = nullptr);
// Writes the file atomically. Throws FileError.
void saveSettingsFile(const std::string& path, const Settings& settings);
// Writes the file as saveSettingsFile does unless it holds those very bytes already; true
// when it was written. Throws FileError.
bool saveSettingsFileIfChanged(const std::string& path, const Settings& settings);

}  // namespace zentova
