#include <fcntl.h>
#include <unistd.h>

#include <cerrno>

#include "files/fileerror.h"
#include "files/fileio.h"
#include "files/output.h"

namespace zentova {

// Why the names are traded (renameat2's RENAME_EXCHANGE) instead of the temporary being
// renamed over the file. A rename that replaces a file makes ext4 start writing the new
// file's data to the disk, and its journal wait for it, before the rename counts: 60 us to
// 0.7 ms of every frame on the development machine, mostly waiting, where the rest of the
// file work takes about 30 us. What the program promises holds either way. The name always
// leads to a whole file: the old one until the exchange, after it the new one, written and
// closed before; a process killed at any instant leaves one of the two whole, since what it
// wrote is the kernel's, not the process's. A kill after the exchange and before the old
// file's removal leaves that old file under the temporary's name, unlocked, as a kill between
// making the temporary and renaming it always could: the next run clears it when it claims
// the trajectory. What the exchange gives up is the file system's guess after a power cut,
// which the program never relied on: it syncs nothing, the trajectory's frames included, and
// every reader of a final state checks it line by line and refuses one cut short or empty,
// naming the file, so a final state lost that way is never continued from.
void RewrittenFile::write(std::string_view content) {
    const OutputPolicy policy = replacingPolicy();
    const int fd = fileio::makeTemporary(m_path, m_temporary);
    fileio::holdTemporary(m_temporary);
    int error = 0;
    if (!fileio::writeAll(fd, content.data(), content.size())) error = errno;
    // The temporary stays locked until it has its name: a run that claims the trajectory
    // meanwhile removes every unlocked temporary of the final state, and this one is not
    // left over. The lock belongs to the open file, so a second descriptor keeps it while the
    // first is closed and its error seen.
    const int held = ::dup(fd);
    if (::close(fd) != 0 && error == 0) error = errno;
    struct Unlock {
        int fd;
        ~Unlock() {
            if (fd >= 0) ::close(fd);
        }
    } unlock{held};
    try {
        if (error != 0) throw FileError(m_path, 0, "cannot write: " + fileio::errorText(error));
        checkOutputTarget(m_path, policy);  // never a folder, a FIFO or a device
        if (::renameat2(AT_FDCWD, m_temporary.c_str(), AT_FDCWD, m_path.c_str(), RENAME_EXCHANGE) ==
            0) {
            if (::unlink(m_temporary.c_str()) != 0 && errno == EISDIR) {
                // A folder put at the name after the check: given its name back.
                ::renameat2(AT_FDCWD, m_temporary.c_str(), AT_FDCWD, m_path.c_str(),
                            RENAME_EXCHANGE);
                throw FileError(m_path, 0, "is a folder, not a file");
            }
        } else if (::rename(m_temporary.c_str(), m_path.c_str()) != 0) {
            // No file there yet, or a file system that cannot trade names: a plain rename.
            throw FileError(m_path, 0, "cannot write: " + fileio::errorText(errno));
        }
    } catch (...) {
        ::unlink(m_temporary.c_str());
        fileio::releaseTemporary(m_temporary);
        throw;
    }
    fileio::releaseTemporary(m_temporary);
}

}  // namespace zentova
