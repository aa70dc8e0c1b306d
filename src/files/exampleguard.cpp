#include "files/exampleguard.h"

namespace zentova {

bool isExampleProjectPath(const std::string& path) {
    for (char digit = '1'; digit <= '6'; ++digit) {
        const std::string marker = std::string("zen") + digit + '.';
        if (path.find(marker) != std::string::npos) return true;
    }
    return false;
}

}  // namespace zentova
