#include "reliability/child.h"

#include <fcntl.h>
#include <poll.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <stdexcept>

namespace zentova::testing {

Child Child::zentova(const std::string& folder, const std::vector<std::string>& args,
                     rlim_t fileSizeLimit) {
    std::vector<std::string> argv{zentovaExecutable()};
    argv.insert(argv.end(), args.begin(), args.end());
    return Child(folder, argv, fileSizeLimit);
}

Child Child::program(const std::string& folder, const std::vector<std::string>& argv) {
    return Child(folder, argv, RLIM_INFINITY);
}

Child::Child(const std::string& folder, const std::vector<std::string>& argv,
             rlim_t fileSizeLimit) {
    int pipeFds[2];
    if (::pipe2(pipeFds, O_CLOEXEC) != 0) throw std::runtime_error("pipe failed");
    std::vector<char*> raw;
    for (const std::string& a : argv) raw.push_back(const_cast<char*>(a.c_str()));
    raw.push_back(nullptr);

    m_pid = ::fork();
    if (m_pid < 0) throw std::runtime_error("fork failed");
    if (m_pid == 0) {
        // Only async-signal-safe calls from here on.
        ::dup2(pipeFds[1], STDERR_FILENO);
        const int null = ::open("/dev/null", O_RDWR);
        ::dup2(null, STDIN_FILENO);
        ::dup2(null, STDOUT_FILENO);
        std::signal(SIGXFSZ, SIG_IGN);  // stays ignored across exec
        const rlimit size{fileSizeLimit, fileSizeLimit};
        if (::chdir(folder.c_str()) != 0 || ::setrlimit(RLIMIT_FSIZE, &size) != 0) _exit(127);
        ::execvp(raw[0], raw.data());
        _exit(127);
    }
    ::close(pipeFds[1]);
    m_err = pipeFds[0];
}

Child::Child(Child&& other) noexcept : m_pid(other.m_pid), m_err(other.m_err) {
    other.m_pid = -1;
    other.m_err = -1;
}

Child::~Child() {
    if (m_pid > 0) {
        ::kill(m_pid, SIGKILL);
        ::waitpid(m_pid, nullptr, 0);
    }
    if (m_err >= 0) ::close(m_err);
}

void Child::kill9() {
    if (m_pid > 0) ::kill(m_pid, SIGKILL);
}

Outcome Child::wait(double seconds) {
    using Clock = std::chrono::steady_clock;
    const auto deadline = Clock::now() + std::chrono::duration<double>(seconds);
    Outcome outcome;
    bool timedOut = false;
    char buffer[4096];
    while (m_err >= 0) {
        const auto left =
            std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now()).count();
        if (left <= 0) {
            timedOut = true;
            ::kill(m_pid, SIGKILL);
            break;
        }
        pollfd waiting{m_err, POLLIN, 0};
        if (::poll(&waiting, 1, static_cast<int>(left)) <= 0) continue;
        const ssize_t got = ::read(m_err, buffer, sizeof buffer);
        if (got <= 0) break;  // the child (and everything it started) closed its end
        outcome.err.append(buffer, static_cast<std::size_t>(got));
    }
    int status = 0;
    if (::waitpid(m_pid, &status, 0) != m_pid) return outcome;
    m_pid = -1;
    if (timedOut)
        outcome.status = -1000;
    else if (WIFEXITED(status))
        outcome.status = WEXITSTATUS(status);
    else if (WIFSIGNALED(status))
        outcome.status = -WTERMSIG(status);
    return outcome;
}

}  // namespace zentova::testing
