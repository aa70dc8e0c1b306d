#pragma once

#include <functional>
#include <optional>
#include <string>

#include "app/shell.h"
#include "app/state.h"

class QWidget;

namespace zentova {

// The file dialogs as the program uses them: each returns the chosen path, or nothing when
// the user cancelled. `initialFolder` is where the dialog opens; `proposed` the name it
// offers (saving only).
struct FileChooser {
    std::function<std::optional<std::string>(const std::string& initialFolder)> open;
    std::function<std::optional<std::string>(const std::string& initialFolder,
                                             const std::string& proposed)>
        save;
};

// Qt's file dialogs: filter "*.zpr" then "Any file"; saving has the title "Saving project",
// the default suffix "zpr" and asks before overwriting.
FileChooser qtFileChooser(QWidget* parent);

// "Retrieve project": choose a project file and load it. A cancelled dialog changes
// nothing; a file that cannot be read is shown in a note and the project in memory stays.
void RetrieveProject(ProgramState& program, Shell& shell, FileChooser& chooser);

// "Save as": choose a name and save the project under it; the shipped examples' names are
// refused. The dialog proposes the name last saved under, or none for a project without a
// file. A write that fails is shown in a note and the previous path stays. True when the
// project was written.
bool SaveProjectAs(ProgramState& program, Shell& shell, FileChooser& chooser);

}  // namespace zentova
