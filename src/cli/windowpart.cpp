#include "cli/windowpart.h"

#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>

namespace zentova {

namespace {

namespace fs = std::filesystem;

bool runnable(const fs::path& path) {
    struct stat info {};
    return path.is_absolute() && ::stat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode) &&
           ::access(path.c_str(), X_OK) == 0;
}

}  // namespace

std::string findWindowPart(const std::string& self, const std::string& fromFront,
                           const std::string& installed) {
    const fs::path front(self);
    if (front.is_absolute()) {
        const fs::path folder = front.parent_path();
        for (const fs::path& part : {folder / "zentova-gui", folder / fromFront / "zentova-gui"})
            if (runnable(part)) return part.string();
    }
    if (runnable(installed)) return installed;
    return {};
}

}  // namespace zentova
