#pragma once

#include <charconv>
#include <cmath>
#include <span>
#include <string>
#include <string_view>
#include <type_traits>
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

// A refusal of the command line: one "zentova: ..." line and a pointer to --help; returns
// the exit status 1.
int usageError(const std::string& message);

// The whole of `text` as a number (no leading blanks, nothing after it); a real one must be
// finite.
template <typename T>
bool parseNumber(std::string_view text, T& value) {
    const char* end = text.data() + text.size();
    const auto [ptr, ec] = std::from_chars(text.data(), end, value);
    if constexpr (std::is_floating_point_v<T>)
        if (ec == std::errc() && !std::isfinite(value)) return false;
    return ec == std::errc() && ptr == end;
}

// The text of --help.
extern const char* const UsageText;

}  // namespace zentova
