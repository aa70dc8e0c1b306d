#pragma once

// The installed catalogues of translated texts and the choice of one on the command line.
// No Qt: the front, which draws nothing, checks --language and lists the languages too.

#include <filesystem>
#include <string>
#include <vector>

namespace zentova {

// The variable through which --language reaches the window part across its exec.
inline constexpr const char* LanguageVariable = "ZENTOVA_LANGUAGE";

// The code of the pseudo-language that lengthens and accents every text, for the tests
// that look for a text crossing its box or left untranslated. Built, never installed.
inline constexpr const char* PseudoLanguage = "en-XA";

// Where the catalogues are: beside an installed program (share/zentova/translations),
// else the build's own folder. Empty when there is none.
std::filesystem::path translationsFolder();

// The codes of the installed catalogues ("de", "pt_BR", ...), sorted; English, the
// language the program is written in, is not among them.
std::vector<std::string> installedLanguages();

// Whether `code` is a language --language takes: English, the pseudo-language or an
// installed one. Letters, digits, '_' and '-' only.
bool isKnownLanguage(const std::string& code);

// Takes --language CODE (or --language=CODE) out of the command line and hands CODE to
// the window part through LanguageVariable. Returns "" or, for a code no catalogue has or
// a missing code, the line that says so.
std::string takeLanguageOption(int& argc, char** argv);

}  // namespace zentova
