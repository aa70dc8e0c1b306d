#include "files/atomicfile.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>

#include "files/fileerror.h"
#include "files/fileio.h"

namespace zentova {

namespace fileio {

std::string errorText(int error) {
    return std::strerror(error);
}

bool writeAll(int fd, const char* data, std::size_t size) {
    while (size > 0) {
        const ssize_t written = ::write(fd, data, size);
        if (written < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        if (written == 0) {  // no progress and no error: treat as a full device
            errno = ENOSPC;
            return false;
        }
        data += written;
        size -= static_cast<std::size_t>(written);
    }
    return true;
}

}  // namespace fileio

void writeFileAtomically(const std::string& path, const std::string& content) {
    // Beside the target, so that the rename stays within one file system.
    std::string temp = path + ".tmp-XXXXXX";
    const int fd = ::mkstemp(temp.data());
    if (fd < 0) throw FileError(path, 0, "cannot write: " + fileio::errorText(errno));

    // mkstemp creates the file private to its owner; a saved file is an ordinary one.
    bool ok = ::fchmod(fd, 0644) == 0 && fileio::writeAll(fd, content.data(), content.size());
    int error = ok ? 0 : errno;
    if (::close(fd) != 0 && ok) {
        ok = false;
        error = errno;
    }
    if (ok && ::rename(temp.c_str(), path.c_str()) != 0) {
        ok = false;
        error = errno;
    }
    if (!ok) {
        ::unlink(temp.c_str());
        throw FileError(path, 0, "cannot write: " + fileio::errorText(error));
    }
}

bool fileExists(const std::string& path) {
    struct stat info {};
    return ::stat(path.c_str(), &info) == 0;
}

}  // namespace zentova
