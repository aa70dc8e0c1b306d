#include <QPushButton>
#include <chrono>
#include <cstdio>

#include "canvas/primitives.h"
#include "canvas/prompts.h"
#include "canvas/pump.h"
#include "files/atomicfile.h"
#include "files/fileerror.h"
#include "files/finalstate.h"
#include "files/trajectory.h"
#include "model/placement.h"
#include "runs/displays.h"
#include "runs/notes.h"
#include "runs/report.h"
#include "runs/stepper.h"
#include "view3d/controls.h"
#include "view3d/drawing.h"
#include "view3d/scene.h"
#include "view3d/viewwindow.h"

namespace zentova {

namespace {

constexpr int PauseAfterFinalStateMs = 200;
constexpr int ClosingPollMs = 30;

void clearAndSummary(ProgramState& program, RunWindows& windows) {
    ProcessMessages();
    ClearScreen(program.toolkit, *program.toolkit.mainCanvas, 0, 0, 0);
    windows.showProject();
}

// Continues from the final state on disk, when it belongs to this project. False (after a
// note) when it cannot be used; the state in memory is then unchanged.
bool continueFromFinalState(ProgramState& program, const std::string& path) {
    FinalState last;
    try {
        last = loadFinalStateFile(path);
    } catch (const FileError& error) {
        showFileErrorNote(program.toolkit, "The final state cannot be continued.", error);
        return false;
    }
    const std::string mismatch = finalStateMismatch(last, program.project);
    if (!mismatch.empty()) {
        NoteBox(program.toolkit, "The final state belongs to another project:", mismatch,
                "Answer YES to \"Overwrite\" to start this project anew.", "", 0, 0);
        return false;
    }
    program.particles = last.particles;
    SleepMs(PauseAfterFinalStateMs);
    return true;
}

}  // namespace

std::string formatCalculationTimes(const CalculationTimes& times) {
    const double total = times.totalSeconds > 0.0 ? times.totalSeconds : 1.0;
    const double other = times.totalSeconds - times.integrationSeconds - times.drawingSeconds;
    char line[256];
    std::snprintf(line, sizeof line,
                  "zentova: calculation of %lld steps in %.2f s (%.0f steps/s, %lld redraws): "
                  "integration %.1f%%, drawing %.1f%%, messages and bookkeeping %.1f%%\n",
                  times.steps, times.totalSeconds, times.steps / total, times.redraws,
                  100.0 * times.integrationSeconds / total, 100.0 * times.drawingSeconds / total,
                  100.0 * other / total);
    return line;
}

RunOutcome CalculationRun(ProgramState& program, RunWindows& windows) {
    Toolkit& toolkit = program.toolkit;
    Project& project = program.project;
    const int n = sumOfCounts(project);
    project.particleCount = n;
    for (int p = n + 1; p <= MaxParticles; ++p) program.particles.type[p] = 0;
    clearAndSummary(program, windows);
    ClearScreen(toolkit, *toolkit.mainCanvas, 0, 0, 0);
    windows.showProject();

    if (const auto problem = projectProblem(project)) {
        NoteBox(toolkit, "This project cannot be calculated:", *problem, "", "", 0, 0);
        return RunOutcome::Finished;
    }

    const std::string trajectoryPath = program.source.baseName + ".his";
    const std::string finalStatePath = program.source.baseName + ".sta";
    TrajectoryWriter trajectory;
    enum class Mode { None, New, Overwrite, Append } mode = Mode::None;
    try {
        if (!fileExists(trajectoryPath)) {
            mode = Mode::New;
        } else if (Confirm(toolkit, "Overwrite old trajectory file ?")) {
            mode = Mode::Overwrite;
            program.particles.time = 0.0;
            PlaceParticles(project, program.source, program.particles, program.random,
                           program.settings.cubeHalfSize);
            trajectory.open(trajectoryPath, false);
        }
        clearAndSummary(program, windows);
        if (mode == Mode::None && Confirm(toolkit, "Append to old trajectory file ?")) {
            if (fileExists(finalStatePath)) {
                if (!continueFromFinalState(program, finalStatePath)) return RunOutcome::Finished;
            } else {
                NoteBox(toolkit, "There is no final state to continue from:", finalStatePath,
                        "The calculation goes on from the particles as they are now.", "", 0,
                        0);
            }
            mode = Mode::Append;
            trajectory.open(trajectoryPath, true);
        }
        if (mode == Mode::New) {
            PlaceParticles(project, program.source, program.particles, program.random,
                           program.settings.cubeHalfSize);
            trajectory.open(trajectoryPath, false);
        }
    } catch (const FileError& error) {
        showFileErrorNote(toolkit, "The calculation cannot start.", error);
        return RunOutcome::Finished;
    }
    if (mode == Mode::None) {
        ClearScreen(toolkit, *toolkit.mainCanvas, 0, 0, 0);
        return RunOutcome::EndProgram;
    }

    // The view.
    clearAndSummary(program, windows);
    RunFiles files(trajectory, finalStatePath);
    CalculationStepper stepper(project, program.particles, program.settings, program.random,
                               program.dynamics, files);
    stepper.start(n);
    Input().mouseButtonState = 0;
    TForm2& view = windows.view;
    const Scene scene{view, project, program.settings, program.viewDistance};
    PlaceViewWindow(view, toolkit.screenWidth);
    DropSavedScreen(toolkit);
    view.show();
    view.setEnabled(true);
    SetViewClearColor(view, program.settings.backgroundColor);
    ApplyFog(scene);
    // Each redraw also brings the readings in the status line up to date.
    StepRate rate;
    using Clock = std::chrono::steady_clock;
    const auto seconds = [](Clock::duration d) { return std::chrono::duration<double>(d).count(); };
    CalculationTimes spent;
    const Redraw redraw = [&] {
        const auto start = Clock::now();
        RenderState(scene, program.particles);
        const Readings readings{program.particles.time, stepper.frames(),
                                rate.update(stepper.steps()),
                                meanKineticEnergy(project, program.particles, n)};
        view.setStatus(QString::fromStdString(formatReadings(readings)));
        view.showDrawnNow();
        spent.drawingSeconds += seconds(Clock::now() - start);
        ++spent.redraws;
    };
    redraw();
    ShowViewButtons(view);
    for (int b = 1; b <= 5; ++b) view.setTag(b, 0);
    ViewControls controls;

    spent = CalculationTimes{};
    const auto loopStart = Clock::now();
    try {
        while (view.tag(4) == 0) {
            if (stepper.redrawDue()) redraw();
            PollViewControls(scene, controls, redraw, false);
            const auto stepStart = Clock::now();
            stepper.advance();
            spent.integrationSeconds += seconds(Clock::now() - stepStart);
            ++spent.steps;
            ProcessMessages();
            if (Input().mouseButtonState == 2) {
                redraw();
                WaitClickOrKey();
            }
            ProcessMessages();
        }
    } catch (const FileError& error) {
        trajectory.close();
        HideViewButtons(view);
        view.hide();
        showFileErrorNote(toolkit, "The calculation stopped; the files keep what was written.",
                          error);
        return RunOutcome::Finished;
    } catch (const UnstableError& error) {
        trajectory.close();
        HideViewButtons(view);
        view.hide();
        char time[64];
        std::snprintf(time, sizeof time, "The calculation stopped at time %.3f.",
                      program.particles.time);
        NoteBox(toolkit, time, "The motion became unstable: the integration step is too large",
                "for these forces. Choose a smaller step in \"Advanced setup\".",
                "The files keep every frame written before.", 0, 0);
        return RunOutcome::Finished;
    }

    spent.totalSeconds = seconds(Clock::now() - loopStart);
    if (windows.times) *windows.times = spent;
    trajectory.close();
    HideViewButtons(view);
    ProcessMessages();
    ClearViewBuffers(view);
    redraw();
    Input().mainWindowTag = 0;
    Input().viewWindowTag = 0;
    // A view window the user closed has been dismissed already.
    while (view.isVisible() && Input().mainWindowTag == 0 && Input().viewWindowTag == 0) {
        ProcessMessages();
        SleepMs(ClosingPollMs);
    }
    return RunOutcome::Finished;
}

}  // namespace zentova
