#include "files/temporaries.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/random.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <cstdlib>
#include <ctime>
#include <mutex>
#include <string>
#include <utility>
#include <vector>

#include "files/fileerror.h"
#include "files/fileio.h"

namespace zentova {

namespace {

// A temporary is "." + TARGET + ".zentova.tmp-" + eight random letters or digits + four
// that check them against the target's name: hidden beside its target, the program's name
// in it, and a form that no name chosen by hand takes by chance, so that a sweep never
// takes a user's "o.xyz.tmp-backup".
constexpr std::string_view TemporaryMark = ".zentova.tmp-";
constexpr std::size_t RandomLength = 8;
constexpr std::size_t CheckLength = 4;
constexpr std::string_view SuffixLetters =
    "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";

bool isAlphanumeric(char c) {
    return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

// FNV-1a over the target's name and the random part, in base 62.
std::string checkOf(std::string_view target, std::string_view random) {
    std::uint64_t hash = 0xcbf29ce484222325u;
    const auto mix = [&](std::string_view bytes) {
        for (const char c : bytes) {
            hash ^= static_cast<unsigned char>(c);
            hash *= 0x100000001b3u;
        }
    };
    mix(target);
    mix(std::string_view("/", 1));
    mix(random);
    std::string check;
    for (std::size_t k = 0; k < CheckLength; ++k) {
        check += SuffixLetters[hash % SuffixLetters.size()];
        hash /= SuffixLetters.size();
    }
    return check;
}

std::string temporaryNameOf(std::string_view target, std::string_view random) {
    std::string name(1, '.');
    name.append(target).append(TemporaryMark).append(random).append(checkOf(target, random));
    return name;
}

bool isTemporaryOf(std::string_view name, std::string_view target) {
    constexpr std::size_t Suffix = RandomLength + CheckLength;
    if (name.size() != 1 + target.size() + TemporaryMark.size() + Suffix || name[0] != '.' ||
        name.substr(1, target.size()) != target ||
        name.substr(1 + target.size(), TemporaryMark.size()) != TemporaryMark)
        return false;
    const std::string_view random = name.substr(name.size() - Suffix, RandomLength);
    return std::all_of(random.begin(), random.end(), isAlphanumeric) &&
           name.substr(name.size() - CheckLength) == checkOf(target, random);
}

// The folder part of `path` (with its "/", empty for none) and the name in it.
std::pair<std::string, std::string> splitPath(const std::string& path) {
    const std::size_t slash = path.rfind('/');
    if (slash == std::string::npos) return {std::string(), path};
    return {path.substr(0, slash + 1), path.substr(slash + 1)};
}

// The temporaries this process has open, removed should it end through exit() before they
// are committed or discarded (Qt ends the process so when the X server goes away).
class OpenTemporaries {
  public:
    static OpenTemporaries& instance() {
        static OpenTemporaries temporaries;
        return temporaries;
    }
    void add(const std::string& path) {
        std::lock_guard lock(m_mutex);
        m_paths.push_back(path);
        // Registered after the registry is made, so it runs before the registry goes.
        std::call_once(m_registered, [] { std::atexit(removeAll); });
    }
    void remove(const std::string& path) {
        std::lock_guard lock(m_mutex);
        m_paths.erase(std::remove(m_paths.begin(), m_paths.end(), path), m_paths.end());
    }

  private:
    static void removeAll() {
        OpenTemporaries& temporaries = instance();
        std::lock_guard lock(temporaries.m_mutex);
        for (const std::string& path : temporaries.m_paths) ::unlink(path.c_str());
        temporaries.m_paths.clear();
    }
    std::mutex m_mutex;
    std::vector<std::string> m_paths;
    std::once_flag m_registered;
};

}  // namespace

namespace fileio {

int makeTemporary(const std::string& path, std::string& temporary) {
    for (int attempt = 0; attempt < 100; ++attempt) {
        // The name of the last write first, when it is free again.
        if (attempt > 0 || temporary.empty()) {
            unsigned char random[RandomLength];
            if (::getrandom(random, sizeof random, 0) != static_cast<ssize_t>(sizeof random))
                throw FileError(path, 0, "cannot write: " + fileio::errorText(errno));
            std::string letters;
            for (const unsigned char r : random) letters += SuffixLetters[r % SuffixLetters.size()];
            temporary = temporaryPathOf(path, letters);
        }
        const int fd =
            ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600);
        if (fd < 0 && errno == EEXIST) continue;
        if (fd < 0) throw FileError(path, 0, "cannot write: " + fileio::errorText(errno));
        // A written file is an ordinary one, whatever the umask of the moment.
        if (::fchmod(fd, 0644) != 0) {
            const int error = errno;
            ::close(fd);
            ::unlink(temporary.c_str());
            throw FileError(path, 0, "cannot write: " + fileio::errorText(error));
        }
        // Where the file system has no locks, the age of a leftover decides alone.
        static_cast<void>(::flock(fd, LOCK_EX | LOCK_NB));
        return fd;
    }
    throw FileError(path, 0, "cannot write: no free temporary name beside it");
}

void holdTemporary(const std::string& temporary) {
    OpenTemporaries::instance().add(temporary);
}

void releaseTemporary(const std::string& temporary) {
    OpenTemporaries::instance().remove(temporary);
}

}  // namespace fileio

std::string temporaryPathOf(const std::string& path, std::string_view random) {
    const auto [folder, target] = splitPath(path);
    return folder + temporaryNameOf(target, random);
}

void removeStaleTemporaries(const std::string& path, long minimumAgeSeconds) {
    auto [folder, target] = splitPath(path);
    if (folder.empty()) folder = "./";
    DIR* dir = ::opendir(folder.c_str());
    if (!dir) return;  // the write itself will say what is wrong with the folder
    const std::time_t now = std::time(nullptr);
    while (const dirent* entry = ::readdir(dir)) {
        if (!isTemporaryOf(entry->d_name, target)) continue;
        const std::string leftover = folder + entry->d_name;
        // Only plain files we could have made, never through a link, without waiting on a FIFO.
        const int fd = ::open(leftover.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
        if (fd < 0) continue;
        struct stat info {};
        // ...and only what this user could have made: theirs, and under no other name.
        const bool plain = ::fstat(fd, &info) == 0 && S_ISREG(info.st_mode) &&
                           info.st_uid == ::geteuid() && info.st_nlink == 1;
        // A writer holds its temporary locked; one that nobody holds was left by a kill.
        const int locked = ::flock(fd, LOCK_EX | LOCK_NB);
        const bool held = locked != 0 && errno == EWOULDBLOCK;
        const long age = locked == 0 || minimumAgeSeconds == 0
                             ? minimumAgeSeconds
                             : std::max(minimumAgeSeconds, StaleTemporaryAgeWithoutLocks);
        if (plain && !held && now - info.st_mtime >= age)
            ::unlink(leftover.c_str());  // best effort: a file we may not remove stays
        ::close(fd);
    }
    ::closedir(dir);
}

}  // namespace zentova
