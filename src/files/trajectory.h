#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "files/fileerror.h"
#include "files/trajectoryreader.h"
#include "model/limits.h"
#include "model/particles.h"

// The trajectory as a calculation writes it; its reading is in files/trajectoryreader.h.

namespace zentova {

// Appends one trajectory frame in text form: n, time, then x, y, z, type per particle,
// reals in fixed 8.3, CR LF line ends.
void appendFrameText(std::string& out, int n, double time, const ParticleState& particles);

// What appending to a trajectory keeps of it: its whole frames. A frame cut short by the
// end of the file (a crash, a copy in progress) goes. Whole frames later than the final
// state the calculation would continue from are counted, for the append to be refused: new
// frames after them would go back in time.
struct AppendCut {
    std::uint64_t keepBytes = 0;  // the file's first bytes that stay
    long long keptFrames = 0;
    double lastKeptTime = 0.0;   // the time of the last frame kept
    long long laterFrames = 0;   // whole frames later than the final state
    double lastFrameTime = 0.0;  // the time of the file's last whole frame
    int partialFrameLine = 0;    // where the frame cut short began; 0 when there is none
};

// The trajectory goes on past the final state (an older final state was put in place of
// the last one): appending would write frames whose times go back. what() names both times.
class FinalStateBehind : public FileError {
  public:
    FinalStateBehind(const std::string& path, double finalStateTime, double lastFrameTime);
    double finalStateTime() const { return m_finalStateTime; }
    double lastFrameTime() const { return m_lastFrameTime; }

  private:
    double m_finalStateTime;
    double m_lastFrameTime;
};

// The trajectory file of a calculation, held by one calculation at a time. Each frame
// reaches the file in one write and is flushed at once; a write that fails part-way is cut
// back, so the file only ever holds whole frames.
class TrajectoryWriter {
  public:
    TrajectoryWriter() = default;
    TrajectoryWriter(const TrajectoryWriter&) = delete;
    TrajectoryWriter& operator=(const TrajectoryWriter&) = delete;
    ~TrajectoryWriter();

    // Opens the file for this run alone, creating it when it is missing, and changes
    // nothing in it. The hold is an advisory lock that the system gives up when the process
    // ends, however it ends, on the file the path names once locked. Throws TrajectoryBusy
    // when another calculation holds the file, FileError when it cannot be opened or is a
    // symbolic link or not a regular file.
    void claim(const std::string& path);
    // True when claim() made the file.
    bool created() const { return m_created; }
    // True when the file system gave no lock: a second run of the project is not kept out.
    bool unlocked() const { return m_unlocked; }
    // Throws FileError when the path no longer names the file held (it was removed or
    // replaced, and another run may have taken the name).
    void checkStillNamed() const;
    // Size of the file in bytes. Throws FileError.
    std::uint64_t size() const;
    // Cuts the file to its first `size` bytes. Throws FileError.
    void cutTo(std::uint64_t size);

    // Before the first frame of an append: cuts the file back to what planAppend keeps of
    // it (a file claim() made is kept as it is) and returns that. Throws FinalStateBehind
    // when the file holds frames later than `finalStateTime`, FileError when it is damaged;
    // the file is then left as it is.
    AppendCut cutForAppend(std::optional<double> finalStateTime);

    // claim(), then empties the file or, to append, cuts off the remains of a frame it ends
    // in. Throws TrajectoryBusy or FileError; a refused file is left as it is.
    void open(const std::string& path, bool append);
    void writeFrame(int n, double time, const ParticleState& particles);  // throws FileError
    // Gives the file up (and the hold on it).
    void close();
    // Gives the file up before any frame went into it: a file claim() created goes again.
    void abandon();
    bool isOpen() const { return m_fd >= 0; }
    const std::string& path() const { return m_path; }

  private:
    std::string m_path;
    int m_fd = -1;
    bool m_created = false;
    bool m_unlocked = false;
    std::string m_buffer;
};

// Reads the trajectory at `path` to find what an append keeps, and counts the frames later
// than `finalStateTime` (as the trajectory writes times, to three decimals) when it is
// given. Throws FileError, for the caller to leave the file as it is, when it is damaged
// before its end or holds nothing but a frame cut short.
AppendCut planAppend(const std::string& path, std::optional<double> finalStateTime);

}  // namespace zentova
