#include <QPushButton>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <functional>
#include <iostream>
#include <vector>

#include "calc/report.h"
#include "calc/runplan.h"
#include "calc/stepper.h"
#include "canvas/plotter.h"
#include "canvas/primitives.h"
#include "canvas/prompts.h"
#include "command/command.h"
#include "files/atomicfile.h"
#include "files/fileerror.h"
#include "files/finalstate.h"
#include "files/numformat.h"
#include "files/settingsfile.h"
#include "files/trajectory.h"
#include "lang/language.h"
#include "model/placement.h"
#include "pump/pump.h"
#include "runs/calculationnotes.h"
#include "runs/description.h"
#include "runs/displays.h"
#include "runs/readingsview.h"
#include "runs/viewsession.h"
#include "view3d/controls.h"
#include "view3d/drawing.h"
#include "view3d/scene.h"
#include "view3d/viewwindow.h"

namespace zentova {

namespace {

constexpr int PauseAfterFinalStateMs = 200;
constexpr int ClosingPollMs = 30;

// The screen back to the summary alone: before the view, and after a question so that no
// note is drawn over its remains.
void clearAndSummary(ProgramState& program, RunWindows& windows) {
    ProcessMessages();
    ClearScreen(program.toolkit, *program.toolkit.mainCanvas, 0, 0, 0);
    windows.showProject();
}

// Continues from the final state on disk, when there is one, it belongs to this project
// and the trajectory does not go on past it, after cutting off a frame cut short. False
// (after a note) when the run cannot go on; the files and the state in memory are then
// unchanged.
bool prepareAppend(ProgramState& program, RunWindows& windows, RunPlan& plan) {
    Toolkit& toolkit = program.toolkit;
    AppendStart start;
    try {
        start = plan.startAppend(program.project, program.particles, false);
    } catch (const ForeignFinalState& error) {
        clearAndSummary(program, windows);
        NoteBox(
            toolkit, translated("Calculation", "The final state belongs to another project:"),
            error.mismatch(),
            translated("Calculation", "Answer YES to \"Overwrite\" to start this project anew."),
            "", 0, 0);
        return false;
    } catch (const FinalStateBehind& error) {
        clearAndSummary(program, windows);
        const std::string times = filled(
            translated("Calculation", "Its last frame: t = %1; the final state: t = %2."),
            {screenNumber(error.lastFrameTime(), 3), screenNumber(error.finalStateTime(), 3)});
        NoteBox(
            toolkit, translated("Calculation", "The trajectory goes on past the final state."),
            times,
            translated("Calculation", "Nothing was appended: new frames would go back in time."),
            translated("Calculation", "Answer YES to \"Overwrite\" to start afresh."), 0, 0);
        return false;
    } catch (const FileError& error) {
        clearAndSummary(program, windows);
        showFileErrorNote(
            toolkit,
            translated("Calculation", "The calculation cannot go on from the files.").c_str(),
            error);
        return false;
    }
    if (!start.fromFinalState) {
        clearAndSummary(program, windows);
        NoteBox(toolkit, translated("Calculation", "There is no final state to continue from:"),
                plan.finalStatePath(),
                translated("Calculation",
                           "The calculation goes on from the particles as they are now."),
                "", 0, 0);
    } else {
        SleepMs(PauseAfterFinalStateMs);
    }
    std::vector<std::string> cut = shownCutParts(start);
    const bool trajectoryChanged = !cut.empty();
    if (!start.readingsNote.empty()) cut.push_back(start.readingsNote);
    if (!cut.empty()) {
        // A line for each change: a frame added, a frame cut short, the readings.
        clearAndSummary(program, windows);
        const auto part = [&](std::size_t k) { return k < cut.size() ? cut[k] : std::string(); };
        NoteBox(toolkit,
                trajectoryChanged
                    ? translated("Calculation",
                                 "The trajectory was brought in line with the final state:")
                    : translated("Calculation",
                                 "The readings were brought in line with the trajectory:"),
                part(0), part(1), part(2), 0, 0);
    }
    return true;
}

}  // namespace

std::string formatCalculationTimes(const CalculationTimes& times) {
    const double total = times.totalSeconds > 0.0 ? times.totalSeconds : 1.0;
    const double other = times.totalSeconds - times.integrationSeconds - times.drawingSeconds;
    char line[256];
    std::snprintf(line, sizeof line,
                  "calculation of %lld steps in %.2f s (%.0f steps/s, %lld redraws): "
                  "integration %.1f%%, drawing %.1f%%, messages and bookkeeping %.1f%%",
                  times.steps, times.totalSeconds, times.steps / total, times.redraws,
                  100.0 * times.integrationSeconds / total, 100.0 * times.drawingSeconds / total,
                  100.0 * other / total);
    return line;
}

namespace {

enum class Start { Run, Refused, Declined };

// Holds the trajectory for the run, asks whether to overwrite or to append to one that is
// there, and brings the files and the particles to where the first step starts. Refused
// (after a note) when the run cannot start; Declined when the user said NO to both.
Start prepareRun(ProgramState& program, RunWindows& windows, RunPlan& plan) {
    Toolkit& toolkit = program.toolkit;
    try {
        plan.claim();
    } catch (const TrajectoryBusy& busy) {
        NoteBox(toolkit, translated("Calculation", "The calculation cannot start:"), busy.what(),
                translated("Calculation", "Wait until the other calculation ends, or stop it."), "",
                0, 0);
        return Start::Refused;
    } catch (const FileError& error) {
        showFileErrorNote(
            toolkit, translated("Calculation", "The calculation cannot start.").c_str(), error);
        return Start::Refused;
    }
    if (const std::string note = plan.lockNote(); !note.empty()) {
        tell(std::cerr, note);
        NoteBox(toolkit, translated("Calculation", "Note:"), note, "", "", 0, 0);
    }
    try {
        const bool anew =
            !plan.trajectoryExisted() ||
            Confirm(toolkit, translated("Calculation", "Overwrite old trajectory file ?"));
        clearAndSummary(program, windows);
        if (!anew) {
            if (!Confirm(toolkit, translated("Calculation", "Append to old trajectory file ?")))
                return Start::Declined;
            return prepareAppend(program, windows, plan) ? Start::Run : Start::Refused;
        }
        program.particles.time = 0.0;
        PlaceParticles(program.project, program.source, program.particles, program.random,
                       program.settings.cubeHalfSize);
        plan.startAnew(program.project);
        return Start::Run;
    } catch (const FileError& error) {
        clearAndSummary(program, windows);
        showFileErrorNote(
            toolkit, translated("Calculation", "The calculation cannot start.").c_str(), error);
        return Start::Refused;
    }
}

using Clock = std::chrono::steady_clock;

double secondsOf(Clock::duration d) {
    return std::chrono::duration<double>(d).count();
}

// Steps until "Stop", redrawing once a cycle (with the readings in the status line) and
// while a view button is held; a right click on the main window pauses until the next click
// or key. Throws what the stepper throws.
void stepUntilStop(const Scene& scene, CalculationStepper& stepper, const Redraw& redraw,
                   const std::function<void()>& afterFrame, CalculationTimes& spent) {
    ViewSurface& view = scene.window;
    ViewControls controls;
    view.setRunPhase(RunPhase::Advancing);
    spent = CalculationTimes{};
    const auto loopStart = Clock::now();
    while (view.tag(ViewButton::Stop) == 0) {
        if (stepper.redrawDue()) redraw();
        PollViewControls(scene, controls, redraw, false);
        const auto stepStart = Clock::now();
        const long long framesBefore = stepper.frames();
        stepper.advance();
        spent.integrationSeconds += secondsOf(Clock::now() - stepStart);
        if (stepper.frames() != framesBefore) afterFrame();
        ++spent.steps;
        ProcessMessages();
        if (Input().mouseButtonState == 2) {
            redraw();
            view.setRunPhase(RunPhase::HeldFromMainWindow);
            view.setStatus(QString::fromStdString(translated(
                "Calculation", "Paused: click or press a key on the main window to go on")));
            WaitClickOrKey();
            view.setRunPhase(RunPhase::Advancing);
        }
        ProcessMessages();
    }
    spent.totalSeconds = secondsOf(Clock::now() - loopStart);
}

// The view's bath keys, given to one run for as long as it steps.
class BathKeys {
  public:
    BathKeys(TForm2& view, std::function<void(int)> changer) : m_view(view) {
        m_view.setBathChanger(std::move(changer));
    }
    ~BathKeys() { m_view.setBathChanger({}); }
    BathKeys(const BathKeys&) = delete;
    BathKeys& operator=(const BathKeys&) = delete;

