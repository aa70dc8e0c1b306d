#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include "files/fileio.h"
#include "files/trajectoryreader.h"

namespace zentova {

namespace {

// Opens without waiting on a FIFO or a device, and refuses all but a regular file.
int openRegular(const std::string& path) {
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0) throw FileError(path, 0, "cannot open: " + fileio::errorText(errno));
    struct stat info {};
    const bool known = ::fstat(fd, &info) == 0;
    const int error = errno;
    if (!known || !S_ISREG(info.st_mode)) {
        ::close(fd);
        if (!known) throw FileError(path, 0, "cannot open: " + fileio::errorText(error));
        if (S_ISDIR(info.st_mode))
            throw FileError(path, 0, "cannot open: " + fileio::errorText(EISDIR));
        throw FileError(path, 0, "cannot open: not a regular file (a FIFO or a device)");
    }
    ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
    return fd;
}

}  // namespace

TrajectoryInput::TrajectoryInput(const std::string& path)
    : m_fd(openRegular(path)), m_buffer(m_fd, path), m_stream(&m_buffer) {
    // Shared, as every reader's: a calculation that starts now would empty the file under
    // the read; one already appending keeps an exclusive hold, and the read goes on without.
    m_held = ::flock(m_fd, LOCK_SH | LOCK_NB) == 0;
}

TrajectoryInput::~TrajectoryInput() {
    ::close(m_fd);
}

TrajectoryInput::Buffer::int_type TrajectoryInput::Buffer::underflow() {
    if (gptr() < egptr()) return traits_type::to_int_type(*gptr());
    ssize_t got = 0;
    do got = ::read(m_fd, m_bytes.data(), m_bytes.size());
    while (got < 0 && errno == EINTR);
    if (got < 0) throw FileError(m_path, 0, "cannot read: " + fileio::errorText(errno));
    if (got == 0) return traits_type::eof();
    setg(m_bytes.data(), m_bytes.data(), m_bytes.data() + got);
    return traits_type::to_int_type(*gptr());
}

}  // namespace zentova
