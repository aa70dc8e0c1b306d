#include "runs/runreplay.h"

#include <QPushButton>
#include <fstream>
#include <memory>

#include "files/atomicfile.h"
#include "files/fileerror.h"
#include "files/lammpsdump.h"
#include "files/lammpslog.h"
#include "files/linereader.h"
#include "pump/pump.h"
#include "runs/description.h"
#include "runs/readingsview.h"
#include "view3d/controls.h"
#include "view3d/manyspheres.h"
#include "view3d/scene.h"
#include "view3d/viewgl.h"
#include "view3d/viewwindow.h"

namespace zentova {

Project projectOfRun(const LammpsManifest& m) {
    Project project;
    project.name = m.projectName;
    project.typeCount = static_cast<std::int32_t>(m.types.size());
    for (std::size_t t = 0; t < m.types.size() && t < MaxTypes; ++t) {
        project.counts[t + 1] = static_cast<std::int32_t>(m.types[t].count);
        project.masses[t + 1] = m.types[t].mass;
        project.diameters[t + 1] = m.types[t].diameter;
        project.colors[t + 1] = m.types[t].colour;
    }
    project.particleCount = static_cast<std::int32_t>(m.particles);
    return project;
}

long long RunReplay(TForm2& view, const LammpsRun& run, const Settings& settings,
                    double& viewDistance, int screenWidth) {
    const Project project = projectOfRun(run.manifest);
    auto dumpFile = openMaybeCompressed(run.dumpPath);
    LammpsDumpReader reader(*dumpFile, run.dumpPath, run.manifest);

    PlaceViewWindow(view, screenWidth);
    view.show();
    view.setEnabled(true);
    view.setFocus(Qt::OtherFocusReason);
    for (const ViewButton b : ViewButtons) view.setTag(b, 0);
    view.setStatus({});
    ShowViewButtons(view);
    ViewControls controls;
    controls.zoomShowsWindow = true;
    const Scene scene{view, project, settings, viewDistance};
    ApplyFog(scene);
    SetViewClearColor(view, settings.backgroundColor);

    auto frame = std::make_unique<LammpsFrame>();
    auto next = std::make_unique<LammpsFrame>();
    bool any = false;
    const Redraw redraw = [&] {
        if (!any) return;
        auto picture = std::make_shared<const ManyPicture>(
            composeRunPicture(run.manifest, settings, *frame, viewDistance));
        ViewGL* gl = view.view();
        if (!gl) return;
        if (gl->makeContextCurrent()) {
            DrawManyPicture(*picture, gl->meshes());
            view.pictureDrawn();
        }
        gl->present(picture);
        view.showDrawnNow();
    };
    // The key G: the log's thermo rows at the dump's frames, up to the frame shown.
    ReadingsView readingsView(view, project, run.logPath, [&run] {
        if (!fileExists(run.logPath)) return ReadingsTable{};
        std::ifstream log = openTextFile(run.logPath);
        return parseLammpsLog(log, run.manifest);
    });
    view.setRunFacts([&] {
        return QString::fromStdString("Run of " + std::to_string(run.manifest.particles) +
                                      " particles brought back from LAMMPS");
    });
    long long frames = 0;
    const auto frameStatus = [&] {
        return timeText(frame->time) + "   frame " + std::to_string(frames);
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
    ProcessMessages();
    std::string leftOut = refused.empty() ? reader.note() : refused;
    const std::string ending =
        (ended ? "Final state reached, " : "Stopped at ") + (any ? frameStatus() : "no frame");
    view.setStatus(QString::fromStdString(leftOut.empty() ? ending : ending + "   " + leftOut));
    redraw();
    view.button(ViewButton::Stop)->setText("Terminate");
    ApplyFog(scene);
    InspectUntilTerminate(scene, controls, redraw);
    const std::string waiting =
        ended ? "Final state reached: click to end" : "Stopped: click to end";
    AwaitDismiss(
        view, redraw, [] {},
        QString::fromStdString(leftOut.empty() ? waiting : waiting + " (" + leftOut + ")"));
    view.setRunFacts({});
    return frames;
}

}  // namespace zentova
