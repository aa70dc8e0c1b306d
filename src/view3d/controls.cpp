#include "view3d/controls.h"

#include <QPushButton>

#include "lang/language.h"
#include "pump/pump.h"
#include "view3d/drawing.h"
#include "view3d/viewsurface.h"

namespace zentova {

namespace {

// Ends a gesture: the next one goes the other way.
void endGesture(ViewControls& controls) {
    if (!controls.moved) return;
    controls.moved = false;
    controls.turnSign = -controls.turnSign;
}

// Repeats `step` while `button` is held. The tag is tested before the pump, so the repetition
// that sees the release still makes its step.
template <typename Step>
void whileHeld(const ViewSurface& window, ViewControls& controls, ViewButton button,
               const Redraw& redraw, Step step) {
    while (window.tag(button) == 1) {
        ProcessMessages();
        step();
        controls.moved = true;
        SleepMs(HeldRepeatMs);
        redraw();
    }
}

}  // namespace

namespace {

// One pass over the tags. A gesture held by a key goes the key's way and leaves the
// alternation of the mouse's gestures as it was.
void pollOnce(const Scene& scene, ViewControls& controls, const Redraw& redraw,
              bool redrawAfterReset) {
    ViewSurface& window = scene.window;
    if (window.tag(ViewButton::OriginalAngle) == 1) {
        window.setTag(ViewButton::OriginalAngle, 0);
        ResetView(scene);
        if (redrawAfterReset) redraw();
    }
    const auto sign = [&] {
        return window.keyedSign() != 0 ? window.keyedSign() : controls.turnSign;
    };
    const auto endKeyed = [&](bool keyed) {
        if (keyed) controls.moved = false;
        endGesture(controls);
    };

    bool keyed = window.keyedSign() != 0 && window.tag(ViewButton::Zoom) == 1;
    whileHeld(window, controls, ViewButton::Zoom, redraw, [&] {
        if (controls.fogBeforeZoom) ApplyFog(scene);
        scene.viewDistance -= sign() * ZoomStep;
        if (!controls.fogBeforeZoom) ApplyFog(scene);
        if (controls.zoomShowsWindow) window.setVisible(true);
    });
    // A zoom by key is a gesture of its own.
    if (keyed) endKeyed(true);

    keyed = window.keyedSign() != 0 && window.tag(ViewButton::HorizontalAngle) == 1;
    whileHeld(window, controls, ViewButton::HorizontalAngle, redraw, [&] {
        TurnCamera(window, scene.viewDistance, 0.0, 0.0, sign() * TurnStepDegrees);
        window.setVisible(true);
    });
    endKeyed(keyed);

    keyed = window.keyedSign() != 0 && window.tag(ViewButton::VerticalAngle) == 1;
    whileHeld(window, controls, ViewButton::VerticalAngle, redraw, [&] {
        TurnCamera(window, scene.viewDistance, 0.0, sign() * TurnStepDegrees, 0.0);
        window.setVisible(true);
    });
    endKeyed(keyed);
}

}  // namespace

void PollViewControls(const Scene& scene, ViewControls& controls, const Redraw& redraw,
                      bool redrawAfterReset) {
    pollOnce(scene, controls, redraw, redrawAfterReset);
    // The key P holds the run here; the buttons still turn and zoom the picture.
    ViewSurface& window = scene.window;
    while (window.paused() && window.tag(ViewButton::Stop) == 0 && window.isVisible()) {
        ProcessMessages();
        SleepMs(InspectPollMs);
        pollOnce(scene, controls, redraw, true);
    }
    window.setPaused(false);
}

void InspectUntilTerminate(const Scene& scene, ViewControls& controls, const Redraw& redraw) {
    scene.window.setRunPhase(RunPhase::Inspecting);
    while (scene.window.tag(ViewButton::Stop) == 0) {
        ProcessMessages();
        SleepMs(InspectPollMs);
        PollViewControls(scene, controls, redraw, true);
    }
}

void AwaitDismiss(ViewSurface& window, const Redraw& redraw,
                  const std::function<void()>& clearMainScreen, const QString& waiting) {
    window.button(ViewButton::Stop)->setText(QString::fromStdString(translated("View", "Stop")));
    HideViewButtons(window);
    window.setRunPhase(RunPhase::Returning);
    ProcessMessages();
    Input().viewWindowTag = 0;
    Input().mainWindowTag = 0;
    redraw();
    window.setStatus(waiting);
    // A view window the user closed has been dismissed already.
    while (window.isVisible() && Input().viewWindowTag == 0 && Input().mainWindowTag == 0) {
        ProcessMessages();
        SleepMs(DismissPollMs);
    }
    window.hide();
    window.setEnabled(false);
    window.setRunPhase(RunPhase::None);
    window.setStatus({});
    clearMainScreen();
}

}  // namespace zentova
