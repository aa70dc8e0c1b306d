#include "calc/runplan.h"

#include <cstdio>
#include <optional>
#include <vector>

#include "files/atomicfile.h"
#include "files/output.h"

namespace zentova {

std::vector<std::string> appendCutParts(const AppendStart& start) {
    std::vector<std::string> parts;
    char line[160];
    if (start.restoredFrame) {
        std::snprintf(line, sizeof line,
                      "the frame of the final state (t = %.3f) was missing and was added",
                      start.finalStateTime);
        parts.emplace_back(line);
    }
    if (start.cut.partialFrameLine > 0)
        parts.push_back(partialFrameNote(start.cut.partialFrameLine));
    return parts;
}

std::string describeAppendCut(const AppendStart& start) {
    std::string text;
    for (const std::string& part : appendCutParts(start)) text += (text.empty() ? "" : "; ") + part;
    return text;
}

RunPlan::RunPlan(const std::string& baseName)
    : m_trajectoryPath(baseName + ".his"),
      m_finalStatePath(baseName + ".sta"),
      m_readingsPath(readingsPathOf(baseName)) {}

void RunPlan::claim() {
    m_trajectory.claim(m_trajectoryPath);
    try {
        // A run whose trajectory was removed may be writing its last final state now: it
        // checked its trajectory under the hold, so once the hold is ours, it has either
        // written or will see this run's trajectory and stop.
        if (!FinalStateHold(m_finalStatePath, FinalStateHoldWaitMs).held())
            throw FileError(m_finalStatePath, 0,
                            "is being written by another calculation; try again when it has "
                            "ended");
        removeStaleTemporaries(m_finalStatePath, 0);
        removeStaleTemporaries(m_readingsPath, 0);
        // Before the trajectory is cut or extended: a folder that takes no new file (the
        // final state is written as one) refuses the run with every file as it was.
        OutputFile probe(m_finalStatePath, replacingPolicy(), Leftovers::Leave);
        probe.discard();
    } catch (...) {
        m_trajectory.abandon();
        throw;
    }
}

std::string RunPlan::lockNote() const {
    if (!m_trajectory.unlocked()) return {};
    return m_trajectoryPath +
           ": this file system cannot lock files, so a second calculation of the project at "
           "the same time is not kept out";
}

void RunPlan::startAnew(const Project& project) {
    m_trajectory.cutTo(0);
    m_readings.startAnew(m_readingsPath, project);
}

AppendStart RunPlan::startAppend(const Project& project, ParticleState& particles,
                                 bool requireFinalState) {
    AppendStart start;
    std::optional<FinalState> last;
    if (fileExists(m_finalStatePath)) {
        last = loadFinalStateFile(m_finalStatePath);
        if (const auto mismatch = finalStateMismatch(*last, project))
            throw ForeignFinalState(m_finalStatePath, *mismatch);
        start.fromFinalState = true;
        start.finalStateTime = last->time;
    } else if (requireFinalState) {
        throw FileError(m_finalStatePath, 0,
                        "no final state to continue from; run without --append first");
    }
    if (!m_trajectory.created()) {
        start.cut =
            m_trajectory.cutForAppend(last ? std::optional<double>(last->time) : std::nullopt);
        // The trajectory then shows the state the new frames continue from.
        if (last && (start.cut.keptFrames == 0 ||
                     last->time > start.cut.lastKeptTime + WrittenTimeRounding)) {
            m_trajectory.writeFrame(last->count, last->time, last->particles);
            start.restoredFrame = true;
        }
    }
    const long long frames = start.cut.keptFrames;
    m_readings.startAppend(m_readingsPath, project, frames, start.cut.lastKeptTime,
                           start.restoredFrame ? &last->particles : nullptr,
                           start.restoredFrame ? last->count : 0);
    start.readingsNote = m_readings.note();
    if (last) {
        particles = last->particles;
    } else if (start.cut.keptFrames > 0 && particles.time < start.cut.lastKeptTime) {
        // Going on from the particles in memory: the time still goes on from the last
        // frame, as times in a trajectory only ever increase.
        particles.time = start.cut.lastKeptTime;
    }
    return start;
}

}  // namespace zentova
