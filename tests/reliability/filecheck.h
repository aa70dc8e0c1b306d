#pragma once

#include <gtest/gtest.h>

#include <cmath>
#include <fstream>
#include <optional>
#include <string>
#include <vector>

#include "files/fileerror.h"
#include "files/finalstate.h"
#include "files/trajectory.h"

namespace zentova::testing {

// Every frame of a trajectory file. The reader refuses a frame cut short and any value
// that is not a finite number, so a file read to its end holds only whole, finite frames;
// anything else fails the test.
inline std::vector<Frame> wholeFrames(const std::string& path) {
    std::vector<Frame> frames;
    std::ifstream in(path, std::ios::binary);
    TrajectoryReader reader(in, path);
    Frame frame;
    try {
        while (reader.readFrame(frame)) frames.push_back(frame);
    } catch (const FileError& error) {
        ADD_FAILURE() << "after " << frames.size() << " whole frames: " << error.what();
    }
    return frames;
}

// The final-state file, which must read without error (complete, finite), or nothing.
inline std::optional<FinalState> completeFinalState(const std::string& path) {
    try {
        return loadFinalStateFile(path);
    } catch (const FileError& error) {
        ADD_FAILURE() << error.what();
        return std::nullopt;
    }
}

// True when the final state is the state of the frame, as far as the frame's three
// decimals tell.
inline bool stateOfFrame(const FinalState& state, const Frame& frame) {
    if (state.count != frame.count || std::fabs(state.time - frame.time) > 0.0005) return false;
    for (int p = 1; p <= frame.count; ++p) {
        if (state.particles.type[p] != frame.types[p]) return false;
        for (int c = 0; c < 3; ++c)
            if (std::fabs(state.particles.position(p, c) - frame.positions[3 * p + c]) > 0.0005)
                return false;
    }
    return true;
}

// True when the final state is that of the last frame, or a frame after it: a run stopped
// between writing a final state and its frame leaves the trajectory one frame behind (the
// next append adds that frame from the final state).
inline bool stateOfLastFrames(const FinalState& state, const std::vector<Frame>& frames) {
    const std::size_t n = frames.size();
    return n == 0 || stateOfFrame(state, frames[n - 1]) ||
           state.time > frames[n - 1].time + WrittenTimeRounding;
}

}  // namespace zentova::testing
