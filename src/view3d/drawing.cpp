#include "view3d/drawing.h"

#include <GL/gl.h>
#include <GL/glu.h>

#include <algorithm>

#include "view3d/rendererbatches.h"
#include "view3d/spheremesh.h"
#include "view3d/viewgl.h"
#include "view3d/viewsurface.h"

namespace zentova {

namespace {

// Draws the picture on the view, keeps it and asks for it to be shown.
void renderPicture(ViewSurface& window, const Picture& picture) {
    ViewGL* view = window.view();
    if (!view) return;
    if (view->makeContextCurrent()) {
        DrawPicture(picture, view->meshes());
        window.pictureDrawn();
    }
    view->present(picture);
}

}  // namespace

Picture ComposePicture(const Project& project, const Settings& settings, const double* positions,
                       const std::uint8_t* types, double distance) {
    Picture picture;
    picture.sphereCount = std::clamp(project.particleCount, 0, MaxParticles);
    picture.showCube = settings.showCubeLimits;
    picture.cubeHalfSize = settings.cubeHalfSize;
    picture.distance = distance;
    for (int k = 1; k <= picture.sphereCount; ++k) {
        const double* position = positions + 3 * (k - 1);
        PictureSphere& sphere = picture.spheres[k - 1];
        sphere.x = SceneScale * position[0];
        sphere.y = SceneScale * position[1];
        sphere.z = SceneScale * position[2];
        const int type = types[k];
        // A type byte read from a file may name no type: nothing to read, nothing to show.
        if (type < 1 || type > MaxTypes) continue;
        sphere.radius = RadiusFactor * project.diameters[type];
        sphere.red = project.colors[type].r;
        sphere.green = project.colors[type].g;
        sphere.blue = project.colors[type].b;
    }
    return picture;
}

void DrawPicture(const Picture& picture, SphereMeshes& meshes) {
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    RendererBatches batches;
    for (int k = 0; k < picture.sphereCount; ++k) {
        const PictureSphere& sphere = picture.spheres[k];
        DrawParticleSphere(meshes, SphereSlices, SphereStacks, sphere.radius, sphere.red,
                           sphere.green, sphere.blue, sphere.x, sphere.y, sphere.z,
                           picture.distance);
        // After the first sphere: the cube drawing gives the light again through the turned
        // modelview for the spheres after it, and with no particles there is no cube. The
        // model draws the edges after every sphere; that changes no pixel (the same light is
        // given again, the same edges fail the depth test) and costs a frame half its time.
        if (picture.showCube && k == 0)
            DrawCubeEdges(picture.cubeHalfSize, SceneScale, picture.distance);
        // Batches let the renderer's threads start on the first spheres while the later ones
        // are sent, and bound the memory a frame takes. The pixels are the same.
        if ((k + 1) % RendererBatches::SpheresPerBatch == 0) batches.endBatch();
    }
}

void DrawParticleSphere(SphereMeshes& meshes, int slices, int stacks, double radius,
                        std::uint8_t red, std::uint8_t green, std::uint8_t blue, double x, double y,
                        double z, double distance) {
    // No material is ever set: the default one (ambient 0.2, diffuse 0.8) takes the tint
    // from the light's ambient colour, which may be negative and so darken the sphere.
    glDisable(GL_COLOR_MATERIAL);
    glPushMatrix();
    glTranslatef(static_cast<GLfloat>(x), static_cast<GLfloat>(y),
                 static_cast<GLfloat>(z - distance));
    const GLfloat ambient[4] = {(red - 125) / 125.0f, (green - 125) / 125.0f, (blue - 125) / 125.0f,
                                0.2f};
    glLightfv(GL_LIGHT0, GL_AMBIENT, ambient);
    meshes.draw(radius, slices, stacks);
    glPopMatrix();
}

void DrawCubeEdges(double halfSize, double scale, double distance) {
    const GLfloat white[4] = {1.0f, 1.0f, 1.0f, 0.5f};
    const GLfloat fromViewer[4] = {0.0f, 0.0f, 1.0f, 0.0f};
    const GLfloat normal[3] = {0.0f, 0.0f, 1.0f};
    glLightfv(GL_LIGHT0, GL_AMBIENT, white);
    glLightfv(GL_LIGHT0, GL_POSITION, fromViewer);
    glPushMatrix();
    glTranslatef(0.0f, 0.0f, static_cast<GLfloat>(-distance));

    const GLfloat s = static_cast<GLfloat>(halfSize * scale);
    // Twelve edges as pairs of corners: the y = -s face, the y = +s face, the uprights.
    // clang-format off
    static constexpr GLfloat edges[24][3] = {
        {-1, -1, -1}, {1, -1, -1},   {1, -1, -1}, {1, -1, 1},
        {1, -1, 1},   {-1, -1, 1},   {-1, -1, 1}, {-1, -1, -1},
        {-1, 1, -1},  {1, 1, -1},    {1, 1, -1},  {1, 1, 1},
        {1, 1, 1},    {-1, 1, 1},    {-1, 1, 1},  {-1, 1, -1},
        {-1, -1, -1}, {-1, 1, -1},   {1, -1, -1}, {1, 1, -1},
        {-1, -1, 1},  {-1, 1, 1},    {1, -1, 1},  {1, 1, 1}};
    // clang-format on
    glBegin(GL_LINES);
    glNormal3fv(normal);
    for (const auto& corner : edges) glVertex3f(corner[0] * s, corner[1] * s, corner[2] * s);
    glEnd();

    glPopMatrix();
    // Through the modelview of the moment, turns included: from now on the light turns with
    // the scene.
    glLightfv(GL_LIGHT0, GL_POSITION, LightPosition.data());
}

void ApplyFog(const Scene& scene) {
    if (!scene.settings.fogEnabled) return;
    ViewGL* view = scene.window.view();
    if (!view) return;
    view->setFog(FogRange{static_cast<GLfloat>(scene.viewDistance + FogStartOffset),
                          static_cast<GLfloat>(scene.viewDistance + FogEndOffset)});
}

void EnableFogGL(FogRange range) {
    // The fog colour stays the default black: far spheres fade into black, whatever the
    // background.
    glEnable(GL_FOG);
    glFogf(GL_FOG_MODE, static_cast<GLfloat>(GL_LINEAR));
    glFogf(GL_FOG_START, range.start);
    glFogf(GL_FOG_END, range.end);
}

void RenderFrame(const Scene& scene, const Frame& frame, double distance) {
    // The frame keeps particle p at 3p; index 0 is unused.
    renderPicture(scene.window,
                  ComposePicture(scene.project, scene.settings, frame.positions.data() + 3,
                                 frame.types.data(), distance));
}

void RenderState(const Scene& scene, const ParticleState& particles) {
    renderPicture(scene.window,
                  ComposePicture(scene.project, scene.settings, particles.positionOf(1),
                                 particles.type.data(), scene.viewDistance));
}

}  // namespace zentova
