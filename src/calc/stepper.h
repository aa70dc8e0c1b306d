#pragma once

#include <stdexcept>
#include <string>
#include <utility>

#include "command/programerror.h"
#include "files/finalstate.h"
#include "model/bathschedule.h"
#include "model/integrator.h"
#include "model/particles.h"
#include "model/project.h"
#include "model/settings.h"

namespace zentova {

// Where a calculation puts its frames: the trajectory and the final state.
class FrameSink {
  public:
    virtual ~FrameSink() = default;
    // Called every FrameInterval steps with the run's particle count and the current time.
    virtual void frame(int n, const ParticleState& particles) = 0;
    // Called when the bath's factor changes, before the steps it applies to.
    virtual void bathChanged(double /*factor*/) {}
};

class TrajectoryWriter;
class ReadingsWriter;

// The frames of a calculation on disk: the final state rewritten with the particles and
// time of each frame, then the frame appended to the trajectory, then its line of readings
// (when `readings` is given; a failure there stops nothing).
class RunFiles : public FrameSink {
  public:
    RunFiles(TrajectoryWriter& trajectory, std::string finalStatePath,
             ReadingsWriter* readings = nullptr);
    void frame(int n, const ParticleState& particles) override;
    void bathChanged(double factor) override;

  private:
    TrajectoryWriter& m_trajectory;
    FinalStateWriter m_finalState;
    ReadingsWriter* m_readings;
};

// What most likely made a motion unstable, and where the user changes it.
struct InstabilityCause {
    enum class Source { Step, Damping, Mass } source = Source::Step;
    int type = 0;      // the type whose mass is too small, for Source::Mass
    std::string text;  // e.g. "the damping 1e+300 is too large for the integration step 5e-05"
};

// Names the likeliest cause of an unstable motion: a damping too large for the step (the
// damping alone would then overshoot), a mass so small that the strongest forces the model
// gives move its particles further than a cube unit in one step, or else the step itself.
InstabilityCause likelyInstabilityCause(const Project& project, const Settings& settings);

// The integration became unstable: a step produced a value that is not a finite number.
// The state is left as it was before that step. what(): "the motion became unstable at time
// T: CAUSE".
class UnstableError : public ProgramError {
  public:
    UnstableError(double time, InstabilityCause cause);
    double time() const { return m_time; }
    const InstabilityCause& cause() const { return m_cause; }

  private:
    double m_time;
    InstabilityCause m_cause;
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

    // The bath's factor for the steps that follow (0 to MaxBathFactor, 1 the setup's), told
    // to the sink when it changes.
    void setBathFactor(double factor);
    double bathFactor() const { return m_bathFactor; }
    // A schedule of factors over the run's time: each step takes the factor the schedule
    // holds at the time nearest its start. An empty one leaves the factor to setBathFactor.
    void setBathSchedule(BathSchedule schedule) { m_schedule = std::move(schedule); }

  private:
    const Project& m_project;
    const Settings& m_settings;
    ParticleState& m_particles;
    double m_step;
    Physics m_physics;
    Dynamics& m_dynamics;
    FrameSink& m_sink;
    StateVector m_backup{};           // the state before the last step, kept by the step
    StateVector m_startDerivative{};  // k1 of a start-up step, on its way to the history
    int m_count = 0;
    int m_pass = 0;
    int m_sinceFrame = 0;
    long long m_steps = 0;
    long long m_frames = 0;
    double m_bathFactor = 1.0;
    BathSchedule m_schedule;
};

}  // namespace zentova
