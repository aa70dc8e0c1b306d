#pragma once

#include <cstdint>
#include <fstream>
#include <istream>
#include <string>
#include <string_view>

namespace zentova {

// Reads one value per line the way every file of the program is read: a number is the
// first token after blanks and empty lines, the rest of its line is skipped. Accepts CR LF,
// LF and CR alone as line ends. Every failure throws FileError naming the file, the line and what
// was expected ("alpha.zpr:7: expected a real number, found \"abc\""). A UTF-8 byte-order mark at
// the start of the file is dropped.
// Editors that save UTF-8 may put this mark first; the reader drops it from the first line.
inline constexpr std::string_view ByteOrderMark = "\xEF\xBB\xBF";

class LineReader {
  public:
    // Lines are taken whole up to this length: far beyond any real name or number, and a
    // bound on what a hostile file can make the program hold.
    static constexpr std::size_t MaxLineLength = 4 * 1024 * 1024;

    LineReader(std::istream& in, std::string fileName);

    // The next line whole, without its line end.
    std::string readLine(const char* what);
    // A 32-bit integer token.
    std::int32_t readInt(const char* what);
    // A finite real token ("inf" and "nan" are refused).
    double readReal(const char* what);
    // True when only blanks and line ends remain.
    bool atEnd();

    int line() const { return m_line; }  // number of the line last read, 1-based
    // False when the line last read ended the file without a line end: a file the program
    // wrote was then cut short inside that line, and its last value may be cut too.
    bool lineEnded() const { return m_lineEnded; }
    const std::string& fileName() const { return m_fileName; }
    [[noreturn]] void fail(const std::string& reason) const;

  private:
    std::istream& m_in;
    std::string m_fileName;
    int m_line = 0;
    bool m_lineEnded = true;
};

// Opens one of the program's text files for a LineReader: a regular file only, so that a
// FIFO or a device never keeps the reader waiting. Throws FileError ("cannot open: ...").
std::ifstream openTextFile(const std::string& path);

}  // namespace zentova
