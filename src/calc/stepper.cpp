#include "calc/stepper.h"

#include <bit>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <utility>

#include "files/fileerror.h"
#include "files/finalstate.h"
#include "files/numformat.h"
#include "files/readingsfile.h"
#include "files/trajectory.h"
#include "model/force.h"

namespace zentova {

namespace {

// True when none of values[0..count) is infinite or not a number, that is, none has all
// exponent bits set: adding 1 to the exponent of such a value, and only of such a value,
// carries into the sign bit. Whole vectors at a time, without a branch per value.
__attribute__((target_clones("avx2", "default"))) bool allFinite(const double* values, int count) {
    constexpr std::uint64_t Exponent = 0x7ff0000000000000u;
    constexpr std::uint64_t ExponentOne = 0x0010000000000000u;
    std::uint64_t carried = 0;
    for (int j = 0; j < count; ++j)
        carried |= (std::bit_cast<std::uint64_t>(values[j]) & Exponent) + ExponentOne;
    return (carried >> 63) == 0;
}

bool isFinite(const ParticleState& particles, int n) {
    return allFinite(particles.state.data(), 3 * n) &&
           allFinite(particles.state.data() + VelocityOffset, 3 * n);
}

std::string formatNumber(double value) {
    return formatSignificant(value, 6);  // as printf's "%g"
}

}  // namespace

InstabilityCause likelyInstabilityCause(const Project& project, const Settings& settings) {
    const double h = settings.integrationStep;
    const std::string step = " is too large for the integration step " + formatNumber(h);
    // Beyond this the damping alone makes a step overshoot (where the midpoint step stops
    // being stable for a decaying velocity).
    constexpr double StableDampingSteps = 2.0;
    if (!(settings.dampingCoefficient * h <= StableDampingSteps))
        return {InstabilityCause::Source::Damping, 0,
                "the damping " + formatNumber(settings.dampingCoefficient) + step};

    // The strongest push the model gives a particle: every neighbour at the clamped force,
    // with its kick, and the far force of all the others at most as strong again.
    const double strongest =
        (project.neighbourCount + MaxParticles) * (ForceLimit / DistanceScale + KickSpan / 2);
    int lightest = 0;
    for (int t = 1; t <= project.typeCount && t <= MaxTypes; ++t) {
        if (project.counts[t] <= 0) continue;
        if (lightest == 0 || std::fabs(project.masses[t]) < std::fabs(project.masses[lightest]))
            lightest = t;
    }
    // Only a mass below the usual 1: with heavier ones the step alone is too large.
    if (lightest > 0 && std::fabs(project.masses[lightest]) < 1.0 &&
        !(strongest * h * h / std::fabs(project.masses[lightest]) <= 1.0))
        return {InstabilityCause::Source::Mass, lightest,
                "the mass of type " + std::to_string(lightest) + " (" +
                    formatNumber(project.masses[lightest]) +
                    ") is too small for the integration step " + formatNumber(h)};
    return {InstabilityCause::Source::Step, 0,
            "the integration step " + formatNumber(h) + " is too large for these forces"};
}

UnstableError::UnstableError(double time, InstabilityCause cause)
    : ProgramError([&] {
          char head[80];
          std::snprintf(head, sizeof head, "the motion became unstable at time %.3f: ", time);
          return head + cause.text;
      }()),
      m_time(time),
      m_cause(std::move(cause)) {}

RunFiles::RunFiles(TrajectoryWriter& trajectory, std::string finalStatePath,
                   ReadingsWriter* readings)
    : m_trajectory(trajectory), m_finalState(std::move(finalStatePath)), m_readings(readings) {}

void RunFiles::frame(int n, const ParticleState& particles) {
    // The final state first: a run ended between the two writes leaves the trajectory one
    // frame behind, which the next append restores from the final state, rather than a
    // frame the final state cannot continue. Nothing is written once the trajectory's name
    // has gone to another file (removed during the run, and perhaps taken by another run).
    // The check and the write happen under the hold of the final state, which a run that
    // takes the name waits for before it reads or writes the final state: so the check
    // either sees the other run's trajectory, or this write lands before that run starts.
    // A hold that does not come (someone else keeps the file locked) delays, never stops.
    const FinalStateHold hold(m_finalState.path(), FinalStateHoldWaitMs);
    m_trajectory.checkStillNamed();
    try {
        m_finalState.write(n, particles.time, particles);
    } catch (const FileError&) {
        // A run that claimed the project in between clears the final state's temporaries,
        // this one's too: then the trajectory's loss is the cause to name.
        m_trajectory.checkStillNamed();
        throw;
    }
    m_trajectory.writeFrame(n, particles.time, particles);
    if (m_readings) m_readings->write(n, particles);
}

void RunFiles::bathChanged(double factor) {
    if (m_readings) m_readings->setBathFactor(factor);
}

CalculationStepper::CalculationStepper(const Project& project, ParticleState& particles,
                                       const Settings& settings, RandomSource& random,
                                       Dynamics& dynamics, FrameSink& sink)
    : m_project(project),
      m_settings(settings),
      m_particles(particles),
      m_step(settings.integrationStep),
      m_physics{project, particles.type.data(), settings.cubeHalfSize, settings.dampingCoefficient,
                random},
      m_dynamics(dynamics),
      m_sink(sink) {}

void CalculationStepper::start(int n) {
    m_count = n;
    RebuildNeighbours(m_dynamics, m_physics, m_particles.state.data(), n);
    m_pass = 0;
    m_sinceFrame = 0;
}

void CalculationStepper::setBathFactor(double factor) {
    if (factor == m_bathFactor) return;
    m_bathFactor = factor;
    m_physics.kickSpan = kickSpanFor(factor);
    m_sink.bathChanged(factor);
}

void CalculationStepper::advance() {
    // Half a step early, so that a change falls on the step that starts nearest its time
    // whatever the rounding of the summed steps.
    if (!m_schedule.empty())
        setBathFactor(bathFactorAt(m_schedule, m_particles.time + 0.5 * m_step));
    if (m_pass >= RestartInterval) m_pass = 0;
    ++m_pass;
    ++m_sinceFrame;

    double* state = m_particles.state.data();
    // The step leaves the state it started from in m_backup as it writes the new one.
    double* before = m_backup.data();
    if (m_pass <= StartupSteps) {
        double* k1 = m_startDerivative.data();  // not used by the step itself
        MidpointStep(m_dynamics, m_physics, state, m_step, k1, before);
        StoreHistory(m_dynamics,
                     m_pass == 1   ? HistorySlot::Oldest
                     : m_pass == 2 ? HistorySlot::Previous
                                   : HistorySlot::Newest,
                     k1);
    } else {
        AdamsStep(m_dynamics, m_physics, state, m_step, before);
    }
    if (!isFinite(m_particles, m_count)) {
        m_particles.state = m_backup;
        InstabilityCause cause = likelyInstabilityCause(m_project, m_settings);
        // A raised bath shakes harder: the teacher who raised it should see it named.
        if (m_bathFactor != 1.0)
            cause.text += ", with the bath at " + formatNumber(m_bathFactor) + " times the setup's";
        throw UnstableError(m_particles.time, std::move(cause));
    }
    m_particles.time += m_step;
    ++m_steps;

    if (m_sinceFrame >= FrameInterval) {
        RebuildNeighbours(m_dynamics, m_physics, state, m_count);
        m_sinceFrame = 0;
        m_sink.frame(m_count, m_particles);
        ++m_frames;
    }
}

}  // namespace zentova
