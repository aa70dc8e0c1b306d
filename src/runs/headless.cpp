#include "runs/headless.h"

#include <chrono>
#include <cstdio>
#include <memory>

#include "files/atomicfile.h"
#include "files/fileerror.h"
#include "files/finalstate.h"
#include "files/projectfile.h"
#include "files/settingsfile.h"
#include "files/trajectory.h"
#include "model/placement.h"
#include "runs/report.h"
#include "runs/stepper.h"

namespace zentova {

namespace {

using Clock = std::chrono::steady_clock;

// Shows how far the run is; redraws at most ten times a second.
class Progress {
public:
    Progress(std::ostream& err, bool interactive, long long total)
        : m_err(err), m_interactive(interactive), m_total(total), m_start(Clock::now()) {}

    void update(long long done, double time) {
        if (!m_interactive) return;
        const auto now = Clock::now();
        if (done != m_total && now - m_lastDraw < std::chrono::milliseconds(100)) return;
        m_lastDraw = now;
        constexpr int Width = 30;
        const int filled = m_total > 0 ? static_cast<int>(Width * done / m_total) : Width;
        char line[160];
        std::snprintf(line, sizeof line, "\r[%-*s] %lld/%lld steps  t = %.3f  %.0f steps/s ",
                      Width, std::string(filled, '#').c_str(), done, m_total, time,
                      rate(done));
        m_err << line << std::flush;
    }

    void finish(const std::string& project, long long done, long long frames, double time) {
        if (m_interactive) m_err << '\n';
        char line[200];
        std::snprintf(line, sizeof line,
                      "%lld steps, %lld frames written, t = %.3f, %.2f s (%.0f steps/s)", done,
                      frames, time, seconds(), rate(done));
        m_err << "zentova: " << project << ": " << line << '\n';
    }

private:
    double seconds() const {
        return std::chrono::duration<double>(Clock::now() - m_start).count();
    }
    double rate(long long done) const {
        const double s = seconds();
        return s > 0 ? static_cast<double>(done) / s : 0.0;
    }

    std::ostream& m_err;
    bool m_interactive;
    long long m_total;
    Clock::time_point m_start;
    Clock::time_point m_lastDraw{};
};

// Everything a run works on, owned by the run.
struct RunState {
    Settings settings;
    Project project;
    ProjectSource source;
    ParticleState particles;
    RandomSource random;
    Dynamics dynamics;
};

// Loads the inputs and brings the state to where the first step starts; opens the
// trajectory only once everything has been read, so a refused run changes no file.
int prepare(const HeadlessOptions& options, RunState& run, TrajectoryWriter& trajectory) {
    loadSettingsFile(SettingsFileName, run.settings);
    run.project = loadProjectFile(options.projectPath);
    setProjectPath(run.source, options.projectPath);
    run.random.fixedSeed = options.seed;
    PlaceParticles(run.project, run.source, run.particles, run.random,
                   run.settings.cubeHalfSize);

    const int n = sumOfCounts(run.project);
    run.project.particleCount = n;
    for (int p = n + 1; p <= MaxParticles; ++p) run.particles.type[p] = 0;

    const std::string trajectoryPath = run.source.baseName + ".his";
    const std::string finalStatePath = run.source.baseName + ".sta";
    if (options.append) {
        if (!fileExists(finalStatePath))
            throw FileError(finalStatePath, 0,
                            "no final state to continue from; run without --append first");
        const FinalState last = loadFinalStateFile(finalStatePath);
        const std::string mismatch = finalStateMismatch(last, run.project);
        if (!mismatch.empty())
            throw FileError(finalStatePath, 0, mismatch + "; it belongs to another project");
        run.particles = last.particles;
        trajectory.open(trajectoryPath, true);
    } else {
        run.particles.time = 0.0;
        PlaceParticles(run.project, run.source, run.particles, run.random,
                       run.settings.cubeHalfSize);
        trajectory.open(trajectoryPath, false);
    }
    return n;
}

}  // namespace

int runHeadlessCalculation(const HeadlessOptions& options, std::ostream& err, bool interactive,
                           std::ostream* report) {
    if (report) interactive = false;  // the bar would tear the report's lines on a terminal
    auto run = std::make_unique<RunState>();
    TrajectoryWriter trajectory;
    try {
        const int n = prepare(options, *run, trajectory);
        RunFiles sink(trajectory, run->source.baseName + ".sta");
        CalculationStepper stepper(run->project, run->particles, run->settings, run->random,
                                   run->dynamics, sink);
        Progress progress(err, interactive, options.steps);
        stepper.start(n);
        StepRate rate;
        for (long long s = 0; s < options.steps; ++s) {
            const long long framesBefore = stepper.frames();
            stepper.advance();
            if ((s & 63) == 0) progress.update(stepper.steps(), run->particles.time);
            if (report && stepper.frames() != framesBefore) {
                const Readings readings{run->particles.time, stepper.frames(),
                                        rate.update(stepper.steps()),
                                        meanKineticEnergy(run->project, run->particles, n)};
                *report << formatReadings(readings) << '\n' << std::flush;
            }
        }
        progress.update(stepper.steps(), run->particles.time);
        trajectory.close();
        progress.finish(options.projectPath, stepper.steps(), stepper.frames(),
                        run->particles.time);
        return 0;
    } catch (const UnstableError& e) {
        if (interactive) err << '\n';
        err << "zentova: " << options.projectPath << ": " << e.what() << '\n';
        return 1;
    } catch (const std::exception& e) {
        if (interactive) err << '\n';
        err << "zentova: " << e.what() << '\n';
        return 1;
    }
}

}  // namespace zentova
