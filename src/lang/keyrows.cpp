#include "lang/keyrows.h"

#include "lang/language.h"

namespace zentova {

std::vector<KeyRow> TranslatedKeys(const std::vector<KeyRow>& rows) {
    std::vector<KeyRow> shown;
    shown.reserve(rows.size());
    for (const KeyRow& row : rows)
        shown.emplace_back(translated("Keys", row.first.c_str()),
                           translated("Keys", row.second.c_str()));
    return shown;
}

std::string KeyRowsText(const std::vector<KeyRow>& rows) {
    std::string text;
    for (const KeyRow& row : rows) text += row.first + "\t" + row.second + "\n";
    return text;
}

}  // namespace zentova
