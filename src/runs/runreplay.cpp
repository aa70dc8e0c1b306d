#include "runs/runreplay.h"

#include <QPushButton>
#include <fstream>
#include <memory>

#include "files/atomicfile.h"
#include "files/fileerror.h"
#include "files/lammpsdump.h"
#include "files/lammpslog.h"
#include "files/linereader.h"
#include "lang/language.h"
#include "pump/pump.h"
#include "runs/description.h"
#include "runs/readingsview.h"
#include "view3d/controls.h"
#include "view3d/manyspheres.h"
#include "view3d/scene.h"
#include "view3d/viewgl.h"
#include "view3d/viewwindow.h"

namespace zentova {

namespace {

// The view window shown for a replay: placed, its buttons untouched and shown.
void openReplayView(TForm2& view, int screenWidth) {
    PlaceViewWindow(view, screenWidth);
    view.show();
    view.setEnabled(true);
    view.setFocus(Qt::OtherFocusReason);
    for (const ViewButton b : ViewButtons) view.setTag(b, 0);
    view.setStatus({});
    ShowViewButtons(view);
}

// The log's thermo rows, none when the run left no log.
ReadingsTable logReadings(const LammpsRun& run) {
    if (!fileExists(run.logPath)) return ReadingsTable{};
    std::ifstream log = openTextFile(run.logPath);
    return parseLammpsLog(log, run.manifest);
}

// What the screen reader says of the run shown.
QString replayFacts(const LammpsRun& run) {
    return QString::fromStdString(translated(
        "Replay", "Run of %n particles brought back from LAMMPS", nullptr, run.manifest.particles));
}

// One frame of the dump drawn, and kept for the view to show again when exposed.
void drawRunFrame(TForm2& view, const LammpsManifest& manifest, const Settings& settings,
                  const LammpsFrame& frame, double viewDistance) {
    auto picture = std::make_shared<const ManyPicture>(
        composeRunPicture(manifest, settings, frame, viewDistance));
    ViewGL* gl = view.view();
    if (!gl) return;
    if (gl->makeContextCurrent()) {
        DrawManyPicture(*picture, gl->meshes());
        view.pictureDrawn();
    }
    gl->present(picture);
    view.showDrawnNow();
}

// The end of a replay: where it ended (`frameStatus`) and why a frame was left out (when
// one was), then turning and zooming until "Terminate", and a click.
void awaitReplayEnd(const Scene& scene, ViewControls& controls, const Redraw& redraw, bool ended,
                    const std::string& frameStatus, const std::string& leftOut) {
    ViewSurface& view = scene.window;
    const std::string ending = filled(ended ? translated("Replay", "Final state reached, %1")
                                            : translated("Replay", "Stopped at %1"),
                                      {frameStatus});
    view.setStatus(QString::fromStdString(leftOut.empty() ? ending : ending + "   " + leftOut));
    redraw();
    view.button(ViewButton::Stop)->setText(QString::fromStdString(translated("View", "Terminate")));
    ApplyFog(scene);
    InspectUntilTerminate(scene, controls, redraw);
    const std::string waiting = ended ? translated("Replay", "Final state reached: click to end")
                                      : translated("Replay", "Stopped: click to end");
    AwaitDismiss(
        view, redraw, [] {},
        QString::fromStdString(leftOut.empty() ? waiting : waiting + " (" + leftOut + ")"));
}

}  // namespace

// The steps of a replay: the view opened, the frames shown as the dump reads until it ends,
// "Stop" or a refused frame, then the ending waited out.
long long RunReplay(TForm2& view, const LammpsRun& run, const Settings& settings,
                    double& viewDistance, int screenWidth, std::string* refusal) {
    const Project project = projectOfRun(run.manifest);
    auto dumpFile = openMaybeCompressed(run.dumpPath);
    LammpsDumpReader reader(*dumpFile, run.dumpPath, run.manifest);

    openReplayView(view, screenWidth);
    ViewControls controls;
    controls.zoomShowsWindow = true;
    const Scene scene{view, project, settings, viewDistance};
    ApplyFog(scene);
    SetViewClearColor(view, settings.backgroundColor);

    auto frame = std::make_unique<LammpsFrame>();
    auto next = std::make_unique<LammpsFrame>();
    bool any = false;
    const Redraw redraw = [&] {
        if (any) drawRunFrame(view, run.manifest, settings, *frame, viewDistance);
    };
    // The key G: the log's thermo rows at the dump's frames, up to the frame shown.
    ReadingsView readingsView(view, project, run.logPath, [&run] { return logReadings(run); });
    view.setRunFacts([&run] { return replayFacts(run); });
    long long frames = 0;
    const auto frameStatus = [&] {
        return filled(translated("Replay", "%1   frame %2"),
                      {timeText(frame->time), std::to_string(frames)});
    };
    bool ended = false;
    std::string refused;
    view.setRunPhase(RunPhase::Advancing);
    try {
        while (view.tag(ViewButton::Stop) == 0) {
            if (!reader.next(*next)) {
                ended = true;
                break;
            }
            std::swap(frame, next);
            any = true;
            ++frames;
            readingsView.showUpTo(frame->time);
            view.setStatus(QString::fromStdString(frameStatus()));
            ProcessMessages();
            PollViewControls(scene, controls, redraw, false);
            redraw();
        }
    } catch (const FileError& error) {
        refused = error.what();
    }
    if (refusal) *refusal = refused;
    ProcessMessages();
    awaitReplayEnd(scene, controls, redraw, ended,
                   any ? frameStatus() : translated("Replay", "no frame"),
                   refused.empty() ? reader.note() : refused);
    view.setRunFacts({});
    return frames;
}

}  // namespace zentova
