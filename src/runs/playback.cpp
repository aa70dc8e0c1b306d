#include <QPushButton>
#include <fstream>
#include <memory>

#include "canvas/primitives.h"
#include "canvas/prompts.h"
#include "files/atomicfile.h"
#include "files/fileerror.h"
#include "files/finalstate.h"
#include "files/trajectory.h"
#include "files/xyzexport.h"
#include "lang/language.h"
#include "pump/pump.h"
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

constexpr int PauseBeforePlaybackMs = 100;

// Ends a display that met a damaged file: the view goes away and the note names the place.
void abandon(ProgramState& program, ViewSession* session, const std::string& what,
             const FileError& error) {
    if (session) session->putAway();
    ClearScreen(program.toolkit, *program.toolkit.mainCanvas, 0, 0, 0);
    showFileErrorNote(program.toolkit, what.c_str(), error);
}

// Opens the trajectory at `path` for a replay; false, the buttons hidden and a note shown,
// when it cannot be opened.
bool openHistory(ProgramState& program, TForm2& view, const std::string& path,
                 std::ifstream& file) {
    try {
        file = openTrajectory(path);
    } catch (const FileError& error) {
        HideViewButtons(view);
        abandon(program, nullptr, translated("Playback", "The trajectory cannot be replayed."),
                error);
        return false;
    }
    return true;
}

// Reads the frames one by one into `frame` until the end of the file (true) or "Stop"
// (false), counting them in `frames`; `shown` follows each with the frame's time. Throws
// FileError at a damaged frame or one of other types.
bool replayFrames(TForm2& view, TrajectoryReader& reader, const Project& project,
                  const std::string& path, Frame& frame, long long& frames,
                  const std::function<void(double)>& shown) {
    auto next = std::make_unique<Frame>();
    while (view.tag(ViewButton::Stop) == 0) {
        if (!reader.readFrame(*next)) return true;
        checkFrameTypes(*next, ++frames, project, path);
        takeFrame(frame, *next);
        shown(next->time);
    }
    return false;
}

// After the last frame: the status says how the replay ended (`status`: the frame it ended
// on) and what was left out, the view is inspected until "Terminate" and then waits for a
// click to return.
void endReplay(ProgramState& program, TForm2& view, const TrajectoryReader& reader,
               const std::string& path, std::ifstream& file, bool ended, const std::string& status,
               const Scene& scene, ViewControls& controls, const Redraw& redraw) {
    ProcessMessages();
    if (ended)
        ShadowText(*program.toolkit.mainCanvas, 10, program.toolkit.screenHeight - 30,
                   translated("Playback", "Final state reached"), packColor(255, 255, 255));
    // A last frame cut short (a crash, a copy in progress) ends the replay as the end of the
    // file does; the status line says what was left out.
    const QString leftOut =
        reader.partialFrameLine() > 0
            ? QString::fromStdString(
                  filled(translated("Playback", "%1: the frame cut short at line %2 was left out"),
                         {path, std::to_string(reader.partialFrameLine())}))
            : QString();
    // What the main window writes at the end, and the frame it ended on.
    const QString ending =
        QString::fromStdString(filled(ended ? translated("Playback", "Final state reached, %1")
                                            : translated("Playback", "Stopped at %1"),
                                      {status}));
    view.setStatus(leftOut.isEmpty() ? ending : ending + "   " + leftOut);
    file.close();
    ClearViewBuffers(view);
    redraw();
    view.button(ViewButton::Stop)->setText(QString::fromStdString(translated("View", "Terminate")));
    ApplyFog(scene);
    InspectUntilTerminate(scene, controls, redraw);
    const QString waiting = QString::fromStdString(
        ended ? translated("Playback", "Final state reached: click to return")
              : translated("Playback", "Stopped: click to return to the menu"));
    AwaitDismiss(
        view, redraw, [&] { ClearScreen(program.toolkit, *program.toolkit.mainCanvas, 0, 0, 0); },
        leftOut.isEmpty() ? waiting : waiting + " (" + leftOut + ")");
}

}  // namespace

