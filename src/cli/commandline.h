#pragma once

#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace zentova {

// What a command of the command line receives: the whole command line (a command that opens
// windows hands it to Qt), and the arguments after its word.
struct CommandCall {
    int argc;
    char** argv;
    std::vector<std::string> arguments;
};

// One command with fixed arguments: its word, its arguments as --help spells them, how
// many it takes, and what runs it (returning the exit status).
struct Command {
    std::string_view word;
    std::string_view arguments;
    int fewest;
    int most;
    int (*run)(const CommandCall& call);
};

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
