#include <cmath>
#include <memory>

#include "analysis/structure.h"
#include "analysis/trajectorypass.h"
#include "files/trajectory.h"
#include "files/xyzexport.h"

namespace zentova {

FramePicker::FramePicker(std::optional<double> from, std::optional<double> to, std::size_t most,
                         double cubeHalfSize)
    : m_from(from), m_to(to), m_most(most), m_cubeHalfSize(cubeHalfSize) {}

void FramePicker::offer(const Frame& frame) {
    const std::size_t index = m_count++;
    if (index == 0) m_firstTime = frame.time;
    m_lastTime = frame.time;
    const bool bounded = m_from || m_to;
    if (bounded && !inTimeRange(frame.time, m_from, m_to)) return;
    // Without bounds, a frame before the middle of those read so far lies before the middle
    // of the whole trajectory too.
    if (!bounded)
        while (!m_held.empty() && m_held.front().index < m_count / 2) m_held.pop_front();
    const std::size_t rank = m_ranked++;
    if (rank % m_stride != 0) return;
    Snapshot snapshot;
    snapshot.time = frame.time;
    const int n = frame.count;
    snapshot.xyz.assign(frame.positions.begin() + 3, frame.positions.begin() + 3 + 3 * n);
    snapshot.types.assign(frame.types.begin() + 1, frame.types.begin() + 1 + n);
    leaveOutFarPositions(snapshot, m_cubeHalfSize);
    m_held.push_back({index, rank, std::move(snapshot)});
    if (m_most == 0 || m_held.size() <= 2 * m_most) return;
    m_stride *= 2;
    std::erase_if(m_held, [&](const Held& held) { return held.rank % m_stride != 0; });
}

FramePicker::Picked FramePicker::finish() {
    Picked picked;
    picked.frameCount = m_count;
    picked.firstTime = m_firstTime;
    picked.lastTime = m_lastTime;
    const bool bounded = m_from || m_to;
    picked.inRange = bounded ? m_ranked : m_count - m_count / 2;
    if (!bounded)
        while (!m_held.empty() && m_held.front().index < m_count / 2) m_held.pop_front();
    std::vector<std::size_t> places(m_held.size());
    for (std::size_t k = 0; k < places.size(); ++k) places[k] = k;
    for (std::size_t k : thinOut(places, m_most)) {
        Held& held = m_held[k];
        picked.leftOut += held.snapshot.leftOut;
        picked.indices.push_back(held.index);
        picked.frames.push_back(std::move(held.snapshot));
    }
    m_held.clear();
    return picked;
}

FramePicker::Picked readTrajectoryOnce(
    std::istream& in, const std::string& path, const Project& project, FramePicker picker,
    const std::function<void(long long number, double time)>& eachFrame, int* partialFrameLine) {
    TrajectoryReader reader(in, path);
    auto frame = std::make_unique<Frame>();
    for (long long number = 1; reader.readFrame(*frame); ++number) {
        checkFrameTypes(*frame, number, project, path);
        picker.offer(*frame);
        if (eachFrame) eachFrame(number, frame->time);
    }
    if (partialFrameLine) *partialFrameLine = reader.partialFrameLine();
    return picker.finish();
}

int leaveOutFarPositions(Snapshot& s, double cubeHalfSize) {
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
    return s.leftOut;
}

long long leaveOutFarPositions(std::vector<Snapshot>& frames, double cubeHalfSize) {
    long long leftOut = 0;
    for (Snapshot& s : frames) leftOut += leaveOutFarPositions(s, cubeHalfSize);
    return leftOut;
}

}  // namespace zentova
