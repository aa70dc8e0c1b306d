#pragma once

#include <stdexcept>
#include <string>

#include "model/integrator.h"
#include "model/particles.h"
#include "model/project.h"
#include "model/settings.h"

namespace zentova {

inline constexpr int FrameInterval = 300;   // steps between frames and neighbour rebuilds
inline constexpr int RestartInterval = 20;  // passes per restart cycle; one redraw each
inline constexpr int StartupSteps = 3;      // midpoint steps at the start of each cycle

// Where a calculation puts its frames: the trajectory and the final state.
class FrameSink {
public:
    virtual ~FrameSink() = default;
    // Called every FrameInterval steps with the run's particle count and the current time.
    virtual void frame(int n, const ParticleState& particles) = 0;
};

class TrajectoryWriter;

// The frames of a calculation on disk: each frame appended to the trajectory, and the final
// state rewritten beside it with the same particles and time.
class RunFiles : public FrameSink {
public:
    // Clears what killed writes of the final state left behind, once for the whole run.
    RunFiles(TrajectoryWriter& trajectory, std::string finalStatePath);
    void frame(int n, const ParticleState& particles) override;

private:
    TrajectoryWriter& m_trajectory;
    std::string m_finalStatePath;
};

// The integration became unstable: a step produced a value that is not a finite number.
// The state is left as it was before that step.
class UnstableError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The stepping of a calculation, shared by the window's "Calculate" and the headless
// command: restart cycles of RestartInterval passes (StartupSteps midpoint steps whose
// derivatives fill the Adams history, then Adams steps), and every FrameInterval steps a
// neighbour rebuild and a frame. The caller draws when redrawDue() and handles its input
// between passes.
class CalculationStepper {
public:
    CalculationStepper(const Project& project, ParticleState& particles, const Settings& settings,
                       RandomSource& random, Dynamics& dynamics, FrameSink& sink);

    // Prepares a run of n particles from the current state: rebuilds the neighbour lists
    // and starts the first cycle.
    void start(int n);

    // True when the view is due for a redraw before the next pass (once per cycle).
    bool redrawDue() const { return m_pass >= RestartInterval; }

    // One pass: one integration step, the time advanced by h, and a frame when due.
    // Throws UnstableError (state restored) or what the sink throws.
    void advance();

    long long steps() const { return m_steps; }
    long long frames() const { return m_frames; }
    int pass() const { return m_pass; }

private:
    const Project& m_project;
    ParticleState& m_particles;
    double m_step;
    Physics m_physics;
    Dynamics& m_dynamics;
    FrameSink& m_sink;
    StateVector m_backup{};
    int m_count = 0;
    int m_pass = 0;
    int m_sinceFrame = 0;
    long long m_steps = 0;
    long long m_frames = 0;
};

}  // namespace zentova
