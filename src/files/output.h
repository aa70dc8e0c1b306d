#pragma once

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "files/temporaries.h"

namespace zentova {

// Every file the program writes whole is written here: under a temporary name beside its
// target (".TARGET.zentova.tmp-" and twelve letters or digits, see temporaryPathOf; made with
// O_EXCL and O_NOFOLLOW, so nothing is written through a link), then renamed over the target.
// A failure or a kill never leaves the target half written, and the next write of the same
// target clears what a killed one left.
//
// Three kinds of file grow instead, and are written where they grow, since a rename per
// addition would copy the whole file each time:
// - the trajectory, a frame at a time (TrajectoryWriter::claim: made with O_EXCL or opened
//   without following a link, a regular file only, held under its lock); a kill leaves at
//   most a last frame cut short, which every reader leaves out;
// - the readings, a line per frame, appended to the file this writer made whole first
//   (ReadingsWriter, O_APPEND and O_NOFOLLOW); a damaged one is made whole again;
// - the virtual screen's cookie and its server's log, in the private folder mkdtemp made for
//   them (app/virtualscreen.cpp): no user's file is there to keep, the log is the server's
//   own output, and the folder goes when the screen does.

// What an output may replace. Links, folders, FIFOs and devices are never written to.
struct OutputPolicy {
    // An existing regular file (or a symbolic link, which is then replaced itself, never
    // followed) may be replaced: the user said --overwrite, or the file is the program's own.
    bool overwrite = false;
    // Files that are never replaced, whatever `overwrite` says: the project a command reads
    // and its trajectory, final state and readings.
    std::vector<std::string> ownFiles;
};

// The policy of the program's own files (project, final state, readings, settings): what is
// there is replaced.
inline OutputPolicy replacingPolicy() {
    return {true, {}};
}

// The policy of a command's outputs for the project at `projectPath`: its own four files
// are never written; other files only with `overwrite`.
OutputPolicy commandPolicy(const std::string& projectPath, bool overwrite);

// Throws FileError naming `path` when the policy does not let it be written: something that
// is not a regular file is there (a link without `overwrite`, a folder, a FIFO, a device), a
// regular file is there without `overwrite`, or it names one of the own files.
void checkOutputTarget(const std::string& path, const OutputPolicy& policy);

enum class Leftovers { Remove, Leave };

// One file being written. The constructor checks the target against the policy and makes the
// temporary, so a refusal or a folder that takes no new file is known before any work; with
// Leftovers::Remove the stale temporaries of the target go first.
class OutputFile {
  public:
    // Throws FileError naming `path`.
    OutputFile(std::string path, const OutputPolicy& policy,
               Leftovers leftovers = Leftovers::Remove);
    ~OutputFile();  // an output not committed is discarded
    OutputFile(const OutputFile&) = delete;
    OutputFile& operator=(const OutputFile&) = delete;

    // Appends to the temporary. Throws FileError naming the target.
    void write(std::string_view bytes);
    // Closes the temporary and gives it the target's name, checking the target again (a file
    // that appeared meanwhile is not replaced without `overwrite`). Throws FileError, having
    // removed the temporary.
    void commit();
    // Removes the temporary. Safe to call at any time, and twice.
    void discard();

    const std::string& path() const { return m_path; }
    // Where the bytes go until commit(), for a library that opens the file by name itself.
    const std::string& temporaryPath() const { return m_temporary; }

  private:
    friend class OutputSet;
    void closeTemporary();  // throws FileError
    void rename();          // throws FileError

    std::string m_path;
    std::string m_temporary;
    OutputPolicy m_policy;
    int m_fd = -1;
    bool m_ended = false;
};

// Several files that appear together or not at all: every target is checked and its
// temporary made before any work, and the renames happen only when every file is written.
// Folders it had to make are removed again when the set is not committed.
class OutputSet {
  public:
    explicit OutputSet(OutputPolicy policy);
    ~OutputSet();
    OutputSet(const OutputSet&) = delete;
    OutputSet& operator=(const OutputSet&) = delete;

    // Makes `folder` and its missing parents. Throws FileError naming it.
    void makeFolder(const std::string& folder);
    // Checks `path` and makes its temporary. Throws FileError; the set then leaves nothing
    // behind once it goes.
    OutputFile& add(const std::string& path);
    // Leaves `file` out of the set after all (its temporary goes): for a file that turns out
    // not to be needed once the work is done.
    void drop(OutputFile& file);
    // Renames every file into place. Throws FileError naming the file at fault.
    void commit();
    // Removes every temporary and the folders the set made.
    void discard();

  private:
    OutputPolicy m_policy;
    std::vector<std::unique_ptr<OutputFile>> m_files;
    std::vector<std::string> m_madeFolders;
    bool m_committed = false;
};

// One of the program's own files written whole again and again: the final state, at every
// frame of a calculation. Each write goes to a temporary beside it, as with OutputFile and
// replacingPolicy(), under the same name from write to write, and then trades names with the
// file it replaces, whose remains go at once.
class RewrittenFile {
  public:
    explicit RewrittenFile(std::string path) : m_path(std::move(path)) {}

    // Throws FileError naming the path; the file there is then as it was.
    void write(std::string_view content);

    const std::string& path() const { return m_path; }

  private:
    std::string m_path;
    std::string m_temporary;
};

// Writes `content` to `path` through an OutputFile. Throws FileError.
void writeOutputFile(const std::string& path, std::string_view content, const OutputPolicy& policy,
                     Leftovers leftovers = Leftovers::Remove);

// Writes all of `bytes` to the open file `fd` (a file the program appends to line by line),
// retrying after interruptions; false with errno set on failure.
bool writeAllBytes(int fd, std::string_view bytes);

}  // namespace zentova
