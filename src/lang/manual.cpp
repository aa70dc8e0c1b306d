#include "lang/manual.h"

#include <algorithm>
#include <system_error>

namespace zentova {

std::string manualFileFor(const std::string& language, const std::filesystem::path& folder) {
    const bool plain =
        !language.empty() && std::all_of(language.begin(), language.end(), [](char c) {
            return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') ||
                   c == '_';
        });
    if (!plain || language == "en") return EnglishManualName;
    const std::string own = "Zentova." + language + ".html";
    std::error_code ec;
    return std::filesystem::is_regular_file(folder / own, ec) ? own : EnglishManualName;
}

}  // namespace zentova
