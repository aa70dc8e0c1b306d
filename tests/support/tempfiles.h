#pragma once

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>

#include "files/fileerror.h"

namespace zentova::testing {

// The what() of the FileError `action` throws, or a note that it threw none.
template <typename Action>
std::string fileErrorOf(Action&& action) {
    try {
        action();
    } catch (const FileError& error) {
        return error.what();
    }
    return "(no FileError)";
}

// A fresh directory, removed with everything in it at the end of the test.
class TempDir {
  public:
    TempDir() {
        std::string pattern =
            (std::filesystem::temp_directory_path() / "zentova-files-XXXXXX").string();
        m_path = ::mkdtemp(pattern.data());
    }
    ~TempDir() { std::filesystem::remove_all(m_path); }
    std::string file(const std::string& name) const { return m_path + "/" + name; }
    const std::string& path() const { return m_path; }

  private:
    std::string m_path;
};

inline std::string readBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

inline void writeBytes(const std::string& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary) << bytes;
}

// Runs `action` in a child process whose files may not grow beyond `limit` bytes (a full
// disk that even root cannot ignore) and returns the child's exit code, or -1.
template <typename Action>
int exitCodeWithFileSizeLimit(rlim_t limit, Action&& action) {
    const pid_t child = fork();
    if (child < 0) return -1;
    if (child == 0) {
        std::signal(SIGXFSZ, SIG_IGN);  // an error return instead of the signal
        const rlimit size{limit, limit};
        _exit(setrlimit(RLIMIT_FSIZE, &size) == 0 ? action() : 100);
    }
    int status = 0;
    if (waitpid(child, &status, 0) != child || !WIFEXITED(status)) return -1;
    return WEXITSTATUS(status);
}

}  // namespace zentova::testing
