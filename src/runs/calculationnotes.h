#pragma once

// The notes a calculation shows in the class's language: what an append changed, why the
// motion became unstable, why a project or its setup cannot be calculated. The command
// line says the same in English (calc/).

#include <string>
#include <vector>

#include "calc/runplan.h"
#include "calc/stepper.h"
#include "runs/programstate.h"

namespace zentova {

// What an append changed in the trajectory, a clause each (appendCutParts' English on the
// command line).
std::vector<std::string> shownCutParts(const AppendStart& start);

// The motion became unstable: when, the likely cause with the bath as the keys left it, and
// what to change where.
void showUnstableNote(ProgramState& program, const UnstableError& error, double bath);

// Whether the project and the setup can be calculated; when not, a note says why.
bool calculable(ProgramState& program);

}  // namespace zentova
