#include "files/linereader.h"

#include <sys/stat.h>

#include <cerrno>
#include <charconv>
#include <cmath>
#include <utility>

#include "files/fileerror.h"
#include "files/fileio.h"

namespace zentova {

namespace {

std::string describeFailure(const std::string& file, int line, const std::string& reason) {
    if (line <= 0) return file + ": " + reason;
    return file + ":" + std::to_string(line) + ": " + reason;
}

bool isBlank(char c) {
    return c == ' ' || c == '\t';
}

}  // namespace

FileError::FileError(const std::string& file, int line, const std::string& reason)
    : ProgramError(describeFailure(file, line, reason)),
      m_file(file),
      m_line(line),
      m_reason(reason) {}

namespace fileio {

std::ifstream openInput(const std::string& path) {
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0)
        throw FileError(path, 0, "cannot open: " + errorText(errno));
    // A directory opens fine and then fails on the first read; say so up front.
    if (S_ISDIR(info.st_mode)) throw FileError(path, 0, "cannot open: " + errorText(EISDIR));
    // A FIFO or a device would keep the reader waiting, perhaps for ever.
    if (!S_ISREG(info.st_mode))
        throw FileError(path, 0, "cannot open: not a regular file (a FIFO or a device)");
    errno = 0;
    std::ifstream in(path, std::ios::binary);
    if (!in.is_open())
        throw FileError(path, 0, "cannot open: " + errorText(errno != 0 ? errno : EACCES));
    return in;
}

bool nextLine(std::istream& in, std::string& line, const std::string& fileName, int& lineNo,
              bool* ended) {
    // Character by character, as a line may end in CR alone (older Mac editors), CR LF
    // (what the program writes) or LF; a line of more than MaxLineLength characters is
    // refused as soon as it is longer, so a hostile file is never held whole.
    const std::istream::sentry ready(in, true);
    if (!ready) {
        if (in.bad()) throw FileError(fileName, lineNo + 1, "cannot read the file");
        return false;
    }
    using Traits = std::char_traits<char>;
    std::streambuf& buffer = *in.rdbuf();
    line.clear();
    bool any = false;
    bool lineEnd = false;
    try {
        for (;;) {
            const Traits::int_type c = buffer.sbumpc();
            if (Traits::eq_int_type(c, Traits::eof())) break;
            any = true;
            if (c == '\n') {
                lineEnd = true;
                break;
            }
            if (c == '\r') {
                // A CR that ends the file may be a CR LF cut short: the program's own files
                // end their lines so, and a file cut there must still read as cut.
                const Traits::int_type next = buffer.sgetc();
                if (next == '\n') buffer.sbumpc();
                lineEnd = !Traits::eq_int_type(next, Traits::eof());
                break;
            }
            if (line.size() == LineReader::MaxLineLength)
                throw FileError(fileName, lineNo + 1,
                                "line longer than " + std::to_string(LineReader::MaxLineLength) +
                                    " characters");
            line.push_back(Traits::to_char_type(c));
        }
    } catch (const FileError&) {
        throw;
    } catch (...) {
        throw FileError(fileName, lineNo + 1, "cannot read the file");
    }
    if (!lineEnd) in.setstate(std::ios::eofbit);
    if (!any) return false;
    ++lineNo;
    if (ended) *ended = lineEnd;
    return true;
}

bool skipBlank(std::istream& in, const std::string& fileName, int& lineNo) {
    for (;;) {
        const int c = in.peek();
        if (c == std::char_traits<char>::eof()) {
            if (in.bad()) throw FileError(fileName, lineNo + 1, "cannot read the file");
            return true;
        }
        if (c == '\n') {
            ++lineNo;
        } else if (c == '\r') {
            ++lineNo;
            in.get();
            if (in.peek() == '\n') in.get();  // CR LF is one line end, CR alone another
            continue;
        } else if (c != ' ' && c != '\t') {
            return false;
        }
        in.get();
    }
}

std::string_view firstToken(std::string_view line) {
    std::size_t start = 0;
    while (start < line.size() && isBlank(line[start])) ++start;
    std::size_t end = start;
    while (end < line.size() && !isBlank(line[end])) ++end;
    return line.substr(start, end - start);
}

bool parseFiniteReal(std::string_view text, double& value) {
    const auto [ptr, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    return ec == std::errc() && ptr == text.data() + text.size() && std::isfinite(value);
}

std::vector<std::string_view> tokensOf(std::string_view line) {
    std::vector<std::string_view> out;
    std::size_t i = 0;
    while (i < line.size()) {
        while (i < line.size() && isBlank(line[i])) ++i;
        const std::size_t start = i;
        while (i < line.size() && !isBlank(line[i])) ++i;
        if (i > start) out.push_back(line.substr(start, i - start));
    }
    return out;
}

namespace {

// from_chars takes no "+", but people (and other programs) write one.
bool dropPlus(std::string_view& token) {
    if (token.empty() || token[0] != '+') return true;
    token.remove_prefix(1);
    return !token.empty() && token[0] != '-' && token[0] != '+';
}

}  // namespace

ParseResult parseInt(std::string_view token, std::int32_t& value) {
    if (!dropPlus(token)) return ParseResult::Malformed;
    const char* end = token.data() + token.size();
    const auto [ptr, ec] = std::from_chars(token.data(), end, value);
    if (ptr != end) return ParseResult::Malformed;
    if (ec == std::errc::result_out_of_range) return ParseResult::OutOfRange;
    return ec == std::errc{} ? ParseResult::Ok : ParseResult::Malformed;
}

ParseResult parseReal(std::string_view token, double& value) {
    if (!dropPlus(token)) return ParseResult::Malformed;
    const char* end = token.data() + token.size();
    double parsed = 0.0;
    const auto [ptr, ec] = std::from_chars(token.data(), end, parsed);
    if (ptr != end) return ParseResult::Malformed;
    if (ec == std::errc::result_out_of_range) return ParseResult::OutOfRange;
    if (ec != std::errc{} || !std::isfinite(parsed)) return ParseResult::Malformed;
    value = parsed;
    return ParseResult::Ok;
}

std::string badToken(std::string_view what, std::string_view token, ParseResult result) {
    constexpr std::size_t shown = 40;
    std::string message = "expected ";
    message += what;
    message += ", found \"";
    for (std::size_t i = 0; i < token.size() && i < shown; ++i) {
        const auto byte = static_cast<unsigned char>(token[i]);
        message += byte < 0x20 || byte >= 0x7f ? '?' : token[i];
    }
    if (token.size() > shown) message += "...";
    message += '"';
    if (result == ParseResult::OutOfRange) message += " (out of range)";
    return message;
}

}  // namespace fileio

LineReader::LineReader(std::istream& in, std::string fileName)
    : m_in(in), m_fileName(std::move(fileName)) {}

std::string LineReader::readLine(const char* what) {
    const bool first = m_line == 0;
    std::string line;
    if (!fileio::nextLine(m_in, line, m_fileName, m_line, &m_lineEnded))
        throw FileError(m_fileName, m_line + 1,
                        std::string("unexpected end of file, expected ") + what);
    if (first && line.starts_with(ByteOrderMark)) line.erase(0, ByteOrderMark.size());
    return line;
}

std::int32_t LineReader::readInt(const char* what) {
    std::string line;
    for (;;) {
        line = readLine(what);
        const std::string_view token = fileio::firstToken(line);
        if (token.empty()) continue;
        std::int32_t value = 0;
        const auto result = fileio::parseInt(token, value);
        if (result != fileio::ParseResult::Ok) fail(fileio::badToken(what, token, result));
        return value;
    }
}

double LineReader::readReal(const char* what) {
    std::string line;
    for (;;) {
        line = readLine(what);
        const std::string_view token = fileio::firstToken(line);
        if (token.empty()) continue;
        double value = 0.0;
        const auto result = fileio::parseReal(token, value);
        if (result != fileio::ParseResult::Ok) fail(fileio::badToken(what, token, result));
        return value;
    }
}

bool LineReader::atEnd() {
    return fileio::skipBlank(m_in, m_fileName, m_line);
}

void LineReader::fail(const std::string& reason) const {
    throw FileError(m_fileName, m_line, reason);
}

std::ifstream openTextFile(const std::string& path) {
    return fileio::openInput(path);
}

}  // namespace zentova
