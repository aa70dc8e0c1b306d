#include "files/exampleguard.h"

#include "model/project.h"

namespace zentova {

bool isExampleProjectPath(const std::string& path) {
    const std::string stem = baseNameOf(path);
    const std::size_t slash = stem.rfind('/');
    const std::string name = slash == std::string::npos ? stem : stem.substr(slash + 1);
    if (name.size() != 4 || name[3] < '1' || name[3] > '6') return false;
    const auto lower = [](char c) {
        return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
    };
    return lower(name[0]) == 'z' && lower(name[1]) == 'e' && lower(name[2]) == 'n';
}

}  // namespace zentova
