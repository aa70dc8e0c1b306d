#pragma once

#include <optional>
#include <string>
#include <vector>

#include "files/readings.h"
#include "model/particles.h"
#include "model/project.h"

namespace zentova {

// The readings file of a calculation, a line per trajectory frame. It is the program's own
// addition beside the trajectory and the final state, so it never stops a run: a write that
// fails is cut back to the last whole line, the file is given up for the rest of the run,
// and problem() says why; the trajectory and the final state go on as before.
class ReadingsWriter {
  public:
    ReadingsWriter() = default;
    ReadingsWriter(const ReadingsWriter&) = delete;
    ReadingsWriter& operator=(const ReadingsWriter&) = delete;
    ~ReadingsWriter();

    // A new run: the file holds the header alone.
    void startAnew(const std::string& path, const Project& project);

    // An append to a trajectory of `keptFrames` whole frames, the last at `lastFrameTime`: keeps
    // the lines of those frames, drops later ones, and adds one for `restored` (the final
    // state whose frame was added to the trajectory) when given. A file that is missing,
    // damaged or for other types is rebuilt from what it still holds that fits; note() then
    // says what the readings lack.
    void startAppend(const std::string& path, const Project& project, long long keptFrames,
                     double lastFrameTime, const ParticleState* restored, int n);

    // Adds the line of the frame just written to the trajectory. Never throws.
    void write(int n, const ParticleState& particles);
    // The bath's factor the lines written from now on record (1 at the start of a run).
    void setBathFactor(double factor) { m_bathFactor = factor; }

    void close();

    bool active() const { return m_fd >= 0; }
    const std::string& path() const { return m_path; }
    // Why the file was given up; empty while it is written.
    const std::string& problem() const { return m_problem; }
    // What an append found amiss in the file and did about it; empty when it was in step.
    const std::string& note() const { return m_note; }
    // The line written last (or kept last by an append).
    const std::optional<ReadingsRow>& last() const { return m_last; }

  private:
    void begin(const std::string& path, const Project& project);
    void rewrite(const std::string& content);
    void fail(const std::string& why);

    std::string m_path;
    int m_fd = -1;
    Project m_project;
    std::vector<int> m_types;
    long long m_frame = 0;  // the number of the trajectory's frame written last
    double m_bathFactor = 1.0;
    std::string m_problem;
    std::string m_note;
    std::optional<ReadingsRow> m_last;
};

}  // namespace zentova