  private:
    TForm2& m_view;
};

// After "Stop": the last picture without buttons until a click on either window.
void awaitClosingClick(TForm2& view, const Redraw& redraw) {
    HideViewButtons(view);
    view.setRunPhase(RunPhase::Returning);
    ProcessMessages();
    ClearViewBuffers(view);
    redraw();
    view.setStatus(
        QString::fromStdString(translated("Calculation", "Stopped: click to return to the menu")));
    Input().mainWindowTag = 0;
    Input().viewWindowTag = 0;
    // A view window the user closed has been dismissed already.
    while (view.isVisible() && Input().mainWindowTag == 0 && Input().viewWindowTag == 0) {
        ProcessMessages();
        SleepMs(ClosingPollMs);
    }
    view.setRunPhase(RunPhase::None);
}

// The readings of each frame go to the G window as they are written; the first failure to
// write them is said once, in the view and in that window.
class FrameReadings {
  public:
    FrameReadings(TForm2& view, ReadingsView& readingsView, const ReadingsWriter& readings)
        : m_view(view), m_readingsView(readingsView), m_readings(readings) {
        m_failureShown = !readings.problem().empty();
        if (m_failureShown) sayFailure();
    }
    void afterFrame() {
        if (m_readings.active() && m_readings.last()) m_readingsView.add(*m_readings.last());
        if (!m_failureShown && !m_readings.problem().empty()) {
            m_failureShown = true;
            sayFailure();
        }
    }

