#include "files/trajectoryreader.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <string_view>
#include <utility>

#include "files/fileerror.h"
#include "files/fileio.h"
#include "files/numformat.h"

namespace zentova {

std::ifstream openTrajectory(const std::string& path) {
    return fileio::openInput(path);
}

std::string partialFrameNote(int line) {
    return "the frame cut short at line " + std::to_string(line) + " was left out";
}

TrajectoryReadLock::TrajectoryReadLock(const std::string& path) {
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK);
    if (fd < 0) return;
    struct stat info {};
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode) || ::flock(fd, LOCK_SH | LOCK_NB) != 0) {
        ::close(fd);
        return;
    }
    m_fd = fd;
}

TrajectoryReadLock::~TrajectoryReadLock() {
    if (m_fd >= 0) ::close(m_fd);
}

namespace {

enum class Field { Count, Time, X, Y, Z, Type };

std::string describe(Field field, int particle) {
    const std::string of = " of particle " + std::to_string(particle);
    switch (field) {
        case Field::Count:
            return "the particle count";
        case Field::Time:
            return "the time";
        case Field::X:
            return "the x coordinate" + of;
        case Field::Y:
            return "the y coordinate" + of;
        case Field::Z:
            return "the z coordinate" + of;
        case Field::Type:
            return "the type" + of;
    }
    return {};
}

// A frame that the end of the file cut short: thrown by the scanner, caught by the reader.
struct CutShort {};

// What a write cut off inside a value leaves on the last line: part of a number, or the
// zeros a crash leaves where data did not reach the disk. Anything else there is damage.
bool looksCutOff(std::string_view text) {
    return text.find_first_not_of(std::string_view(" \t+-.0123456789eE\0", 18)) ==
           std::string_view::npos;
}

// Reads the values of one frame; the descriptions for messages are built only on failure,
// as this runs for every value of a long trajectory.
class FrameScanner {
  public:
    FrameScanner(std::istream& in, const std::string& fileName, int& line)
        : m_in(in), m_fileName(fileName), m_line(line) {}

    std::int32_t readInt(Field field, int particle) {
        const std::string_view token = nextToken();
        std::int32_t value = 0;
        const auto result = fileio::parseInt(token, value);
        if (result != fileio::ParseResult::Ok)
            fail(fileio::badToken(describe(field, particle), token, result));
        return value;
    }

    double readReal(Field field, int particle) {
        const std::string_view token = nextToken();
        double value = 0.0;
        const auto result = fileio::parseReal(token, value);
        if (result != fileio::ParseResult::Ok)
            fail(fileio::badToken(describe(field, particle), token, result));
        return value;
    }

    // A bad value on a last line that lost its end is a frame cut short, not damage.
    [[noreturn]] void fail(const std::string& reason) const {
        if (!m_lineEnded && looksCutOff(m_text)) throw CutShort{};
        throw FileError(m_fileName, m_line, reason);
    }

    // False when the line last read ended the file without a line end (see LineReader).
    bool lineEnded() const { return m_lineEnded; }

  private:
    std::string_view nextToken() {
        for (;;) {
            if (!fileio::nextLine(m_in, m_text, m_fileName, m_line, &m_lineEnded)) throw CutShort{};
            const std::string_view token = fileio::firstToken(m_text);
            if (!token.empty()) return token;
        }
    }

    std::istream& m_in;
    const std::string& m_fileName;
    int& m_line;
    std::string m_text;
    bool m_lineEnded = true;
};

}  // namespace

TrajectoryReader::TrajectoryReader(std::istream& in, std::string fileName)
    : m_in(in), m_fileName(std::move(fileName)) {}

bool TrajectoryReader::readFrame(Frame& frame) {
    if (m_partialLine > 0 || fileio::skipBlank(m_in, m_fileName, m_line)) return false;
    const int frameStart = m_line + 1;
    try {
        readWholeFrame(frame);
        return true;
    } catch (const CutShort&) {
        m_partialLine = frameStart;
        return false;
    }
}

void TrajectoryReader::readWholeFrame(Frame& frame) {
    FrameScanner scanner(m_in, m_fileName, m_line);

    // Filled aside, so that a damaged frame leaves the caller's frame as it was.
    Frame next;
    next.count = scanner.readInt(Field::Count, 0);
    if (next.count < 0)
        scanner.fail("a frame of " + std::to_string(next.count) +
                     " particles, the count cannot be negative");
    if (next.count > MaxParticles)
        scanner.fail("a frame of " + std::to_string(next.count) + " particles, at most " +
                     std::to_string(MaxParticles) + " are allowed");
    next.time = scanner.readReal(Field::Time, 0);
    for (int p = 1; p <= next.count; ++p) {
        next.positions[3 * p] = scanner.readReal(Field::X, p);
        next.positions[3 * p + 1] = scanner.readReal(Field::Y, p);
        next.positions[3 * p + 2] = scanner.readReal(Field::Z, p);
        const std::int32_t type = scanner.readInt(Field::Type, p);
        if (type < 1 || type > MaxTypes)
            scanner.fail("particle " + std::to_string(p) + " has type " + std::to_string(type) +
                         ", types run from 1 to " + std::to_string(MaxTypes));
        next.types[p] = static_cast<std::uint8_t>(type);
    }
    // The writer ends every line; a frame whose last line lost its end was cut short inside
    // that line (a write interrupted by a kill), and its last value may be cut too.
    if (!scanner.lineEnded()) throw CutShort{};
    frame = next;
}

}  // namespace zentova
