#pragma once

#include <array>
#include <cstdint>
#include <fstream>
#include <istream>
#include <optional>
#include <stdexcept>
#include <streambuf>
#include <string>

#include "files/fileerror.h"
#include "model/frame.h"
#include "model/limits.h"
#include "model/particles.h"

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

// Another calculation holds the trajectory (see TrajectoryWriter::claim).
// what(): "PATH is being written by another calculation".
class TrajectoryBusy : public ProgramError {
  public:
    // `byReader`: a reading command holds it (TrajectoryReadLock, TrajectoryInput).
    explicit TrajectoryBusy(const std::string& path, bool byReader = false)
        : ProgramError(byReader ? path +
                                      " is being read by another command (--analyse or "
                                      "--movie); try again when it has ended"
                                : path + " is being written by another calculation") {}
};

// Held by a command that reads a trajectory twice (--movie; --analyse reads once, under
// TrajectoryInput's hold): a calculation started meanwhile would empty the file between the
// two passes, so it is refused until the reader ends. A calculation already running only appends,
// which the second pass does not mind: then the reader goes on without the lock. Never fails: a
// file it cannot open or lock is left to the reader to report.
class TrajectoryReadLock {
  public:
    explicit TrajectoryReadLock(const std::string& path);
    ~TrajectoryReadLock();
    TrajectoryReadLock(const TrajectoryReadLock&) = delete;
    TrajectoryReadLock& operator=(const TrajectoryReadLock&) = delete;
    bool held() const { return m_fd >= 0; }

  private:
    int m_fd = -1;
};

// A trajectory opened once for one read through it: the reader and the hold against a new
// calculation (as TrajectoryReadLock's) are on the one file the path named when it was
// opened, so a file renamed over it meanwhile is never mixed in. Follows a link, as the
// readers do; refuses what is not a regular file.
class TrajectoryInput {
  public:
    // Throws FileError naming `path` ("cannot open: REASON").
    explicit TrajectoryInput(const std::string& path);
    ~TrajectoryInput();
    TrajectoryInput(const TrajectoryInput&) = delete;
    TrajectoryInput& operator=(const TrajectoryInput&) = delete;

    // The file's bytes from its start; a failed read throws FileError naming the file.
    std::istream& stream() { return m_stream; }
    // False when no hold could be had (a calculation is appending to it).
    bool held() const { return m_held; }

  private:
    class Buffer : public std::streambuf {
      public:
        Buffer(int fd, std::string path) : m_fd(fd), m_path(std::move(path)) {}

      protected:
        int_type underflow() override;

      private:
        int m_fd;
        std::string m_path;
        std::array<char, 1 << 16> m_bytes{};
    };

    int m_fd = -1;
    bool m_held = false;
    Buffer m_buffer;
    std::istream m_stream;
};

// Trajectory times are written to three decimals: two times closer than this may stand
// for the same frame.
inline constexpr double WrittenTimeRounding = 0.0005;

// Reads the trajectory at `path` to find what an append keeps, and counts the frames later
// than `finalStateTime` (as the trajectory writes times, to three decimals) when it is
// given. Throws FileError, for the caller to leave the file as it is, when it is damaged
// before its end or holds nothing but a frame cut short.
AppendCut planAppend(const std::string& path, std::optional<double> finalStateTime);

// Reads a trajectory frame by frame. A count outside 0..MaxParticles, a malformed number
// or a type outside 1..MaxTypes throws FileError naming the line. A last frame cut short by
// the end of the file is not an error: readFrame() then ends the file, and
// partialFrameLine() tells where that frame began.
class TrajectoryReader {
  public:
    TrajectoryReader(std::istream& in, std::string fileName);
    // Reads the next frame into `frame`; false at the end of the file, `frame` unchanged.
    bool readFrame(Frame& frame);
    // The line where a frame cut short by the end of the file began; 0 when none was met.
    int partialFrameLine() const { return m_partialLine; }

  private:
    void readWholeFrame(Frame& frame);  // throws CutShort at the end of the file

    std::istream& m_in;
    std::string m_fileName;
    int m_line = 0;
    int m_partialLine = 0;
};

// Opens a trajectory for a TrajectoryReader. Throws FileError ("cannot open: REASON").
std::ifstream openTrajectory(const std::string& path);

// "the frame cut short at line L was left out", for the notes and messages of every reader.
std::string partialFrameNote(int line);

}  // namespace zentova
