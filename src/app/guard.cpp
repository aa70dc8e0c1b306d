#include "app/guard.h"

#include "canvas/primitives.h"
#include "canvas/prompts.h"
#include "files/exampleguard.h"
#include "pump/pump.h"

namespace zentova {

bool ExampleProjectGuard(Toolkit& toolkit, const ProjectSource& source) {
    if (!isExampleProjectPath(source.path)) return true;
    ProcessMessages();
    GradientBackground(toolkit);
    NoteBox(toolkit, ExampleRefusal, "Project file name: " + source.path.substr(0, 255),
            ExampleAdvice, "", toolkit.screenWidth / 2 - 150, 100);
    return false;
}

}  // namespace zentova
