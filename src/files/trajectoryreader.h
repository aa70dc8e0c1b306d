#pragma once

#include <array>
#include <fstream>
#include <istream>
#include <streambuf>
#include <string>

#include "command/programerror.h"
#include "files/fileerror.h"
#include "model/frame.h"

// The trajectory as the runs and commands read it, and the holds that keep a calculation
// from emptying it meanwhile.

namespace zentova {

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