  private:
    void sayFailure() {
        m_view.showNote(QString::fromStdString(m_readings.problem()));
        m_readingsView.setNote(m_readings.problem());
    }
    TForm2& m_view;
    ReadingsView& m_readingsView;
    const ReadingsWriter& m_readings;
    bool m_failureShown = false;
};

// Steps until "Stop"; false, the view put away and a note shown, when a file failed or the
// motion became unstable.
bool stepTellingFailures(ProgramState& program, ViewSession& session, const Scene& scene,
                         CalculationStepper& stepper, const Redraw& redraw,
                         FrameReadings& frameReadings, CalculationTimes& spent) {
    try {
        stepUntilStop(
            scene, stepper, redraw, [&] { frameReadings.afterFrame(); }, spent);
    } catch (const FileError& error) {
        session.putAway();
        showFileErrorNote(
            program.toolkit,
            translated("Calculation", "The calculation stopped; the files keep what was written.")
                .c_str(),
            error);
        return false;
    } catch (const UnstableError& error) {
        session.putAway();
        showUnstableNote(program, error, stepper.bathFactor());
        return false;
    }
    return true;
}

RunOutcome runPlanned(ProgramState& program, RunWindows& windows, RunPlan& plan, int n);  // below

}  // namespace

RunOutcome CalculationRun(ProgramState& program, RunWindows& windows) {
    Toolkit& toolkit = program.toolkit;
    Project& project = program.project;
    const int n = sumOfCounts(project);
    project.particleCount = n;
    for (int p = n + 1; p <= MaxParticles; ++p) program.particles.type[p] = 0;
    // Cleared twice: the first summary pumps messages as it draws, and the second clear takes
    // away whatever they painted before the summary is drawn again.
    clearAndSummary(program, windows);
    ClearScreen(toolkit, *toolkit.mainCanvas, 0, 0, 0);
    windows.showProject();

    if (!calculable(program)) return RunOutcome::Finished;

    RunPlan plan(program.source.baseName);
    switch (prepareRun(program, windows, plan)) {
        case Start::Refused:
            return RunOutcome::Finished;
        case Start::Declined:
            ClearScreen(toolkit, *toolkit.mainCanvas, 0, 0, 0);
            return RunOutcome::EndProgram;
        case Start::Run:
            break;
    }
    return runPlanned(program, windows, plan, n);
}

namespace {

// The calculation itself, its files planned: steps shown in the view until "Stop", then
// the last picture until a click.
RunOutcome runPlanned(ProgramState& program, RunWindows& windows, RunPlan& plan, int n) {
    Project& project = program.project;
    clearAndSummary(program, windows);
    RunFiles files(plan.trajectory(), plan.finalStatePath(), &plan.readings());
    CalculationStepper stepper(project, program.particles, program.settings, program.random,
                               program.dynamics, files);
    stepper.start(n);
    Input().mouseButtonState = 0;
    TForm2& view = windows.view;
    const Scene scene{view, project, program.settings, program.viewDistance};
    ViewSession session(program.toolkit, view);
    const RunWords words(
        view, [n] { return translated("Calculation", "Calculation of %n particles", nullptr, n); },
        project, statePlaces(program.particles, n), program.settings.cubeHalfSize);
    SetViewClearColor(view, program.settings.backgroundColor);
    ApplyFog(scene);
    StepRate rate;
    CalculationTimes spent;
    // The status line: the readings of the last redraw (each redraw brings them up to date),
    // and the bath as it is now, so that a bath key shows at once.
    Readings readings;
    const auto showStatus = [&] {
        view.setStatus(QString::fromStdString(readingsOnScreen(readings, stepper.bathFactor())));
    };
    const Redraw redraw = [&] {
        const auto start = Clock::now();
        RenderState(scene, program.particles);
        readings = Readings{program.particles.time, stepper.frames(), rate.update(stepper.steps()),
                            meanKineticEnergy(project, program.particles, n)};
        showStatus();
        view.showDrawnNow();
        spent.drawingSeconds += secondsOf(Clock::now() - start);
        ++spent.redraws;
    };
    redraw();
    ShowViewButtons(view);

    // The key G shows the readings, each frame's line as it is written.
    ReadingsView readingsView(view, project, plan.readingsPath());
    FrameReadings frameReadings(view, readingsView, plan.readings());
    // The keys H, C and B change the bath between two steps, and the status line says so.
    int bathLevel = 0;
    const BathKeys bathKeys(view, [&](int step) {
        bathLevel = step == 0 ? 0 : std::clamp(bathLevel + step, BathOffLevel, HighestBathLevel);
        stepper.setBathFactor(bathFactorOfLevel(bathLevel));
        showStatus();
    });
    if (!stepTellingFailures(program, session, scene, stepper, redraw, frameReadings, spent))
        return RunOutcome::Finished;
    if (windows.times) *windows.times = spent;
    plan.trajectory().close();
    awaitClosingClick(view, redraw);
    // The last picture stays up until the driver starts the program again.
    session.handOver();
    return RunOutcome::Finished;
}

}  // namespace

}  // namespace zentova
