#pragma once

#include <string>

#include "command/command.h"

namespace zentova {

// The one table of the command line's commands (in table.cpp: each command's word, its
// arguments, which executable runs it, the function that runs it), and the one place that
// runs them.

// Runs the process's command line: the desktop program when there is no argument or the
// first is not an option; else the command the first argument names, or the calculation
// with its options (--calculate, --steps, --seed, --append, --report), --help or --version.
// Every refusal of the arguments is one "zentova: ..." line and a pointer to --help, every
// failure of the work one "zentova: ..." line; either gives the exit status 1.
int runCommandLine(int argc, char** argv);

// The words of every command, "--calculate, --export-xyz, ...": none needs a display (the
// drawing ones make a virtual screen of their own when there is none).
std::string commandWords();

}  // namespace zentova
