#include "files/trajectory.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <fstream>
#include <iterator>
#include <optional>
#include <utility>

#include "files/fileerror.h"
#include "files/fileio.h"
#include "files/numformat.h"

namespace zentova {

void appendFrameText(std::string& out, int n, double time, const ParticleState& particles) {
    const int count = std::clamp(n, 0, MaxParticles);
    appendInt(out, count);
    out += LineEnd;
    appendFixed(out, time);
    out += LineEnd;
    for (int p = 1; p <= count; ++p) {
        for (int c = 0; c < 3; ++c) {
            appendFixed(out, particles.position(p, c));
            out += LineEnd;
        }
        appendInt(out, particles.type[p]);
        out += LineEnd;
    }
}

namespace {

// Where the whole frames end when the trajectory ends in the remains of a frame (cut short by
// another program, a crash or a disk error); nothing when it is readable to its end. Throws
// FileError, leaving the file to the user, when no frame before the damage is whole or a
// frame's worth of lines follows it: cutting there would lose more than one broken frame.
std::optional<std::streamoff> endOfWholeFrames(const std::string& path) {
    std::ifstream in = fileio::openInput(path);
    TrajectoryReader reader(in, path);
    Frame frame;
    std::streamoff end = 0;
    bool anyWhole = false;
    try {
        while (reader.readFrame(frame)) {
            end = in.tellg();
            anyWhole = true;
        }
        return std::nullopt;
    } catch (const FileError& error) {
        const FileError refusal(path, error.line(),
                                error.reason() + "; not appended: new frames would not be read");
        if (!anyWhole || in.bad()) throw refusal;
        in.clear();
        in.seekg(end);
        const auto lineEnds =
            std::count(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>(), '\n');
        if (in.bad() || lineEnds >= 2 + 4 * frame.count) throw refusal;
        return end;
    }
}

}  // namespace

TrajectoryWriter::~TrajectoryWriter() {
    close();
}

void TrajectoryWriter::open(const std::string& path, bool append) {
    close();
    const int flags = O_WRONLY | O_CREAT | O_APPEND | O_CLOEXEC | (append ? 0 : O_TRUNC);
    const int fd = ::open(path.c_str(), flags, 0644);
    if (fd < 0) throw FileError(path, 0, "cannot open: " + fileio::errorText(errno));
    if (append) {
        // Frames after a broken one could not be read back: cut the broken one off first.
        try {
            const auto end = endOfWholeFrames(path);
            if (end && ::ftruncate(fd, *end) != 0)
                throw FileError(
                    path, 0, "cannot cut off the damaged last frame: " + fileio::errorText(errno));
        } catch (...) {
            ::close(fd);
            throw;
        }
    }
    m_path = path;
    m_fd = fd;
}

void TrajectoryWriter::writeFrame(int n, double time, const ParticleState& particles) {
    if (m_fd < 0) throw FileError(m_path, 0, "cannot write: the file is not open");
    m_buffer.clear();
    appendFrameText(m_buffer, n, time, particles);

    struct stat before {};
    if (::fstat(m_fd, &before) != 0)
        throw FileError(m_path, 0, "cannot write: " + fileio::errorText(errno));
    // One write() per frame straight to the kernel: nothing waits in a user-space buffer,
    // so a process that is killed leaves whole frames behind.
    if (!fileio::writeAll(m_fd, m_buffer.data(), m_buffer.size())) {
        const int error = errno;
        // A full disk may take part of the frame; cut it off so that readers only ever
        // see whole frames. Nothing more can be done if that fails too.
        const int cut = ::ftruncate(m_fd, before.st_size);
        static_cast<void>(cut);
        throw FileError(m_path, 0, "cannot write: " + fileio::errorText(error));
    }
}

void TrajectoryWriter::close() {
    if (m_fd < 0) return;
    ::close(m_fd);
    m_fd = -1;
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

// Reads the values of one frame; the descriptions for messages are built only on failure,
// as this runs for every value of a long trajectory.
class FrameScanner {
  public:
    FrameScanner(std::istream& in, const std::string& fileName, int& line)
        : m_in(in), m_fileName(fileName), m_line(line), m_frameStart(line + 1) {}

    std::int32_t readInt(Field field, int particle) {
        const std::string_view token = nextToken(field, particle);
        std::int32_t value = 0;
        const auto result = fileio::parseInt(token, value);
        if (result != fileio::ParseResult::Ok)
            fail(fileio::badToken(describe(field, particle), token, result));
        return value;
    }

    double readReal(Field field, int particle) {
        const std::string_view token = nextToken(field, particle);
        double value = 0.0;
        const auto result = fileio::parseReal(token, value);
        if (result != fileio::ParseResult::Ok)
            fail(fileio::badToken(describe(field, particle), token, result));
        return value;
    }

    [[noreturn]] void fail(const std::string& reason) const {
        throw FileError(m_fileName, m_line, reason);
    }

    // False when the line last read ended the file without a line end (see LineReader).
    bool lineEnded() const { return m_lineEnded; }

  private:
    std::string_view nextToken(Field field, int particle) {
        for (;;) {
            if (!fileio::nextLine(m_in, m_text, m_fileName, m_line, &m_lineEnded))
                throw FileError(m_fileName, m_line + 1,
                                "unexpected end of file in the frame that starts on line " +
                                    std::to_string(m_frameStart) + ", expected " +
                                    describe(field, particle));
            const std::string_view token = fileio::firstToken(m_text);
            if (!token.empty()) return token;
        }
    }

    std::istream& m_in;
    const std::string& m_fileName;
    int& m_line;
    int m_frameStart;
    std::string m_text;
    bool m_lineEnded = true;
};

}  // namespace

TrajectoryReader::TrajectoryReader(std::istream& in, std::string fileName)
    : m_in(in), m_fileName(std::move(fileName)) {}

bool TrajectoryReader::readFrame(Frame& frame) {
    if (fileio::skipBlank(m_in, m_fileName, m_line)) return false;
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
    if (!scanner.lineEnded())
        scanner.fail("the file ends inside this line: the frame was cut short");
    frame = next;
    return true;
}

}  // namespace zentova
