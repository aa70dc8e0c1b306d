#pragma once

// Which manual "Help/Manual" opens: the chosen language's own where it is shipped.

#include <filesystem>
#include <string>

namespace zentova {

// The English manual, whole; the others hold its first steps and its melting lesson.
inline constexpr const char* EnglishManualName = "Zentova.html";

// The manual for `language` ("de", "pt_BR") in `folder`: "Zentova.de.html" when that file
// is there, else the English "Zentova.html". A code of other characters than letters,
// digits and '_' (the pseudo-language's "en-XA", "../x") takes the English one. The name is
// returned as it stands in the folder, without the folder.
std::string manualFileFor(const std::string& language,
                          const std::filesystem::path& folder = std::filesystem::path("."));

}  // namespace zentova
