#pragma once

#include <span>
#include <string_view>

#include "command/command.h"

namespace zentova {

// The commands that draw nothing: --export-xyz and --force-table.
std::span<const Command> plainCommands();

// Runs the command line of a process started with an option (argv[1] begins with "--"):
// a command of `commands` named by argv[1], or else the calculation with its options
// (--calculate, --steps, --seed, --append, --report), --help or --version. Every refusal is
// one "zentova: ..." line and a pointer to --help, with exit status 1.
int runCommandLine(int argc, char** argv, std::span<const Command> commands,
                   std::string_view version);

// The text of --help.
extern const char* const UsageText;

}  // namespace zentova
