#include "lang/manual.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>

namespace zentova {
namespace {

namespace fs = std::filesystem;

// A folder that ships the English manual, a German one and a Brazilian one, and a folder
// called as a French manual would be: not a file, so not a manual. A code is a name, never
// a path.
TEST(ManualFileFor, TakesTheLanguagesOwnManualWhereThereIsOneElseTheEnglish) {
    const fs::path folder =
        fs::temp_directory_path() / ("zentova-manual-" + std::to_string(::getpid()));
    fs::create_directories(folder / "Zentova.fr.html");
    // A code that climbs out of its name would reach this one.
    fs::create_directories(folder / "Zentova.x");
    std::ofstream(folder / "de.html") << "<html></html>";
    for (const char* name : {"Zentova.html", "Zentova.de.html", "Zentova.pt_BR.html"})
        std::ofstream(folder / name) << "<html></html>";
    struct Case {
        const char* language;
        const char* manual;
    };
    const Case cases[] = {
        {"de", "Zentova.de.html"}, {"pt_BR", "Zentova.pt_BR.html"}, {"fr", "Zentova.html"},
        {"pl", "Zentova.html"},    {"en", "Zentova.html"},          {"en-XA", "Zentova.html"},
        {"", "Zentova.html"},      {"../de", "Zentova.html"},       {"x/../de", "Zentova.html"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(manualFileFor(c.language, folder), c.manual) << c.language;
    fs::remove_all(folder);
}

}  // namespace
}  // namespace zentova
