#pragma once

#include <cstddef>
#include <deque>
#include <functional>
#include <istream>
#include <optional>
#include <string>
#include <vector>

#include "analysis/structure.h"
#include "model/frame.h"
#include "model/project.h"

namespace zentova {

// Which frames of a trajectory the analysis keeps, chosen as the frames go by once: those
// from `from` to `to` (times), or without them the second half of the trajectory (the
// frames from index count / 2 on), and of them at most `most`, evenly spaced. What it holds
// is bounded by twice `most` frames, however long the trajectory: where more than that are
// in range, only every second, fourth, ... of them is held (counted from the first in range,
// or from the trajectory's first frame without bounds) and the rest go, at most `most` of
// those being analysed. Up to 2 x `most` frames in range, it keeps what chooseFrames and
// thinOut keep of the whole list of times.
class FramePicker {
  public:
    FramePicker(std::optional<double> from, std::optional<double> to, std::size_t most,
                double cubeHalfSize);

    // The next frame of the trajectory (from its first, each in turn). A frame kept has its
    // positions outside the cube taken out (leaveOutFarPositions).
    void offer(const Frame& frame);

    // The frames kept, in the order of the trajectory, and their indices in it (from 0).
    struct Picked {
        std::vector<Snapshot> frames;
        std::vector<std::size_t> indices;
        std::size_t frameCount = 0;  // frames offered
        std::size_t inRange = 0;     // of them in range
        double firstTime = 0.0;      // of the first frame offered and of the last
        double lastTime = 0.0;
        long long leftOut = 0;  // positions left out of the frames kept
    };
    // Ends the choice; the picker is then empty.
    Picked finish();

  private:
    struct Held {
        std::size_t index;
        std::size_t rank;  // place among the frames that may be in range
        Snapshot snapshot;
    };

    std::optional<double> m_from;
    std::optional<double> m_to;
    std::size_t m_most;
    double m_cubeHalfSize;
    std::size_t m_count = 0;
    std::size_t m_ranked = 0;
    std::size_t m_stride = 1;
    double m_firstTime = 0.0;
    double m_lastTime = 0.0;
    std::deque<Held> m_held;
};

// Reads the trajectory in `in` (named `path` in messages) once, frame by frame, checking each
// against the project, and keeps what `picker` chooses; `eachFrame` hears of every whole
// frame (numbered from 1) as it goes by. `partialFrameLine` gets where a last frame cut
// short began (0 for none). Throws FileError as the trajectory reader does.
FramePicker::Picked readTrajectoryOnce(
    std::istream& in, const std::string& path, const Project& project, FramePicker picker,
    const std::function<void(long long number, double time)>& eachFrame = {},
    int* partialFrameLine = nullptr);

}  // namespace zentova
