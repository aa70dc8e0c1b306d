#include "cli/table.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <iostream>
#include <iterator>
#include <string>

#include "cli/plaincommands.h"
#include "command/windowcommands.h"
#include "lang/catalogues.h"

namespace zentova {

namespace {

// Every command of the command line. The calculation comes first: its options come in any
// order, its own word among them, so it reads the whole command line (and its counts of
// arguments apply to no one); so does every command line whose first word names no other
// command, which makes --help, --version and their refusals the calculation's too.
constexpr Command Commands[] = {
    {"--calculate", "PROJECT [--steps N] [--seed S] [--append] [--bath T0:F0,...] [--report[=csv]]",
     0, 0, Needs::Files, calculateCommand},
    {"--export-xyz", "PROJECT|DIR [OUT.xyz] [--overwrite]", 1, 3, Needs::Files, exportXyzCommand},
    {"--force-table", "PROJECT TYPE1 TYPE2", 3, 3, Needs::Files, forceTableCommand},
    {"--export-lammps",
     "PROJECT DIR [--from-sta] [--replicate NX NY NZ] [--cutoff R] [--steps N] [--seed S] "
     "[--bath T0:F0,...] [--overwrite]",
     2, 16, Needs::Files, exportLammpsCommand},
    {"--snapshot", "PROJECT|DIR OUT.png [--overwrite]", 2, 3, Needs::Window, snapshotCommand},
    {"--movie", "PROJECT|DIR OUT.mp4|OUT.webm|OUT.gif [OPTIONS]", 2, 12, Needs::Window,
     movieCommand},
    {"--analyse", "PROJECT|DIR [--out OUT] [--from T0] [--to T1] [--overwrite]", 1, 8,
     Needs::Window, analyseCommand},
};

int dispatch(int argc, char** argv) {
    const std::string_view word = argv[1];
    const auto named = std::find_if(std::begin(Commands), std::end(Commands),
                                    [&](const Command& c) { return c.word == word; });
    if (named == std::end(Commands) || named == std::begin(Commands)) {
        const Command& calculation = Commands[0];
        return calculation.run(CommandCall{argc, argv, {argv + 1, argv + argc}});
    }
    const int given = argc - 2;
    if (given < named->fewest || given > named->most)
        throw UsageError(std::string(named->word) + " needs " + std::string(named->arguments));
    return named->run(CommandCall{argc, argv, {argv + 2, argv + argc}});
}

// What a command printed reaches its reader only once the standard output is flushed: a
// full disk or a closed pipe found then is a failure of the command, not a success.
int flushedStatus(int status) {
    errno = 0;
    std::cout.flush();
    const bool written = std::cout.good() && std::fflush(stdout) == 0 && !std::ferror(stdout);
    // A command that failed has said why already.
    if (written || status != 0) return status;
    const int error = errno;
    tell(std::cerr, std::string("cannot write to the standard output") +
                        (error != 0 ? std::string(": ") + std::strerror(error) : std::string()));
    return 1;
}

}  // namespace

std::string commandWords() {
    std::string words;
    for (const Command& command : Commands) {
        if (!words.empty()) words += ", ";
        words += command.word;
    }
    return words;
}

int runCommandLine(int argc, char** argv) {
    // The interface's language, for whichever part draws; the command line stays English.
    if (const std::string problem = takeLanguageOption(argc, argv); !problem.empty())
        return usageError(problem);
    if (argc == 1 || std::string_view(argv[1]).substr(0, 2) != "--") return runDesktop(argc, argv);
    try {
        return flushedStatus(dispatch(argc, argv));
    } catch (const UsageError& e) {
        return usageError(e.what());
    } catch (const std::exception& e) {
        tell(std::cerr, e.what());
        return 1;
    }
}

}  // namespace zentova
