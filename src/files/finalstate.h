#pragma once

#include <array>
#include <cstdint>
#include <istream>
#include <optional>
#include <string>

#include "files/atomicfile.h"
#include "model/particles.h"
#include "model/project.h"

namespace zentova {

// The state a calculation leaves at its last frame.
struct FinalState {
    int count = 0;
    double time = 0.0;
    ParticleState particles;  // entries 1..count of positions, velocities and types
};

// The final-state file in text form: n, time, x, y, z, type per particle, then the
// velocities, all reals in the 23-character form.
std::string formatFinalState(int n, double time, const ParticleState& particles);

// Writes the final-state file atomically. Throws FileError.
void writeFinalStateFile(const std::string& path, int n, double time,
                         const ParticleState& particles, Leftovers leftovers = Leftovers::Remove);

// The final state of a calculation, rewritten at every frame, its text formatted into the
// same buffer each time.
class FinalStateWriter {
  public:
    explicit FinalStateWriter(std::string path) : m_file(std::move(path)) {}
    // Throws FileError.
    void write(int n, double time, const ParticleState& particles);
    const std::string& path() const { return m_file.path(); }

  private:
    RewrittenFile m_file;
    std::string m_text;
};

// A hold on the final state that `path` names now: an advisory lock on that file, so that
// what a run checks and then writes under it is not cut in two by a run that claims the
// project, which waits for the hold (RunPlan::claim). There is nothing to hold when no file
// is there; held() is then true as well. Waits up to `waitMilliseconds` for a hold another
// has; held() is false when it did not come.
class FinalStateHold {
  public:
    FinalStateHold(const std::string& path, int waitMilliseconds);
    ~FinalStateHold();
    FinalStateHold(const FinalStateHold&) = delete;
    FinalStateHold& operator=(const FinalStateHold&) = delete;
    bool held() const { return m_held; }

  private:
    int m_fd = -1;
    bool m_held = true;
};

// How long a run waits for the hold before writing a frame, and a run that claims the
// project before it refuses: far longer than a write of the final state takes.
inline constexpr int FinalStateHoldWaitMs = 2000;

// Reads a final-state file. Refuses a count outside 0..MaxParticles, a type outside
// 1..MaxTypes, a value that is not a finite number, or a file cut short. Throws FileError.
FinalState readFinalState(std::istream& in, const std::string& fileName);
FinalState loadFinalStateFile(const std::string& path);

// Why the final state cannot continue the project's calculation (another count of
// particles, or types other than the project's numbering gives), or nothing when it can.
std::optional<std::string> finalStateMismatch(const FinalState& state, const Project& project);

}  // namespace zentova
