#include "files/exampleguard.h"

#include <array>
#include <string_view>

namespace zentova {

bool isExampleProjectPath(const std::string& path) {
    // The whole path is searched, so a copy in a folder named after an example ("zen3.d/")
    // is refused too: the rule the user reads in the message, with no exception to learn.
    static constexpr std::array<std::string_view, 6> markers = {"zen1.", "zen2.", "zen3.",
                                                                "zen4.", "zen5.", "zen6."};
    for (const std::string_view marker : markers)
        if (path.find(marker) != std::string::npos) return true;
    return false;
}

}  // namespace zentova
