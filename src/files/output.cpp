#include "files/output.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <utility>

#include "files/fileerror.h"
#include "files/fileio.h"
#include "model/project.h"

namespace zentova {

namespace {

namespace fs = std::filesystem;

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
