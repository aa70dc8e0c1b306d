#include "lang/catalogues.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <system_error>

#ifndef ZENTOVA_BUILD_TRANSLATIONS
#define ZENTOVA_BUILD_TRANSLATIONS ""
#endif

namespace zentova {

namespace fs = std::filesystem;

namespace {

constexpr const char* CataloguePrefix = "zentova_";

bool hasCatalogues(const fs::path& folder) {
    std::error_code ec;
    for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
        const std::string name = it->path().filename().string();
        if (name.starts_with(CataloguePrefix) && it->path().extension() == ".qm") return true;
    }
    return false;
}

fs::path executablePath() {
    std::error_code ec;
    return fs::read_symlink("/proc/self/exe", ec);
}

}  // namespace

fs::path translationsFolder() {
    const fs::path exe = executablePath();
    // Installed, the front lives in bin/ and the window part in libexec/zentova/.
    for (const fs::path& prefix :
         {exe.parent_path().parent_path(), exe.parent_path().parent_path().parent_path()}) {
        const fs::path folder = prefix / "share" / "zentova" / "translations";
        if (!exe.empty() && hasCatalogues(folder)) return folder;
    }
    const fs::path built = ZENTOVA_BUILD_TRANSLATIONS;
    return !built.empty() && hasCatalogues(built) ? built : fs::path();
}

std::vector<std::string> installedLanguages() {
    std::vector<std::string> codes;
    const fs::path folder = translationsFolder();
    std::error_code ec;
    if (folder.empty()) return codes;
    for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
        const std::string name = it->path().stem().string();
        if (!name.starts_with(CataloguePrefix) || it->path().extension() != ".qm") continue;
        const std::string code = name.substr(std::char_traits<char>::length(CataloguePrefix));
        if (code != "en") codes.push_back(code);
    }
    std::sort(codes.begin(), codes.end());
    return codes;
}

bool isKnownLanguage(const std::string& code) {
    if (code.empty() || code.size() > 16) return false;
    if (!std::all_of(code.begin(), code.end(), [](char c) {
            return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') ||
                   c == '_' || c == '-';
        }))
        return false;
    if (code == "en" || code == PseudoLanguage) return true;
    const std::vector<std::string> installed = installedLanguages();
    return std::find(installed.begin(), installed.end(), code) != installed.end();
}

std::string takeLanguageOption(int& argc, char** argv) {
    std::string problem;
    int kept = 1;
    for (int i = 1; i < argc; ++i) {
        const std::string_view word = argv[i];
        std::string code;
        if (word == "--language") {
            if (i + 1 == argc) {
                problem = "--language needs a language code";
                continue;
            }
            code = argv[++i];
        } else if (word.starts_with("--language=")) {
            code = word.substr(std::strlen("--language="));
        } else {
            argv[kept++] = argv[i];
            continue;
        }
        if (!isKnownLanguage(code)) {
            std::string known = "en";
            for (const std::string& installed : installedLanguages()) known += ", " + installed;
            problem = "--language: no catalogue for \"" + code + "\" (installed: " + known + ")";
            continue;
        }
        ::setenv(LanguageVariable, code.c_str(), 1);
    }
    argc = kept;
    argv[argc] = nullptr;
    return problem;
}

}  // namespace zentova
