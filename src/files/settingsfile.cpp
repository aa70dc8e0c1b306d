#include "files/settingsfile.h"

#include <array>
#include <charconv>

#include "files/atomicfile.h"
#include "files/fileerror.h"
#include "files/fileio.h"
#include "files/linereader.h"
#include "files/numformat.h"

namespace zentova {

namespace {

std::uint8_t readComponent(LineReader& reader, const char* what) {
    // Only the low 8 bits count, as when the value was stored into a byte.
    return static_cast<std::uint8_t>(reader.readInt(what) & 0xFF);
}

// A setting is on only for exactly "TAK"; "tak" or "TAK " is off.
bool readFlag(LineReader& reader, const char* what) {
    return reader.readLine(what) == "TAK";
}

std::string shortest(double value) {
    std::array<char, 32> text;
    const auto end = std::to_chars(text.data(), text.data() + text.size(), value).ptr;
    return std::string(text.data(), end);
}

void appendLine(std::string& out, std::string_view text) {
    out += text;
    out += LineEnd;
}

}  // namespace

void readSettings(std::istream& in, const std::string& fileName, Settings& settings,
                  SettingsFileLines* lines) {
    LineReader reader(in, fileName);
    Settings read = settings;
    read.backgroundColor.r = readComponent(reader, "the red component of the background colour");
    read.backgroundColor.g = readComponent(reader, "the green component of the background colour");
    read.backgroundColor.b = readComponent(reader, "the blue component of the background colour");
    read.fogEnabled = readFlag(reader, "the fog setting");
    read.showCubeLimits = readFlag(reader, "the cube limits setting");
    // No value is refused here: a step or damping that no calculation can use still lets the
    // colours, fog and cube limits apply, and the calculation names the line when it starts.
    read.integrationStep = reader.readReal("the integration step");
    const int stepLine = reader.line();
    read.dampingCoefficient = reader.readReal("the damping coefficient");
    if (lines) *lines = SettingsFileLines{stepLine, reader.line()};
    settings = read;
}

void checkCalculable(const Settings& settings, const SettingsFileLines& lines) {
    if (!(settings.integrationStep > 0.0))
        throw FileError(SettingsFileName, lines.step,
                        "an integration step of " + shortest(settings.integrationStep) +
                            " cannot be calculated with; it must be greater than 0");
    if (!(settings.dampingCoefficient >= 0.0))
        throw FileError(SettingsFileName, lines.damping,
                        "a damping coefficient of " + shortest(settings.dampingCoefficient) +
                            " cannot be calculated with; it must be 0 or more");
}

std::string formatSettings(const Settings& settings) {
    std::string out;
    for (const std::uint8_t component :
         {settings.backgroundColor.r, settings.backgroundColor.g, settings.backgroundColor.b}) {
        appendInt(out, component);
        out += LineEnd;
    }
    appendLine(out, settings.fogEnabled ? "TAK" : "NIE");
    appendLine(out, settings.showCubeLimits ? "TAK" : "NIE");
    appendLine(out, formatReal(settings.integrationStep));
    appendLine(out, formatReal(settings.dampingCoefficient));
    appendLine(out, "");
    return out;
}

void loadSettingsFile(const std::string& path, Settings& settings, SettingsFileLines* lines) {
    if (!fileExists(path)) return;
    std::ifstream in = fileio::openInput(path);
    readSettings(in, path, settings, lines);
}

void saveSettingsFile(const std::string& path, const Settings& settings) {
    writeFileAtomically(path, formatSettings(settings));
}

bool saveSettingsFileIfChanged(const std::string& path, const Settings& settings) {
    const std::string text = formatSettings(settings);
    if (isRegularFile(path)) {
        // One byte more than the text is enough to tell a longer file apart.
        std::ifstream in = fileio::openInput(path);
        std::string held(text.size() + 1, '\0');
        in.read(held.data(), static_cast<std::streamsize>(held.size()));
        held.resize(static_cast<std::size_t>(in.gcount()));
        if (held == text) return false;
    }
    writeFileAtomically(path, text);
    return true;
}

}  // namespace zentova
