#include "app/virtualscreen.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/file.h>
#include <sys/prctl.h>
#include <sys/random.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string_view>
#include <utility>
#include <vector>

namespace zentova {

namespace {

using Clock = std::chrono::steady_clock;

// Hidden and named for the program; mkdtemp adds six letters or digits.
constexpr std::string_view ScreenFolderPrefix = ".zentova-screen-";
constexpr std::size_t ScreenFolderRandom = 6;
// What a screen puts into its folder: nothing else is ever removed from it.
constexpr const char* ScreenFiles[] = {"authority", "xvfb.log"};

bool isAlphanumeric(char c) {
    return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

// Removes the screen's files from the folder open at `fd` and then the folder itself at
// `path`, which fails, leaving it, when anything else is in it.
void removeScreenFolder(int fd, const std::string& path) {
    for (const char* name : ScreenFiles) {
        struct stat info {};
        if (::fstatat(fd, name, &info, AT_SYMLINK_NOFOLLOW) == 0 && S_ISREG(info.st_mode))
            ::unlinkat(fd, name, 0);
    }
    ::rmdir(path.c_str());
}

// One entry of an X authority file that holds for any host and any display: the server
// reads its cookie from it, and the client finds it whatever display number came up.
std::string wildcardCookieEntry(const std::array<unsigned char, 16>& cookie) {
    const auto counted = [](std::string& out, std::string_view bytes) {
        out += static_cast<char>(bytes.size() >> 8);
        out += static_cast<char>(bytes.size() & 0xff);
        out += bytes;
    };
    std::string entry;
    entry += '\xff';  // FamilyWild
    entry += '\xff';
    counted(entry, "");  // address
    counted(entry, "");  // display number
    counted(entry, "MIT-MAGIC-COOKIE-1");
    counted(entry, std::string_view(reinterpret_cast<const char*>(cookie.data()), cookie.size()));
    return entry;
}

std::string lastLine(const std::string& path) {
    std::ifstream in(path);
    std::string line, last;
    while (std::getline(in, line))
        if (!line.empty()) last = line;
    return last;
}

}  // namespace

void sweepStaleScreenFolders(const std::string& tempFolder, long minimumAgeSeconds) {
    std::error_code ec;
    const auto now = std::filesystem::file_time_type::clock::now();
    for (const auto& entry : std::filesystem::directory_iterator(tempFolder, ec)) {
        const std::string name = entry.path().filename().string();
        const std::string path = entry.path().string();
        struct stat info {};
        if (name.size() != ScreenFolderPrefix.size() + ScreenFolderRandom ||
            name.rfind(ScreenFolderPrefix, 0) != 0 ||
            !std::all_of(name.begin() + ScreenFolderPrefix.size(), name.end(), isAlphanumeric) ||
            ::lstat(path.c_str(), &info) != 0 || !S_ISDIR(info.st_mode) ||
            info.st_uid != ::getuid())
            continue;
        std::error_code timeError;
        const auto changed = std::filesystem::last_write_time(path, timeError);
        if (timeError || now - changed < std::chrono::seconds(minimumAgeSeconds)) continue;
        // A running screen holds its folder locked; one that nobody holds was left by a kill.
        const int fd = ::open(path.c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
        if (fd < 0) continue;
        if (::flock(fd, LOCK_EX | LOCK_NB) == 0) removeScreenFolder(fd, path);
        ::close(fd);
    }
}

namespace {

// Draws the cookie and writes it to `authority` in the screen's folder.
bool writeCookie(const std::string& authority, const std::string& folder, std::string& error) {
    std::array<unsigned char, 16> cookie{};
    if (::getrandom(cookie.data(), cookie.size(), 0) != static_cast<ssize_t>(cookie.size())) {
        error = "cannot draw a cookie for the virtual screen";
        return false;
    }
    std::ofstream out(authority, std::ios::binary);
    out << wildcardCookieEntry(cookie);
    if (!out.flush()) {
        error = "cannot write the virtual screen's cookie in " + folder;
        return false;
    }
    return true;
}

// The forked child: becomes the server, its messages in `log`, its display number written on
// descriptor 3 from `displayFd`.
[[noreturn]] void runServer(pid_t parent, int displayFd, const std::string& authority,
                            const std::string& log) {
    // The server ends with this process, even one killed outright.
    ::prctl(PR_SET_PDEATHSIG, SIGTERM);
    if (::getppid() != parent) ::_exit(127);
    // Out of the terminal's process group: Ctrl-C reaches the command alone, which ends
    // what it is doing and then the server.
    ::setpgid(0, 0);
    const int out = ::open(log.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    if (out >= 0) {
        ::dup2(out, STDOUT_FILENO);
        ::dup2(out, STDERR_FILENO);
    }
    // The server writes its display number on descriptor 3, which must outlive exec.
    if (displayFd == 3) {
        ::fcntl(3, F_SETFD, 0);
    } else {
        ::dup2(displayFd, 3);
    }
    // The picture's depth and a screen larger than it, as the window's tests have.
    std::vector<std::string> args{"Xvfb",     "-displayfd",   "3",         "-screen",
                                  "0",        "1280x1024x24", "-nolisten", "tcp",
                                  "-noreset", "-auth",        authority};
    std::vector<char*> argv;
    for (std::string& a : args) argv.push_back(a.data());
    argv.push_back(nullptr);
    ::execvp("Xvfb", argv.data());
    ::dprintf(STDERR_FILENO, "Xvfb is not installed (package xvfb)\n");
    ::_exit(127);
}

// The display number the server writes, with its newline, once it accepts connections;
// what came before a failure or 20 seconds otherwise.
std::string readDisplayNumber(int fd) {
    std::string number;
    const auto deadline = Clock::now() + std::chrono::seconds(20);
    while (number.empty() || number.back() != '\n') {
        const auto left =
            std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now()).count();
        pollfd wait{fd, POLLIN, 0};
        if (left <= 0 || ::poll(&wait, 1, static_cast<int>(left)) <= 0) break;
        char c = 0;
        if (::read(fd, &c, 1) != 1) break;
        number += c;
    }
    return number;
}

}  // namespace

bool VirtualScreen::start(std::string& error) {
    const std::filesystem::path temp = std::filesystem::temp_directory_path();
    sweepStaleScreenFolders(temp.string());
    std::string pattern = temp / (std::string(ScreenFolderPrefix) + "XXXXXX");
    if (!::mkdtemp(pattern.data())) {
        error = "cannot make a folder for the virtual screen's cookie";
        return false;
    }
    m_folder = pattern;
    m_folderLock = ::open(m_folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (m_folderLock >= 0) static_cast<void>(::flock(m_folderLock, LOCK_EX | LOCK_NB));
    const std::string authority = m_folder + "/authority";
    const std::string log = m_folder + "/xvfb.log";
    if (!writeCookie(authority, m_folder, error)) return false;

    int fds[2];
    if (::pipe2(fds, O_CLOEXEC) != 0) {
        error = "cannot start the virtual screen (no pipe)";
        return false;
    }
    const pid_t parent = ::getpid();
    m_pid = ::fork();
    if (m_pid == 0) runServer(parent, fds[1], authority, log);
    ::close(fds[1]);
    if (m_pid < 0) {
        ::close(fds[0]);
        error = "cannot start the virtual screen (fork failed)";
        return false;
    }

    std::string number = readDisplayNumber(fds[0]);
    ::close(fds[0]);
    if (number.size() < 2 || number.back() != '\n') {
        // The server ended first, its last message read, then its folder removed.
        const std::string folder = std::exchange(m_folder, std::string());
        stop();
        const std::string reason = lastLine(log);
        if (const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
            fd >= 0) {
            removeScreenFolder(fd, folder);
            ::close(fd);
        }
        error = "the virtual screen (Xvfb) did not start" + (reason.empty() ? "" : ": " + reason);
        return false;
    }
    number.pop_back();
    m_display = ":" + number;
    ::setenv("DISPLAY", m_display.c_str(), 1);
    ::setenv("XAUTHORITY", authority.c_str(), 1);
    return true;
}

void VirtualScreen::stop() {
    if (m_pid > 0) {
        ::kill(m_pid, SIGTERM);
        // The server removes its socket and lock file as it ends; a hung one is killed.
        const auto deadline = Clock::now() + std::chrono::seconds(5);
        int status = 0;
        while (::waitpid(m_pid, &status, WNOHANG) == 0) {
            if (Clock::now() > deadline) {
                ::kill(m_pid, SIGKILL);
                ::waitpid(m_pid, &status, 0);
                break;
            }
            ::usleep(10000);
        }
        m_pid = -1;
    }
    removeFiles();
}

void VirtualScreen::removeFiles() {
    if (!m_folder.empty()) {
        const int fd = ::open(m_folder.c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
        if (fd >= 0) {
            removeScreenFolder(fd, m_folder);
            ::close(fd);
        }
        m_folder.clear();
    }
    if (m_folderLock >= 0) ::close(m_folderLock);
    m_folderLock = -1;
}

}  // namespace zentova
