#pragma once

#include <QString>
#include <functional>

#include "view3d/scene.h"

namespace zentova {

// How a run draws its current picture (RenderState or RenderFrame on its frame).
using Redraw = std::function<void()>;

inline constexpr double ZoomStep = 0.05;         // ViewDistance per repetition of a held Zoom
inline constexpr double TurnStepDegrees = 0.75;  // per repetition of a held turn button
inline constexpr int HeldRepeatMs = 10;          // pause between repetitions of a held button
inline constexpr int InspectPollMs = 20;
inline constexpr int DismissPollMs = 20;

// The gesture state of one run: the direction of the next gesture (a gesture is one
// continuous hold of a button) and the mark that one happened in this pass. The two runs that
// show a finished picture differ from the calculation in one detail of the zoom step each.
struct ViewControls {
    int turnSign = 1;              // TurnSign: +1 or -1; +1 at the start of each run
    bool moved = false;            // the moved mark
    bool zoomShowsWindow = false;  // each zoom step also makes the view window visible
    bool fogBeforeZoom = false;    // each zoom step applies the fog before moving
};

// One pass over the button tags: a pending "Original angle" resets the view (drawn at once
// only when redrawAfterReset); a held "Zoom" moves ViewDistance by -TurnSign x 0.05 per
// repetition; a held "Horizontal angle" or "Vertical angle" turns by TurnSign x 0.75 degrees
// per repetition. Each repetition pumps, sleeps 10 ms and redraws; each completed gesture
// reverses TurnSign, a zoom and a horizontal turn in the same pass counting as one.
void PollViewControls(const Scene& scene, ViewControls& controls, const Redraw& redraw,
                      bool redrawAfterReset);

// Inspection of a finished picture: polls the controls every 20 ms until Button4's tag is 1.
void InspectUntilTerminate(const Scene& scene, ViewControls& controls, const Redraw& redraw);

// The close of a display: Button4's caption back to "Stop", the buttons hidden, the picture
// drawn once more and left until a click on either window, with `waiting` (what the click
// does) in the status line; then the view window is hidden and disabled, its status line
// emptied, and clearMainScreen clears the main drawing area.
void AwaitDismiss(ViewSurface& window, const Redraw& redraw,
                  const std::function<void()>& clearMainScreen, const QString& waiting = {});

}  // namespace zentova
