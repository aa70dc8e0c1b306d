#pragma once

#include <array>
#include <cstdint>

#include "model/frame.h"
#include "model/limits.h"
#include "model/particles.h"
#include "view3d/scene.h"

namespace zentova {

class SphereMeshes;

inline constexpr double SceneScale = 0.085;   // scene units per cube unit (positions, cube)
inline constexpr double RadiusFactor = 0.02;  // sphere radius per unit of display diameter
inline constexpr int SphereSlices = 20;
inline constexpr int SphereStacks = 20;
inline constexpr double FogStartOffset = 14.0;  // fog from ViewDistance + 14 ...
inline constexpr double FogEndOffset = 48.0;    // ... to ViewDistance + 48 (black beyond)

// One sphere of a picture, in scene units, before the camera offset.
struct PictureSphere {
    double x = 0.0;
    double y = 0.0;
    double z = 0.0;
    double radius = 0.0;
    std::uint8_t red = 0;
    std::uint8_t green = 0;
    std::uint8_t blue = 0;
};

// Everything one drawing of the scene needs, so that the widget can draw it again when its
// framebuffer is replaced.
struct Picture {
    int sphereCount = 0;
    std::array<PictureSphere, MaxParticles> spheres{};
    bool showCube = false;
    double cubeHalfSize = 0.0;  // cube units
    double distance = 0.0;      // the camera offset the picture was drawn at
};

// The spheres of particles 1..particleCount (at most MaxParticles): positions point at
// particle 1's x, y, z with the others following; types[p] is particle p's type. A type with
// no record (outside 1..MaxTypes) gets radius 0, which shows nothing.
Picture ComposePicture(const Project& project, const Settings& settings, const double* positions,
                       const std::uint8_t* types, double distance);

// The GL drawing, on the current context. Clears, then each sphere, with the cube edges
// after the first one when the picture shows them (the same pixels as after every one).
void DrawPicture(const Picture& picture, SphereMeshes& meshes);

// One sphere centred at (x, y, z - distance), tinted through the ambient colour of light 0:
// (c - 125) / 125 per component, so 125 is neutral and 0 darkens.
void DrawParticleSphere(SphereMeshes& meshes, int slices, int stacks, double radius,
                        std::uint8_t red, std::uint8_t green, std::uint8_t blue, double x, double y,
                        double z, double distance);

// The twelve edges of the cube of half edge halfSize x scale, shifted by -distance along z.
// Gives light 0 again through the modelview of the moment, so the light follows the turns.
void DrawCubeEdges(double halfSize, double scale, double distance);

// The range of the linear fog, in scene units from the eye.
struct FogRange {
    float start = 0.0f;
    float end = 0.0f;
};

// Enables linear fog from ViewDistance + 14 to + 48 when the settings ask for it; never
// disables it (only a scene set-up does). The view keeps it, so that a context created
// after this call (the first picture of a run) starts with it.
void ApplyFog(const Scene& scene);

// The GL part of ApplyFog, on the current context.
void EnableFogGL(FogRange range);

// Draws the frame's particles (as many as the project has) at the given camera offset and
// shows the picture.
void RenderFrame(const Scene& scene, const Frame& frame, double distance);

// Draws the shared particle state at ViewDistance and shows the picture.
void RenderState(const Scene& scene, const ParticleState& particles);

}  // namespace zentova
