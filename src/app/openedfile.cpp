#include "app/openedfile.h"

#include <algorithm>
#include <cctype>
#include <filesystem>

#include "app/notelines.h"
#include "lang/language.h"
#include "model/project.h"

namespace zentova {

namespace {

bool endsWithNoCase(const std::string& text, const std::string& suffix) {
    if (text.size() < suffix.size()) return false;
    return std::equal(suffix.rbegin(), suffix.rend(), text.rbegin(), [](char a, char b) {
        return std::tolower(static_cast<unsigned char>(a)) ==
               std::tolower(static_cast<unsigned char>(b));
    });
}

}  // namespace

OpenedFile projectForOpenedFile(const std::string& argument) {
    if (!endsWithNoCase(argument, ".his") && !endsWithNoCase(argument, ".sta"))
        return {argument, {}, {}};
    const std::string stem = baseNameOf(argument);
    for (const char* extension : {".zpr", ".ZPR"}) {
        std::error_code ec;
        if (std::filesystem::is_regular_file(stem + extension, ec))
            return {stem + extension, {}, {}};
    }
    const std::string name = std::filesystem::path(argument).filename().string();
    const std::string project = std::filesystem::path(stem + ".zpr").filename().string();
    OpenedFile missing;
    missing.message =
        name + " belongs to the project " + project + ", which is not in the same folder.";
    const std::string note =
        filled(translated("Notes",
                          "%1 belongs to the project %2,\nwhich is not in the same folder.\n"
                          "Put the project beside its files,\nor open another one from the menu."),
               {name, project});
    missing.problem = noteLines(note);
    return missing;
}

}  // namespace zentova
