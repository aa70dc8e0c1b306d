#include "app/workfolder.h"

#include <iostream>
#include <sstream>
#include <system_error>

#include "command/command.h"
#include "lang/language.h"

namespace zentova {

namespace fs = std::filesystem;

bool isWorkFolder(const fs::path& folder) {
    std::error_code ec;
    for (const char* name : {"setupek.dat", "okla.bmp", "Zentova.html"})
        if (fs::exists(folder / name, ec)) return true;
    for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec))
        if (it->path().extension() == ".zpr") return true;
    return false;
}

fs::path shippedDataFolder(const fs::path& executable, const fs::path& sourceData) {
    std::error_code ec;
    // Installed, the window part lives in libexec/zentova/, beside share/zentova/.
    const fs::path installed =
        executable.parent_path().parent_path().parent_path() / "share" / "zentova";
    for (const fs::path& candidate : {installed, sourceData})
        if (!candidate.empty() && fs::exists(candidate / "zen1.zpr", ec)) return candidate;
    return {};
}

int seedWorkFolder(const fs::path& from, const fs::path& to) {
    fs::create_directories(to);
    int copied = 0;
    for (const fs::directory_entry& entry : fs::directory_iterator(from)) {
        const fs::path target = to / entry.path().filename();
        if (entry.is_directory()) {
            copied += seedWorkFolder(entry.path(), target);
        } else if (!fs::exists(fs::symlink_status(target))) {
            fs::copy_file(entry.path(), target);
            ++copied;
        }
    }
    return copied;
}

fs::path enterWorkFolder(const fs::path& home, const fs::path& shipped,
                         std::array<std::string, 4>* problem) {
    std::error_code ec;
    const fs::path current = fs::current_path(ec);
    if (!ec && isWorkFolder(current)) return current;
    if (home.empty()) return current;
    const fs::path folder = home / WorkFolderName;
    try {
        if (!shipped.empty()) {
            seedWorkFolder(shipped, folder);
        } else {
            fs::create_directories(folder);
        }
        fs::current_path(folder);
        return folder;
    } catch (const fs::filesystem_error& e) {
        std::ostringstream quoted;
        quoted << folder;  // as a path prints itself: in quotes
        tell(std::cerr, "cannot work in " + quoted.str() + ": " + e.code().message());
        // The window has no screen yet: the caller shows these lines once it has.
        if (problem) {
            *problem = {translated("Notes", "The work folder could not be made:"), folder.string(),
                        e.code().message(),
                        filled(translated("Notes", "The program works in %1"), {current.string()})};
        }
        return current;
    }
}

}  // namespace zentova
