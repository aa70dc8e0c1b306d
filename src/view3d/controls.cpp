#include "view3d/controls.h"

#include <QPushButton>

#include "pump/pump.h"
#include "view3d/drawing.h"
#include "view3d/viewwindow.h"

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
void whileHeld(const TForm2& window, ViewControls& controls, ViewButton button,
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

void PollViewControls(const Scene& scene, ViewControls& controls, const Redraw& redraw,
                      bool redrawAfterReset) {
    TForm2& window = scene.window;
    if (window.tag(ViewButton::OriginalAngle) == 1) {
        window.setTag(ViewButton::OriginalAngle, 0);
        ResetView(scene);
        if (redrawAfterReset) redraw();
    }

    whileHeld(window, controls, ViewButton::Zoom, redraw, [&] {
        if (controls.fogBeforeZoom) ApplyFog(scene);
        scene.viewDistance -= controls.turnSign * ZoomStep;
        if (!controls.fogBeforeZoom) ApplyFog(scene);
        if (controls.zoomShowsWindow) window.setVisible(true);
    });

    whileHeld(window, controls, ViewButton::HorizontalAngle, redraw, [&] {
        TurnCamera(window, scene.viewDistance, 0.0, 0.0, controls.turnSign * TurnStepDegrees);
        window.setVisible(true);
    });
    endGesture(controls);

    whileHeld(window, controls, ViewButton::VerticalAngle, redraw, [&] {
        TurnCamera(window, scene.viewDistance, 0.0, controls.turnSign * TurnStepDegrees, 0.0);
        window.setVisible(true);
    });
    endGesture(controls);
}

void InspectUntilTerminate(const Scene& scene, ViewControls& controls, const Redraw& redraw) {
    while (scene.window.tag(ViewButton::Stop) == 0) {
        ProcessMessages();
        SleepMs(InspectPollMs);
        PollViewControls(scene, controls, redraw, true);
    }
}

void AwaitDismiss(TForm2& window, const Redraw& redraw,
                  const std::function<void()>& clearMainScreen, const QString& waiting) {
    window.button(ViewButton::Stop)->setText("Stop");
    HideViewButtons(window);
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
    window.setStatus({});
    clearMainScreen();
}

}  // namespace zentova
