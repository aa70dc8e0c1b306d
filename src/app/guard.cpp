#include "app/guard.h"

#include <string_view>

#include "canvas/primitives.h"
#include "canvas/prompts.h"
#include "files/exampleguard.h"
#include "lang/language.h"
#include "pump/pump.h"

namespace zentova {

// The note's English is the refusal the command line gives too.
static_assert(std::string_view(ExampleRefusal) ==
              "You cannot recalculate, save or overwrite this file.");
static_assert(std::string_view(ExampleAdvice) ==
              "Seave the file with different name and try again.");

bool ExampleProjectGuard(Toolkit& toolkit, const ProjectSource& source) {
    if (!isExampleProjectPath(source.path)) return true;
    ProcessMessages();
    GradientBackground(toolkit);
    NoteBox(toolkit, translated("Notes", "You cannot recalculate, save or overwrite this file."),
            filled(translated("Notes", "Project file name: %1"), {source.path.substr(0, 255)}),
            translated("Notes", "Seave the file with different name and try again."), "",
            toolkit.screenWidth / 2 - 150, 100);
    return false;
}

}  // namespace zentova
