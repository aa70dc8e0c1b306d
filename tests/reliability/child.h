#pragma once

#include <sys/resource.h>
#include <sys/types.h>

#include <string>
#include <vector>

#include "support/program.h"

namespace zentova::testing {

// How a child process ended: its exit code, or minus the signal that ended it; -1000 when
// it had to be stopped after its time ran out. `err` is what it wrote to standard error.
struct Outcome {
    int status = -1000;
    std::string err;
};

// A program run as a child process in a folder of its own, its standard error collected.
class Child {
  public:
    // The zentova executable (ZENTOVA_EXE, else the one of this build tree) with `args`.
    // Its files may not grow beyond `fileSizeLimit` bytes (a full disk even root cannot
    // ignore); the file-size signal is ignored, so writes fail with EFBIG instead.
    static Child zentova(const std::string& folder, const std::vector<std::string>& args,
                         rlim_t fileSizeLimit = RLIM_INFINITY);
    // Any program, found on the PATH.
    static Child program(const std::string& folder, const std::vector<std::string>& argv);

    Child(Child&& other) noexcept;
    Child(const Child&) = delete;
    Child& operator=(const Child&) = delete;
    ~Child();  // a child still running is killed and reaped

    // Waits for the end, at most `seconds`; then the child is killed.
    Outcome wait(double seconds = 120.0);
    void kill9();
    pid_t pid() const { return m_pid; }  // -1 once the child has been reaped

  private:
    Child(const std::string& folder, const std::vector<std::string>& argv, rlim_t fileSizeLimit);
    pid_t m_pid = -1;
    int m_err = -1;
};

}  // namespace zentova::testing
