#include "app/guard.h"

#include "canvas/primitives.h"
#include "canvas/prompts.h"
#include "canvas/pump.h"
#include "files/exampleguard.h"

namespace zentova {

bool ExampleProjectGuard(Toolkit& toolkit, const ProjectSource& source) {
    if (!isExampleProjectPath(source.path)) return true;
    ProcessMessages();
    GradientBackground(toolkit);
    NoteBox(toolkit, "You cannot recalculate, save or overwrite this file.",
            "Project file name: " + source.path.substr(0, 255),
            "Seave the file with different name and try again.", "",
            toolkit.screenWidth / 2 - 150, 100);
    return false;
}

}  // namespace zentova
