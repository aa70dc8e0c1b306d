#pragma once

#include <array>

#include "model/project.h"
#include "model/settings.h"

namespace zentova {

class ViewSurface;

// The 3-D view and what it reads and moves: the window, the project's colours and diameters,
// the settings' switches and cube size, and ViewDistance. The program binds its own
// instances; a test builds its own.
struct Scene {
    ViewSurface& window;
    const Project& project;
    const Settings& settings;
    double& viewDistance;  // ViewDistance: scene offset along the viewing axis, scene units
};

// ViewDistance at start-up and after ResetView.
inline constexpr double InitialViewDistance = 6.0;

// Light 0 as x, y, z, w: taken through the modelview current when it is given.
inline constexpr std::array<float, 4> LightPosition{-6.0f, 6.0f, 16.0f, 0.3f};

// Builds the GL state of the view from scratch: viewport over the client area, the frustum,
// the base modelview (which drops every accumulated turn), light 0, depth test, and no fog.
// While the window has no context yet (never shown) it does nothing now: the context runs
// the same set-up when it is created.
void SetUpScene(ViewSurface& window);

// The GL part of SetUpScene for a client area of width x height pixels, on the current
// context; the viewport takes the framebuffer's size in device pixels.
void SetUpSceneGL(int width, int height, int framebufferWidth, int framebufferHeight);

// Multiplies the modelview by a turn of the scene about the point `distance` in front of the
// base position (the cube centre when distance is ViewDistance). Angles in degrees.
void TurnCamera(ViewSurface& window, double distance, double twist, double elevation,
                double azimuth);

// ViewDistance back to 6, the fog moved with it, the modelview back to the base transform.
// Does not draw.
void ResetView(const Scene& scene);

// The clear colour of the view: each component / 257 (not 255), alpha 0.2.
void SetViewClearColor(ViewSurface& window, Rgb color);

// Clears the view's colour and depth buffers; shown only with the next drawing.
void ClearViewBuffers(ViewSurface& window);

}  // namespace zentova
