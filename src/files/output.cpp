#include "files/output.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/random.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <mutex>
#include <utility>

#include "files/fileerror.h"
#include "files/fileio.h"
#include "model/project.h"

namespace zentova {

namespace {

namespace fs = std::filesystem;

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

namespace {

// True when both paths name one file: the same file when both exist, else the same place.
bool sameFile(const std::string& a, const std::string& b) {
    struct stat sa {
    }, sb{};
    const bool aExists = ::stat(a.c_str(), &sa) == 0;
    const bool bExists = ::stat(b.c_str(), &sb) == 0;
    if (aExists && bExists) return sa.st_dev == sb.st_dev && sa.st_ino == sb.st_ino;
    if (aExists != bExists) return false;
    std::error_code ea, eb;
    const fs::path pa = fs::weakly_canonical(fs::absolute(a, ea), ea);
    const fs::path pb = fs::weakly_canonical(fs::absolute(b, eb), eb);
    return !ea && !eb && pa == pb;
}

[[noreturn]] void refuse(const std::string& path, const std::string& reason) {
    throw FileError(path, 0, reason);
}

}  // namespace

OutputPolicy commandPolicy(const std::string& projectPath, bool overwrite) {
    const std::string stem = baseNameOf(projectPath);
    return {overwrite, {projectPath, stem + ".his", stem + ".sta", stem + ".readings.csv"}};
}

void checkOutputTarget(const std::string& path, const OutputPolicy& policy) {
    for (const std::string& own : policy.ownFiles)
        if (sameFile(path, own))
            refuse(path, "is " + own +
                             ", one of the files of the project read, which no command writes "
                             "over; choose another name");
    struct stat info {};
    // Nothing there, or a folder that cannot be looked into: making the temporary says which.
    if (::lstat(path.c_str(), &info) != 0) return;
    if (S_ISLNK(info.st_mode)) {
        if (policy.overwrite) return;  // the rename replaces the link itself
        refuse(path,
               "is a symbolic link, which is never written through; --overwrite replaces the "
               "link itself");
    }
    if (S_ISDIR(info.st_mode)) refuse(path, "is a folder, not a file");
    if (S_ISFIFO(info.st_mode)) refuse(path, "is a FIFO (named pipe), not a file");
    if (S_ISCHR(info.st_mode) || S_ISBLK(info.st_mode)) refuse(path, "is a device, not a file");
    if (!S_ISREG(info.st_mode)) refuse(path, "is not a regular file");
    if (!policy.overwrite) refuse(path, "already exists; --overwrite replaces it");
}

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

OutputFile::OutputFile(std::string path, const OutputPolicy& policy, Leftovers leftovers)
    : m_path(std::move(path)), m_policy(policy) {
    checkOutputTarget(m_path, m_policy);
    // A kill between making the temporary and renaming it leaves it behind; the next write
    // of the same file clears such remains, before it needs room of its own.
    if (leftovers == Leftovers::Remove) removeStaleTemporaries(m_path);
    m_fd = fileio::makeTemporary(m_path, m_temporary);
    fileio::holdTemporary(m_temporary);
}

OutputFile::~OutputFile() {
    discard();
}

void OutputFile::write(std::string_view bytes) {
    if (m_fd < 0) throw FileError(m_path, 0, "cannot write: the file is not open");
    if (!fileio::writeAll(m_fd, bytes.data(), bytes.size())) {
        const int error = errno;
        discard();
        throw FileError(m_path, 0, "cannot write: " + fileio::errorText(error));
    }
}

void OutputFile::closeTemporary() {
    if (m_fd < 0) return;
    const int fd = m_fd;
    m_fd = -1;
    if (::close(fd) != 0) {
        const int error = errno;
        discard();
        throw FileError(m_path, 0, "cannot write: " + fileio::errorText(error));
    }
}

void OutputFile::rename() {
    if (m_ended) throw FileError(m_path, 0, "cannot write: the file was given up");
    int result = -1;
    if (!m_policy.overwrite) {
        // Nothing that appeared at the target meanwhile is replaced.
        result =
            ::renameat2(AT_FDCWD, m_temporary.c_str(), AT_FDCWD, m_path.c_str(), RENAME_NOREPLACE);
        if (result != 0 && errno == EEXIST) {
            discard();
            checkOutputTarget(m_path, m_policy);  // says what is there
            throw FileError(m_path, 0, "already exists; --overwrite replaces it");
        }
    }
    if (result != 0) {
        // With --overwrite, or on a file system without an exclusive rename.
        try {
            checkOutputTarget(m_path, m_policy);
        } catch (...) {
            discard();
            throw;
        }
        result = ::rename(m_temporary.c_str(), m_path.c_str());
    }
    if (result != 0) {
        const int error = errno;
        discard();
        throw FileError(m_path, 0, "cannot write: " + fileio::errorText(error));
    }
    m_ended = true;
    fileio::releaseTemporary(m_temporary);
}

void OutputFile::commit() {
    closeTemporary();
    rename();
}

void OutputFile::discard() {
    if (m_ended) return;
    if (m_fd >= 0) ::close(m_fd);
    m_fd = -1;
    ::unlink(m_temporary.c_str());
    fileio::releaseTemporary(m_temporary);
    m_ended = true;
}

OutputSet::OutputSet(OutputPolicy policy) : m_policy(std::move(policy)) {}

OutputSet::~OutputSet() {
    if (!m_committed) discard();
}

void OutputSet::makeFolder(const std::string& folder) {
    fs::path wanted = fs::path(folder).lexically_normal();
    if (!wanted.has_filename() && wanted.has_parent_path()) wanted = wanted.parent_path();
    std::vector<fs::path> missing;
    for (fs::path p = wanted; !p.empty(); p = p.parent_path()) {
        struct stat info {};
        if (::stat(p.c_str(), &info) == 0) {
            if (!S_ISDIR(info.st_mode))
                refuse(folder, "cannot make the folder: a file of that name is in the way");
            break;
        }
        missing.push_back(p);
        if (p == p.parent_path()) break;
    }
    for (auto it = missing.rbegin(); it != missing.rend(); ++it) {
        if (::mkdir(it->c_str(), 0777) != 0) {
            if (errno == EEXIST) continue;
            refuse(folder, "cannot make the folder: " + fileio::errorText(errno));
        }
        m_madeFolders.push_back(it->string());
    }
}

OutputFile& OutputSet::add(const std::string& path) {
    m_files.push_back(std::make_unique<OutputFile>(path, m_policy));
    return *m_files.back();
}

void OutputSet::drop(OutputFile& file) {
    file.discard();
    std::erase_if(m_files,
                  [&](const std::unique_ptr<OutputFile>& held) { return held.get() == &file; });
}

void OutputSet::commit() {
    for (auto& file : m_files) file->closeTemporary();
    // Every target checked again before the first rename, so that one refused now leaves
    // the others as they were.
    for (auto& file : m_files) checkOutputTarget(file->path(), m_policy);
    for (auto& file : m_files) file->rename();
    m_committed = true;
}

void OutputSet::discard() {
    for (auto& file : m_files) file->discard();
    m_files.clear();
    for (auto it = m_madeFolders.rbegin(); it != m_madeFolders.rend(); ++it) ::rmdir(it->c_str());
    m_madeFolders.clear();
}

void writeOutputFile(const std::string& path, std::string_view content, const OutputPolicy& policy,
                     Leftovers leftovers) {
    OutputFile file(path, policy, leftovers);
    file.write(content);
    file.commit();
}

bool writeAllBytes(int fd, std::string_view bytes) {
    return fileio::writeAll(fd, bytes.data(), bytes.size());
}

}  // namespace zentova
