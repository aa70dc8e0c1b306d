#include <cmath>
#include <memory>

#include "analysis/structure.h"
#include "files/trajectory.h"
#include "files/xyzexport.h"
#include "model/frame.h"

namespace zentova {

std::vector<double> trajectoryTimes(const std::string& path, const Project& project,
                                    int* partialFrameLine) {
    std::ifstream in = openTrajectory(path);
    TrajectoryReader reader(in, path);
    std::vector<double> times;
    auto frame = std::make_unique<Frame>();
    while (reader.readFrame(*frame)) {
        checkFrameTypes(*frame, static_cast<long long>(times.size()) + 1, project, path);
        times.push_back(frame->time);
    }
    if (partialFrameLine) *partialFrameLine = reader.partialFrameLine();
    return times;
}

std::vector<Snapshot> loadSnapshots(const std::string& path, const Project& project,
                                    const std::vector<std::size_t>& wanted) {
    std::ifstream in = openTrajectory(path);
    TrajectoryReader reader(in, path);
    std::vector<Snapshot> frames;
    frames.reserve(wanted.size());
    auto frame = std::make_unique<Frame>();
    std::size_t next = 0;
    for (std::size_t index = 0; next < wanted.size() && reader.readFrame(*frame); ++index) {
        if (index != wanted[next]) continue;
        ++next;
        checkFrameTypes(*frame, static_cast<long long>(index) + 1, project, path);
        Snapshot snapshot;
        snapshot.time = frame->time;
        const int n = frame->count;
        snapshot.xyz.assign(frame->positions.begin() + 3, frame->positions.begin() + 3 + 3 * n);
        snapshot.types.assign(frame->types.begin() + 1, frame->types.begin() + 1 + n);
        frames.push_back(std::move(snapshot));
    }
    // The frames were counted by an earlier pass: fewer now means the file was cut or
    // rewritten meanwhile (a calculation started on it), and what is left is no longer
    // what was chosen.
    if (frames.size() < wanted.size())
        throw FileError(path, 0,
                        "holds fewer frames than a moment ago: it was rewritten while it was "
                        "read (a calculation?); try again when that has ended");
    return frames;
}

long long leaveOutFarPositions(std::vector<Snapshot>& frames, double cubeHalfSize) {
    long long leftOut = 0;
    for (Snapshot& s : frames) {
        std::size_t kept = 0;
        for (std::size_t i = 0; i < s.types.size(); ++i) {
            const double* p = &s.xyz[3 * i];
            if (std::abs(p[0]) > cubeHalfSize || std::abs(p[1]) > cubeHalfSize ||
                std::abs(p[2]) > cubeHalfSize) {
                ++s.leftOut;
                continue;
            }
            for (int c = 0; c < 3; ++c) s.xyz[3 * kept + c] = p[c];
            s.types[kept++] = s.types[i];
        }
        s.xyz.resize(3 * kept);
        s.types.resize(kept);
        leftOut += s.leftOut;
    }
    return leftOut;
}

}  // namespace zentova
