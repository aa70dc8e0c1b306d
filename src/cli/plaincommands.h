#pragma once

#include "command/command.h"

namespace zentova {

// The commands that draw nothing, each reading its options and running its library's work.
// They throw UsageError for a refused argument and FileError for a failed file.

// The calculation; it reads the whole command line: --calculate PROJECT [--steps N]
// [--seed S] [--append] [--report[=csv]], in any order, or --help or --version.
int calculateCommand(const CommandCall& call);

// --export-xyz PROJECT [OUT.xyz] [--overwrite], the option anywhere after PROJECT.
int exportXyzCommand(const CommandCall& call);

// --force-table PROJECT TYPE1 TYPE2.
int forceTableCommand(const CommandCall& call);

// --export-lammps PROJECT DIR and its options, in any order after the two.
int exportLammpsCommand(const CommandCall& call);

}  // namespace zentova
