#include "files/trajectory.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <fstream>
#include <optional>
#include <string_view>
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

std::string behindText(double finalStateTime, double lastFrameTime) {
    char text[320];
    std::snprintf(text, sizeof text,
                  "its last frame (t = %.3f) is later than the final state (t = %.3f); nothing "
                  "was appended, as the new frames would go back in time; overwriting starts "
                  "afresh",
                  lastFrameTime, finalStateTime);
    return text;
}

}  // namespace

FinalStateBehind::FinalStateBehind(const std::string& path, double finalStateTime,
                                   double lastFrameTime)
    : FileError(path, 0, behindText(finalStateTime, lastFrameTime)),
      m_finalStateTime(finalStateTime),
      m_lastFrameTime(lastFrameTime) {}

AppendCut planAppend(const std::string& path, std::optional<double> finalStateTime) {
    std::ifstream in = fileio::openInput(path);
    TrajectoryReader reader(in, path);
    Frame frame;
    AppendCut cut;
    const auto refuse = [&](int line, const std::string& reason) {
        return FileError(path, line, reason + "; not appended: new frames would not be read");
    };
    try {
        for (;;) {
            const std::streamoff before = in.tellg();
            if (!reader.readFrame(frame)) {
                cut.keepBytes = static_cast<std::uint64_t>(before);
                break;
            }
            cut.lastFrameTime = frame.time;
            if (finalStateTime && frame.time > *finalStateTime + WrittenTimeRounding) {
                ++cut.laterFrames;
            } else if (cut.laterFrames == 0) {
                ++cut.keptFrames;
                cut.lastKeptTime = frame.time;
            }
        }
    } catch (const FileError& error) {
        throw refuse(error.line(), error.reason());
    }
    if (in.bad()) throw refuse(0, "cannot read the file");
    cut.partialFrameLine = reader.partialFrameLine();
    if (cut.partialFrameLine > 0 && cut.keptFrames + cut.laterFrames == 0)
        throw refuse(cut.partialFrameLine, "the file holds no whole frame, only one cut short");
    if (cut.partialFrameLine == 0) {
        // Nothing to cut: blank lines after the last frame stay as they are.
        in.clear();
        in.seekg(0, std::ios::end);
        cut.keepBytes = static_cast<std::uint64_t>(in.tellg());
    }
    return cut;
}

TrajectoryWriter::~TrajectoryWriter() {
    close();
}

namespace {

bool sameInode(const struct stat& a, const struct stat& b) {
    return a.st_dev == b.st_dev && a.st_ino == b.st_ino;
}

}  // namespace

void TrajectoryWriter::claim(const std::string& path) {
    close();
    // A run that removed the file between our open and our lock leaves us holding a file
    // that no longer has the name; a few tries find the one that has it.
    constexpr int Attempts = 3;
    for (int attempt = 1;; ++attempt) {
        bool created = false;
        // Never through a link (that would write over whatever it points to), and without
        // waiting on a FIFO.
        constexpr int Flags = O_RDWR | O_APPEND | O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK;
        int fd = ::open(path.c_str(), Flags | O_CREAT | O_EXCL, 0644);
        if (fd >= 0)
            created = true;
        else if (errno == EEXIST)
            fd = ::open(path.c_str(), Flags);
        if (fd < 0 && errno == ELOOP)
            throw FileError(path, 0,
                            "is a symbolic link; a trajectory is never written through one");
        if (fd < 0) throw FileError(path, 0, "cannot open: " + fileio::errorText(errno));
        struct stat held {};
        if (::fstat(fd, &held) != 0 || !S_ISREG(held.st_mode)) {
            ::close(fd);
            throw FileError(path, 0,
                            "is not a regular file (a FIFO or a device); a trajectory must be one");
        }
        ::fcntl(fd, F_SETFL, O_APPEND);  // writes wait for the disk again
        bool locked = true;
        if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
            if (errno == EWOULDBLOCK) {
                // Readers share the lock; a calculation holds it alone.
                const bool byReader = ::flock(fd, LOCK_SH | LOCK_NB) == 0;
                ::close(fd);
                throw TrajectoryBusy(path, byReader);
            }
            // Where the file system has no locks, the run goes on unguarded, and says so.
            locked = false;
        }
        struct stat named {};
        if (::lstat(path.c_str(), &named) == 0 && sameInode(named, held)) {
            m_path = path;
            m_fd = fd;
            m_created = created;
            m_unlocked = !locked;
            return;
        }
        ::close(fd);
        if (attempt == Attempts)
            throw FileError(path, 0, "was removed or replaced while it was opened; try again");
    }
}

void TrajectoryWriter::checkStillNamed() const {
    struct stat held {
    }, named{};
    if (m_fd >= 0 && ::fstat(m_fd, &held) == 0 && ::lstat(m_path.c_str(), &named) == 0 &&
        sameInode(held, named))
        return;
    throw FileError(m_path, 0,
                    "was removed or replaced during the run; the run stops, so that it writes "
                    "over no other run's files");
}

std::uint64_t TrajectoryWriter::size() const {
    struct stat status {};
    if (m_fd < 0 || ::fstat(m_fd, &status) != 0)
        throw FileError(m_path, 0, "cannot read: " + fileio::errorText(errno));
    return static_cast<std::uint64_t>(status.st_size);
}

void TrajectoryWriter::cutTo(std::uint64_t size) {
    // Devices and pipes cannot be cut, and need not be when nothing lies beyond `size`.
    if (this->size() <= size) return;
    if (::ftruncate(m_fd, static_cast<off_t>(size)) != 0)
        throw FileError(m_path, 0, "cannot cut the file short: " + fileio::errorText(errno));
}

AppendCut TrajectoryWriter::cutForAppend(std::optional<double> finalStateTime) {
    // A file this run made holds nothing to read or cut.
    if (m_created) return {};
    // Read whole before anything is cut: a damaged file is refused untouched, and so is one
    // that goes on past the final state, whose frames no append may follow.
    const AppendCut cut = planAppend(m_path, finalStateTime);
    if (cut.laterFrames > 0) throw FinalStateBehind(m_path, *finalStateTime, cut.lastFrameTime);
    cutTo(cut.keepBytes);
    return cut;
}

void TrajectoryWriter::open(const std::string& path, bool append) {
    claim(path);
    try {
        if (append)
            cutForAppend(std::nullopt);
        else
            cutTo(0);
    } catch (...) {
        abandon();
        throw;
    }
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
    m_created = false;
    m_unlocked = false;
}

void TrajectoryWriter::abandon() {
    // Removed while still held, so that no other run can have taken it meanwhile.
    if (m_fd >= 0 && m_created) ::unlink(m_path.c_str());
    close();
}

}  // namespace zentova
