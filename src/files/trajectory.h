#pragma once

#include <array>
#include <cstdint>
#include <istream>
#include <string>

#include "model/limits.h"
#include "model/particles.h"

namespace zentova {

// One frame of a trajectory as the playback holds it, apart from the shared state.
struct Frame {
    int count = 0;
    double time = 0.0;
    std::array<double, 3 * (MaxParticles + 1)> positions{};  // particle p at 3p..3p+2
    std::array<std::uint8_t, MaxParticles + 1> types{};
};

// Appends one trajectory frame in text form: n, time, then x, y, z, type per particle,
// reals in fixed 8.3, CR LF line ends.
void appendFrameText(std::string& out, int n, double time, const ParticleState& particles);

// The trajectory file of a calculation. Each frame reaches the file in one write and is
// flushed at once; a write that fails part-way is cut back, so the file only ever holds
// whole frames.
class TrajectoryWriter {
public:
    TrajectoryWriter() = default;
    TrajectoryWriter(const TrajectoryWriter&) = delete;
    TrajectoryWriter& operator=(const TrajectoryWriter&) = delete;
    ~TrajectoryWriter();

    // Opens the file, emptying it or keeping what it holds. Kept, it is read once: when it
    // ends in the remains of a frame, they are cut off so that the frames appended after
    // them stay readable. A file damaged before its last frame, or with no whole frame, is
    // refused with a FileError naming the line and left as it is. Throws FileError.
    void open(const std::string& path, bool append);
    void writeFrame(int n, double time, const ParticleState& particles);  // throws FileError
    void close();
    bool isOpen() const { return m_fd >= 0; }

private:
    std::string m_path;
    int m_fd = -1;
    std::string m_buffer;
};

// Reads a trajectory frame by frame. A count outside 0..MaxParticles, a malformed number
// or a frame cut short throws FileError naming the line.
class TrajectoryReader {
public:
    TrajectoryReader(std::istream& in, std::string fileName);
    // Reads the next frame into `frame`; false at the end of the file.
    bool readFrame(Frame& frame);

private:
    std::istream& m_in;
    std::string m_fileName;
    int m_line = 0;
};

}  // namespace zentova