void HistoryPlayback(ProgramState& program, RunWindows& windows) {
    Toolkit& toolkit = program.toolkit;
    TForm2& view = windows.view;
    ClearScreen(toolkit, *toolkit.mainCanvas, 0, 0, 0);
    windows.showProject();
    ShowViewButtons(view);
    const std::string path = program.source.baseName + ".his";
    if (!fileExists(path)) return;
    std::ifstream file;
    if (!openHistory(program, view, path, file)) return;
    TrajectoryReader reader(file, path);
    SleepMs(PauseBeforePlaybackMs);
    ProcessMessages();
    ViewSession session(toolkit, view);
    ViewControls controls;
    controls.zoomShowsWindow = true;
    const Scene scene{view, program.project, program.settings, program.viewDistance};
    ApplyFog(scene);
    SetViewClearColor(view, program.settings.backgroundColor);

    // The playback's own frame, apart from the shared state; frames with fewer particles
    // than the project leave the rest as the earlier frames had them.
    auto frame = std::make_unique<Frame>();
    const Redraw redraw = [&] {
        RenderFrame(scene, *frame, program.viewDistance);
        view.showDrawnNow();
    };
    const RunWords words(
        view,
        [&] { return translated("Playback", "History of %n particles", nullptr, frame->count); },
        program.project, framePlaces(*frame), program.settings.cubeHalfSize);
    // The key G shows the kinetic energies of the readings file up to the frame shown.
    ReadingsView readingsView(view, program.project, readingsPathOf(program.source.baseName));
    bool ended = false;
    long long frames = 0;
    // The time of the frame shown, in the status line as a calculation has it.
    const auto frameStatus = [&] {
        return filled(translated("Playback", "%1   frame %2"),
                      {timeText(frame->time), std::to_string(frames)});
    };
    view.setRunPhase(RunPhase::Advancing);
    try {
        ended = replayFrames(view, reader, program.project, path, *frame, frames, [&](double time) {
            program.particles.time = time;
            readingsView.showUpTo(time);
            view.setStatus(QString::fromStdString(frameStatus()));
            ProcessMessages();
            PollViewControls(scene, controls, redraw, false);
            redraw();
        });
    } catch (const FileError& error) {
        abandon(program, &session,
                translated("Playback", "The trajectory cannot be replayed further."), error);
        return;
    }

    endReplay(program, view, reader, path, file, ended, frameStatus(), scene, controls, redraw);
    session.handOver();
}

void FinalStateDisplay(ProgramState& program, RunWindows& windows) {
    Toolkit& toolkit = program.toolkit;
    TForm2& view = windows.view;
    const std::string path = program.source.baseName + ".sta";
    if (!fileExists(path)) return;
    ViewControls controls;
    controls.fogBeforeZoom = true;
    ProcessMessages();
    ClearScreen(toolkit, *toolkit.mainCanvas, 0, 0, 0);
    windows.showProject();
    ViewSession session(toolkit, view);

    FinalState state;
    try {
        state = loadFinalStateFile(path);
    } catch (const FileError& error) {
        abandon(program, &session, translated("Playback", "The final state cannot be shown."),
                error);
        return;
    }
    // Read whole before anything is taken: a damaged file leaves the shared state alone.
    program.particles.time = state.time;
    for (int p = 1; p <= state.count; ++p) {
        for (int c = 0; c < 3; ++c) {
            program.particles.position(p, c) = state.particles.position(p, c);
            program.particles.velocity(p, c) = state.particles.velocity(p, c);
        }
        program.particles.type[p] = state.particles.type[p];
    }

    const Scene scene{view, program.project, program.settings, program.viewDistance};
    const Redraw redraw = [&] { RenderState(scene, program.particles); };
    const RunWords words(
        view,
        [&] {
            return filled(
                translated("Playback", "Final state at %1, %n particles", nullptr, state.count),
                {timeText(state.time)});
        },
        program.project, statePlaces(program.particles, state.count),
        program.settings.cubeHalfSize);
    ApplyFog(scene);
    SetViewClearColor(view, program.settings.backgroundColor);
    redraw();
    ShowViewButtons(view);
    view.button(ViewButton::Stop)->setText(QString::fromStdString(translated("View", "Terminate")));
    InspectUntilTerminate(scene, controls, redraw);
    AwaitDismiss(
        view, redraw, [&] { ClearScreen(toolkit, *toolkit.mainCanvas, 0, 0, 0); },
        QString::fromStdString(translated("Playback", "Final state reached: click to return")));
    session.handOver();
}

}  // namespace zentova
