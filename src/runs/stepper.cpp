#include "runs/stepper.h"

#include "files/finalstate.h"
#include "files/trajectory.h"

#include <cmath>
#include <cstdio>

namespace zentova {

namespace {

bool isFinite(const ParticleState& particles, int n) {
    for (int j = 0; j < 3 * n; ++j)
        if (!std::isfinite(particles.state[j]) ||
            !std::isfinite(particles.state[VelocityOffset + j]))
            return false;
    return true;
}

}  // namespace

RunFiles::RunFiles(TrajectoryWriter& trajectory, std::string finalStatePath)
    : m_trajectory(trajectory), m_finalStatePath(std::move(finalStatePath)) {
    removeStaleTemporaries(m_finalStatePath);
}

void RunFiles::frame(int n, const ParticleState& particles) {
    m_trajectory.writeFrame(n, particles.time, particles);
    writeFinalStateFile(m_finalStatePath, n, particles.time, particles, Leftovers::Leave);
}

CalculationStepper::CalculationStepper(const Project& project, ParticleState& particles,
                                       const Settings& settings, RandomSource& random,
                                       Dynamics& dynamics, FrameSink& sink)
    : m_project(project),
      m_particles(particles),
      m_step(settings.integrationStep),
      m_physics{project, particles.type.data(), settings.cubeHalfSize,
                settings.dampingCoefficient, random},
      m_dynamics(dynamics),
      m_sink(sink) {}

void CalculationStepper::start(int n) {
    m_count = n;
    RebuildNeighbours(m_dynamics, m_physics, m_particles.state.data(), n);
    m_pass = 0;
    m_sinceFrame = 0;
}

void CalculationStepper::advance() {
    if (m_pass >= RestartInterval) m_pass = 0;
    ++m_pass;
    ++m_sinceFrame;

    double* state = m_particles.state.data();
    m_backup = m_particles.state;
    if (m_pass <= StartupSteps) {
        double* k1 = m_dynamics.scratchDerivative2.data();  // not used by the step itself
        MidpointStep(m_dynamics, m_physics, state, m_step, k1);
        StoreHistory(m_dynamics,
                     m_pass == 1   ? HistorySlot::Oldest
                     : m_pass == 2 ? HistorySlot::Previous
                                   : HistorySlot::Newest,
                     k1);
    } else {
        AdamsStep(m_dynamics, m_physics, state, m_step);
    }
    if (!isFinite(m_particles, m_count)) {
        m_particles.state = m_backup;
        char text[200];
        std::snprintf(text, sizeof text,
                      "the motion became unstable at time %.3f: the integration step %g is too "
                      "large for these forces; choose a smaller step in \"Advanced setup\"",
                      m_particles.time, m_step);
        throw UnstableError(text);
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
