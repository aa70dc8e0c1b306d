#pragma once

#include <string>

#include "model/project.h"

namespace zentova {

// The name a project is shown under: a shipped example's in the chosen language when the
// project still bears the name it was shipped with ("Ionic crystal 2+/1-" reads
// "Ionenkristall 2+/1-" in German), any other name as it is stored. The file keeps its own.
std::string shownProjectName(const std::string& stored);

// The main window's caption for a project and its file: "Zentova - Project : NAME   File
// PATH" in English, with the name as shownProjectName gives it.
std::string shownWindowTitle(const Project& project, const std::string& fileName);

}  // namespace zentova
