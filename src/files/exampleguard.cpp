#include "files/exampleguard.h"

#include "model/project.h"

namespace zentova {

bool isExampleProjectPath(const std::string& path) {
    const std::string stem = baseNameOf(path);
    const std::size_t slash = stem.rfind('/');
    const std::string name = slash == std::string::npos ? stem : stem.substr(slash + 1);
    // Case matters: "Zen3.zpr" is the user's own file beside the example, with its own
    // "Zen3.his" and "Zen3.sta".
    return name.size() == 4 && name.starts_with("zen") && name[3] >= '1' && name[3] <= '6';
}

}  // namespace zentova
