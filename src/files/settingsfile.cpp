#include "files/settingsfile.h"

#include <array>
#include <charconv>

#include "files/atomicfile.h"
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

void readSettings(std::istream& in, const std::string& fileName, Settings& settings) {
    LineReader reader(in, fileName);
    Settings read = settings;
    read.backgroundColor.r = readComponent(reader, "the red component of the background colour");
    read.backgroundColor.g = readComponent(reader, "the green component of the background colour");
    read.backgroundColor.b = readComponent(reader, "the blue component of the background colour");
    read.fogEnabled = readFlag(reader, "the fog setting");
    read.showCubeLimits = readFlag(reader, "the cube limits setting");
    read.integrationStep = reader.readReal("the integration step");
    if (!(read.integrationStep > 0.0))
        reader.fail("an integration step of " + shortest(read.integrationStep) +
                    ", it must be greater than 0");
    read.dampingCoefficient = reader.readReal("the damping coefficient");
    if (read.dampingCoefficient < 0.0)
        reader.fail("a damping coefficient of " + shortest(read.dampingCoefficient) +
                    ", it must be 0 or more");
    settings = read;
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

void loadSettingsFile(const std::string& path, Settings& settings) {
    if (!fileExists(path)) return;
    std::ifstream in = fileio::openInput(path);
    readSettings(in, path, settings);
}

void saveSettingsFile(const std::string& path, const Settings& settings) {
    writeFileAtomically(path, formatSettings(settings));
}

}  // namespace zentova
