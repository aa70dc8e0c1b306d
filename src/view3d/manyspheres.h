#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "files/lammpsdump.h"
#include "files/lammpsmanifest.h"
#include "model/limits.h"
#include "model/project.h"
#include "model/settings.h"

namespace zentova {

class SphereMeshes;
class ViewSurface;

// A picture of as many particles as a LAMMPS run brought back holds (a project's are at most
// 200, a run's up to millions): the same scene as the view's, sized by the run.
struct ManyPicture {
    std::vector<double> centres;               // x, y, z per particle, scene units
    std::vector<std::uint8_t> types;           // per particle, 1..MaxTypes; 0 shows nothing
    std::array<double, MaxTypes + 1> radii{};  // per type, scene units
    std::array<Rgb, MaxTypes + 1> colours{};
    bool showCube = false;
    double cubeHalfSize = 0.0;  // cube units
    double distance = 0.0;      // the camera offset the picture is drawn at
    std::size_t count() const { return types.size(); }
};

// Up to this many particles are drawn as the view draws a project's, sphere by sphere and
// pixel for pixel; more are drawn as impostors, one lit-sphere quad each.
inline constexpr std::size_t MostTessellatedSpheres = MaxParticles;

// The scale of a run's box in the view: the box of NX x NY x NZ cubes shrunk by the largest
// of them, so that the whole box fits where the view's one cube is, particles shrunk alike.
// A run of one cube is drawn at the view's own scale.
double runFit(const LammpsManifest& manifest);

// The picture of a dump frame: positions from the box's centre, the manifest's diameters and
// colours, the settings' cube switch and half size.
ManyPicture composeRunPicture(const LammpsManifest& manifest, const Settings& settings,
                              const LammpsFrame& frame, double distance);

// The GL drawing on the current context: clears, then the particles and the cube edges. Up to
// MostTessellatedSpheres particles exactly as DrawPicture draws them; beyond, the cube edges
// first (they give the light) and then one textured quad facing the eye per particle, its
// texture the lit sphere of its type (the default material under light 0 as the spheres
// have it), drawn with vertex arrays in chunks so that a million particles take a few MB.
void DrawManyPicture(const ManyPicture& picture, SphereMeshes& meshes);

// The picture's shading at a point of a sphere's face: the GL lighting of the spheres
// (global ambient 0.2 and the type's ambient tint, each on the material's 0.2, the diffuse
// 0.8 on the normal towards the light), clamped to 0..1. `normal` and `toLight` are unit
// vectors in eye space.
float litSphereShade(float tint, const std::array<float, 3>& normal,
                     const std::array<float, 3>& toLight);

// Draws the picture in the window's view at once, for a picture made apart from a run (a
// snapshot, a movie frame); false when the view has no context.
bool drawManyNow(ViewSurface& window, const ManyPicture& picture);

}  // namespace zentova
