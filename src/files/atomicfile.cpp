#include "files/atomicfile.h"

#include <dirent.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <string_view>

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

namespace {

constexpr std::string_view TemporaryInfix = ".tmp-";
constexpr std::size_t TemporarySuffixLength = 6;  // mkstemp's XXXXXX

bool isTemporaryOf(std::string_view name, std::string_view target) {
    if (name.size() != target.size() + TemporaryInfix.size() + TemporarySuffixLength ||
        name.substr(0, target.size()) != target ||
        name.substr(target.size(), TemporaryInfix.size()) != TemporaryInfix)
        return false;
    for (const char c : name.substr(name.size() - TemporarySuffixLength)) {
        const bool alphanumeric =
            (c >= '0' && c <= '9') || (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
        if (!alphanumeric) return false;
    }
    return true;
}

}  // namespace

void removeStaleTemporaries(const std::string& path, long minimumAgeSeconds) {
    std::string folder = ".";
    std::string target = path;
    if (const std::size_t slash = path.rfind('/'); slash != std::string::npos) {
        folder = slash == 0 ? "/" : path.substr(0, slash);
        target = path.substr(slash + 1);
    }
    DIR* dir = ::opendir(folder.c_str());
    if (!dir) return;  // the write itself will say what is wrong with the folder
    const std::time_t now = std::time(nullptr);
    while (const dirent* entry = ::readdir(dir)) {
        if (!isTemporaryOf(entry->d_name, target)) continue;
        const std::string leftover = folder + "/" + entry->d_name;
        struct stat info {};
        // Only plain files we could have made, and only old ones: a younger file may be
        // another process's write in progress.
        if (::lstat(leftover.c_str(), &info) != 0 || !S_ISREG(info.st_mode) ||
            now - info.st_mtime < minimumAgeSeconds)
            continue;
        ::unlink(leftover.c_str());  // best effort: a file we may not remove stays
    }
    ::closedir(dir);
}

void writeFileAtomically(const std::string& path, const std::string& content, Leftovers leftovers) {
    // A kill between mkstemp and rename leaves the temporary file behind; the next write of
    // the same file clears such remains, before it needs room of its own.
    if (leftovers == Leftovers::Remove) removeStaleTemporaries(path);
    // Beside the target, so that the rename stays within one file system.
    std::string temp = path + std::string(TemporaryInfix) + "XXXXXX";
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
