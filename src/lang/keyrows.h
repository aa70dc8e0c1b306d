#pragma once

#include <string>
#include <utility>
#include <vector>

namespace zentova {

// A key, or keys, and what it does: one row of a keyboard help.
using KeyRow = std::pair<std::string, std::string>;

// The rows in the chosen language, as the help shows and reads them.
std::vector<KeyRow> TranslatedKeys(const std::vector<KeyRow>& rows);

// The rows as lines of text, the key and its meaning a tab apart.
std::string KeyRowsText(const std::vector<KeyRow>& rows);

}  // namespace zentova
