// The settings reader ("setupek.dat") on arbitrary bytes.

#include "files/settingsfile.h"
#include "fuzzcheck.h"

using namespace zentova;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    auto in = fuzz::input(data, size);
    const Settings defaults;
    Settings settings;
    try {
        readSettings(in, fuzz::FileName, settings);
    } catch (const FileError& error) {
        fuzz::checkMessage(error);
        fuzz::require(formatSettings(settings) == formatSettings(defaults),
                      "a refused file changed the settings");
        return 0;
    }
    // Any finite value is taken; a calculation refuses those it cannot use, and only those.
    fuzz::requireFinite(settings.integrationStep, "a step that is not finite accepted");
    fuzz::requireFinite(settings.dampingCoefficient, "a damping that is not finite accepted");
    const bool usable = settings.integrationStep > 0.0 && settings.dampingCoefficient >= 0.0;
    try {
        checkCalculable(settings);
        fuzz::require(usable, "a calculation took a step or damping it cannot use");
    } catch (const FileError& error) {
        // The settings file of the calculation's folder, by the name it always has.
        fuzz::require(std::string(error.what()).starts_with(std::string(SettingsFileName) + ":"),
                      "a refused calculation does not name the settings file");
        fuzz::require(!usable, "a calculation refused usable settings");
    }
    fuzz::require(settings.cubeHalfSize == defaults.cubeHalfSize, "the cube size changed");

    // "Ready" rewrites the file; the next start must read it back to the same settings.
    const std::string saved = formatSettings(settings);
    std::istringstream again(saved);
    Settings reread;
    try {
        readSettings(again, fuzz::FileName, reread);
    } catch (const FileError& error) {
        fuzz::failed(std::string("a saved settings file does not load: ") + error.what());
    }
    fuzz::require(formatSettings(reread) == saved, "saving the reread settings differs");
    return 0;
}
