#include "calc/headless.h"

#include <cstdio>
#include <memory>

#include "calc/progress.h"
#include "calc/report.h"
#include "calc/runplan.h"
#include "calc/stepper.h"
#include "command/command.h"
#include "files/atomicfile.h"
#include "files/exampleguard.h"
#include "files/fileerror.h"
#include "files/finalstate.h"
#include "files/projectfile.h"
#include "files/settingsfile.h"
#include "files/trajectory.h"
#include "model/placement.h"

namespace zentova {

namespace {

// The bar, and the summary line every run ends with.
class Progress {
  public:
    Progress(std::ostream& err, bool interactive, long long total)
        : m_bar(err, interactive, total, "steps"), m_err(err) {}

    void update(long long done, double time) { m_bar.update(done, time); }

    void finish(const std::string& project, long long done, long long frames, double time) {
        m_bar.end();
        char line[200];
        std::snprintf(line, sizeof line,
                      "%lld %s, %lld %s written, t = %.3f, %.2f s (%.0f steps/s)", done,
                      done == 1 ? "step" : "steps", frames, frames == 1 ? "frame" : "frames", time,
                      m_bar.seconds(), m_bar.rate(done));
        tell(m_err, project + ": " + line);
    }

  private:
    ProgressBar m_bar;
    std::ostream& m_err;
};

// Everything a run works on, owned by the run.
struct RunState {
    Settings settings;
    bool settingsFromFile = false;
    SettingsFileLines settingsLines;  // where the file held the step and the damping
    Project project;
    ProjectSource source;
    ParticleState particles;
    RandomSource random;
    Dynamics dynamics;
};

// Where the user changes what made the motion unstable: "FILE:LINE" of the settings or the
// project, or the project alone when the built-in settings were used.
std::string placeOfCause(const RunState& run, const InstabilityCause& cause) {
    // Lines of a type's block in the project file.
    constexpr int TypeBlockStart = 5;
    constexpr int TypeBlockLines = 7;
    constexpr int MassInBlock = 2;
    switch (cause.source) {
        case InstabilityCause::Source::Mass:
            return run.source.path + ":" +
                   std::to_string(TypeBlockStart + TypeBlockLines * (cause.type - 1) + MassInBlock);
        case InstabilityCause::Source::Damping:
        case InstabilityCause::Source::Step:
            if (!run.settingsFromFile) return run.source.path;
            return std::string(SettingsFileName) + ":" +
                   std::to_string(cause.source == InstabilityCause::Source::Step
                                      ? run.settingsLines.step
                                      : run.settingsLines.damping);
    }
    return run.source.path;
}

// The line of a loaded project that a calculation cannot use: the first mass of 0 that has
// particles, or diameter out of range (the file refuses everything else on reading).
int lineOfProblem(const Project& project, const ProjectFileLines& lines) {
    for (int t = 1; t <= project.typeCount; ++t) {
        const auto type = static_cast<std::size_t>(t);
        if (project.masses[type] == 0.0 && project.counts[type] > 0) return lines.mass[type];
        if (diameterProblem(project.diameters[type], t)) return lines.diameter[type];
    }
    return 0;
}

// Loads the inputs and brings the state to where the first step starts. The trajectory is
// held from before anything is changed; a run refused here leaves every file as it was.
int prepare(const HeadlessOptions& options, RunState& run, RunPlan& plan, std::ostream& err) {
    if (isExampleProjectPath(options.projectPath))
        throw FileError(options.projectPath, 0, std::string(ExampleRefusal) + " " + ExampleAdvice);
    run.settingsFromFile = fileExists(SettingsFileName);
    loadSettingsFile(SettingsFileName, run.settings, &run.settingsLines);
    checkCalculable(run.settings, run.settingsLines);
    ProjectFileLines lines;
    run.project = loadProjectFile(options.projectPath, &lines);
    if (const auto problem = projectProblem(run.project))
        throw FileError(options.projectPath, lineOfProblem(run.project, lines),
                        "cannot be calculated: " + *problem);
    setProjectPath(run.source, options.projectPath);
    run.random.fixedSeed = options.seed;
    // Loading a project places its particles, and a new run places them again, as in the
    // window: both placements draw from the generator, so with a fixed seed the files equal
    // those of "Retrieve project" followed by "Calculate".
    PlaceParticles(run.project, run.source, run.particles, run.random, run.settings.cubeHalfSize);

    const int n = sumOfCounts(run.project);
    run.project.particleCount = n;
    for (int p = n + 1; p <= MaxParticles; ++p) run.particles.type[p] = 0;

    plan.claim();
    if (const std::string note = plan.lockNote(); !note.empty()) tell(err, note);
    if (options.append) {
        const AppendStart start = plan.startAppend(run.project, run.particles, true);
        if (const std::string cut = describeAppendCut(start); !cut.empty())
            tell(err, plan.trajectoryPath() + ": " + cut);
        if (!start.readingsNote.empty()) tell(err, start.readingsNote);
    } else {
        run.particles.time = 0.0;
        PlaceParticles(run.project, run.source, run.particles, run.random,
                       run.settings.cubeHalfSize);
        plan.startAnew(run.project);
    }
    if (!plan.readings().problem().empty()) tell(err, plan.readings().problem());
    return n;
}

}  // namespace

int runHeadlessCalculation(const HeadlessOptions& options, std::ostream& err, bool interactive,
                           std::ostream* report, ReportStyle reportStyle) {
    if (report) interactive = false;  // the bar would tear the report's lines on a terminal
    auto run = std::make_unique<RunState>();
    RunPlan plan(baseNameOf(options.projectPath));
    int n = 0;
    try {
        n = prepare(options, *run, plan, err);
    } catch (const std::exception& e) {
        plan.abandon();
        tell(err, e.what());
        return 1;
    }
    TrajectoryWriter& trajectory = plan.trajectory();
    if (report && reportStyle == ReportStyle::Csv)
        *report << ReadingsCsvHeader << '\n' << std::flush;
    try {
        RunFiles sink(trajectory, plan.finalStatePath(), &plan.readings());
        CalculationStepper stepper(run->project, run->particles, run->settings, run->random,
                                   run->dynamics, sink);
        stepper.setBathSchedule(options.bath);
        Progress progress(err, interactive, options.steps);
        stepper.start(n);
        // A readings file given up before the first step was reported already.
        const bool readingsFine = plan.readings().problem().empty();
        StepRate rate;
        for (long long s = 0; s < options.steps; ++s) {
            const long long framesBefore = stepper.frames();
            stepper.advance();
            if ((s & 63) == 0) progress.update(stepper.steps(), run->particles.time);
            if (report && stepper.frames() != framesBefore) {
                const Readings readings{run->particles.time, stepper.frames(),
                                        rate.update(stepper.steps()),
                                        meanKineticEnergy(run->project, run->particles, n)};
                *report << (reportStyle == ReportStyle::Csv ? formatReadingsCsv(readings)
                                                            : formatReadings(readings))
                        << '\n'
                        << std::flush;
            }
        }
        progress.update(stepper.steps(), run->particles.time);
        trajectory.close();
        plan.readings().close();
        if (readingsFine && !plan.readings().problem().empty())
            tell(err, plan.readings().problem());
        progress.finish(options.projectPath, stepper.steps(), stepper.frames(),
                        run->particles.time);
        return 0;
    } catch (const UnstableError& e) {
        if (interactive) err << '\n';
        tell(err, placeOfCause(*run, e.cause()) + ": " + e.what());
        return 1;
    } catch (const std::exception& e) {
        if (interactive) err << '\n';
        tell(err, e.what());
        return 1;
    }
}

}  // namespace zentova
