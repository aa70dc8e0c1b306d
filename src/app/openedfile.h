#pragma once

#include <array>
#include <string>

namespace zentova {

// What "zentova FILE" opens, as a double-click on a file of the program starts it. A
// trajectory or a final state (".his", ".sta", in any case) belongs to the project beside it
// with the same stem (the name up to its first dot): "runs/alpha.his" opens
// "runs/alpha.zpr" ("alpha.ZPR" when only that exists). Any other file is taken as the
// project itself.
struct OpenedFile {
    std::string projectPath;             // empty when the project is missing
    std::array<std::string, 4> problem;  // the lines of a note saying why, else empty
    std::string message;                 // the same in one English line, for the terminal
};

OpenedFile projectForOpenedFile(const std::string& argument);

}  // namespace zentova
