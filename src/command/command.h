#pragma once

#include <charconv>
#include <cmath>
#include <iosfwd>
#include <stdexcept>
#include <string>
#include <string_view>
#include <type_traits>
#include <vector>

#include "command/programerror.h"

namespace zentova {

// The types every command of the command line shares, whichever library runs it: what it
// receives, how it is listed, how it refuses its arguments and reads a number. No Qt.

// What a command of the command line receives: the whole command line (a command that opens
// windows hands it to Qt), and the arguments after its word.
struct CommandCall {
    int argc;
    char** argv;
    std::vector<std::string> arguments;
};

// Which of the two executables runs a command: the small front (`zentova`), which loads no
// window library, or the window part (`zentova-gui`), which the front starts in its place.
enum class Needs {
    Files,   // the files and the calculation: run by the front
    Window,  // Qt Widgets, OpenGL, Qt Charts or FFmpeg: run by the window part
};

// One command: its word, its arguments as --help spells them, how many it takes, which
// executable runs it, and what runs it (returning the exit status).
struct Command {
    std::string_view word;
    std::string_view arguments;
    int fewest;
    int most;
    Needs needs;
    int (*run)(const CommandCall& call);
};

// The two ways a command fails, both caught where the command line is dispatched: a
// refusal of its arguments (this, told with a pointer to --help), or a failure of the work
// (any other exception; a file's names file and line, see files/fileerror.h), told as is.
// Either gives the exit status 1.
class UsageError : public ProgramError {
  public:
    using ProgramError::ProgramError;
};

// `text` with every control character written out as C writes it in a string ("\n", "\t",
// "\r", else "\x1b" and the like): the rest as it is.
std::string escapeControls(std::string_view text);

// `word` as a POSIX shell reads it back as one word: as it is when it holds only letters,
// digits and "/._-+,:@%", else in single quotes (a quote inside as '\''); a word that begins
// with "-" is led by "./" so that no command takes it for an option.
std::string shellWord(std::string_view word);

// Says a failure or a note of a command as one line on `err`: "zentova: " + message, the
// form every line the program writes to the standard error takes.
void tell(std::ostream& err, std::string_view message);

// Tells a refusal of the command line: one "zentova: ..." line and a pointer to --help on
// the standard error; returns the exit status 1.
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

}  // namespace zentova
