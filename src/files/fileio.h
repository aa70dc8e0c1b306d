#pragma once

// Internal to the files layer: the line and token primitives that LineReader and the
// trajectory reader share, and the plain POSIX helpers of the writers.

#include <cstddef>
#include <cstdint>
#include <fstream>
#include <istream>
#include <string>
#include <string_view>
#include <vector>

namespace zentova::fileio {

// The platform's text for an errno value.
std::string errorText(int error);

// Writes all of `data`, retrying after interruptions; false with errno set on failure.
bool writeAll(int fd, const char* data, std::size_t size);

// Makes a temporary of `path` (temporaryPathOf in output.h) that did not exist, never through a
// link, mode 0644 whatever the umask, and takes the lock that tells other writers it is in use. A
// `temporary` already named is tried first. Returns the descriptor; throws FileError naming `path`.
int makeTemporary(const std::string& path, std::string& temporary);

// A temporary held is removed should the process end through exit() before it is released.
void holdTemporary(const std::string& temporary);
void releaseTemporary(const std::string& temporary);

// Opens a file for reading in binary mode. Throws FileError ("cannot open: ...").
std::ifstream openInput(const std::string& path);

// Reads the next line into `line` without its line end (LF, CR LF or CR) and counts it in
// `lineNo`; false when the input is exhausted. `ended`, when given, tells whether the line
// had a line end (only the last line of a file may lack one; a CR that ends the file does
// not count, as it may be a CR LF cut short). At most
// LineReader::MaxLineLength bytes are ever held. Throws FileError for a longer line or a
// read failure.
bool nextLine(std::istream& in, std::string& line, const std::string& fileName, int& lineNo,
              bool* ended = nullptr);

// Skips blank characters and empty lines; true when nothing else remains. Blanks at the
// start of the next non-empty line are consumed too, which a token reader does not mind.
bool skipBlank(std::istream& in, const std::string& fileName, int& lineNo);

// The first token of a line (up to a blank, a tab or the end), empty for a blank line.
std::string_view firstToken(std::string_view line);

// The tokens of a line, split at blanks and tabs; none for a blank line.
std::vector<std::string_view> tokensOf(std::string_view line);

enum class ParseResult { Ok, Malformed, OutOfRange };

// The whole token must be the number; a leading "+" is accepted. parseReal refuses
// infinities and NaN as malformed.
ParseResult parseInt(std::string_view token, std::int32_t& value);
ParseResult parseReal(std::string_view token, double& value);

// The whole text a finite number as from_chars reads it (no "+"): the exact test a value
// the program wrote reads back by.
bool parseFiniteReal(std::string_view text, double& value);

// `expected WHAT, found "TOKEN"`, noting a value out of range; the token is cut short and
// its control and non-ASCII bytes shown as "?", so a message about hostile input stays
// printable.
std::string badToken(std::string_view what, std::string_view token, ParseResult result);

}  // namespace zentova::fileio
