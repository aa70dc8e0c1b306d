#include "view3d/manyspheres.h"

#include <GL/gl.h>

#include <algorithm>
#include <cmath>
#include <memory>

#include "view3d/drawing.h"
#include "view3d/viewgl.h"
#include "view3d/viewsurface.h"

namespace zentova {

namespace {

constexpr int TextureSize = 64;               // texels across a sphere's face
constexpr std::size_t QuadsPerChunk = 16384;  // vertex arrays of about 330 KB

// The lit face of one type's spheres: shading in red, green and blue, and outside the disc
// an alpha of 0 that the alpha test leaves out.
std::vector<GLubyte> litSphereTexture(Rgb colour, const std::array<float, 3>& toLight) {
    std::vector<GLubyte> texels(4 * TextureSize * TextureSize);
    const float tint[3] = {(colour.r - 125) / 125.0f, (colour.g - 125) / 125.0f,
                           (colour.b - 125) / 125.0f};
    for (int j = 0; j < TextureSize; ++j)
        for (int i = 0; i < TextureSize; ++i) {
            const float u = (i + 0.5f) / TextureSize * 2.0f - 1.0f;
            const float v = (j + 0.5f) / TextureSize * 2.0f - 1.0f;
            const float rim = u * u + v * v;
            GLubyte* texel = &texels[4 * (j * TextureSize + i)];
            if (rim > 1.0f) continue;  // all four zero: left out
            const std::array<float, 3> normal{u, v, std::sqrt(1.0f - rim)};
            for (int c = 0; c < 3; ++c)
                texel[c] = static_cast<GLubyte>(
                    std::lround(255.0f * litSphereShade(tint[c], normal, toLight)));
            texel[3] = 255;
        }
    return texels;
}

// The direction from the cube's centre to light 0 in eye space, as the light stands now.
std::array<float, 3> lightFromCentre(const GLdouble* modelview, double distance) {
    GLfloat light[4];
    glGetLightfv(GL_LIGHT0, GL_POSITION, light);  // in eye space, as given
    double centre[3];
    for (int r = 0; r < 3; ++r) centre[r] = modelview[8 + r] * -distance + modelview[12 + r];
    double d[3];
    for (int r = 0; r < 3; ++r) d[r] = light[r] - light[3] * centre[r];
    const double length = std::sqrt(d[0] * d[0] + d[1] * d[1] + d[2] * d[2]);
    if (length == 0.0) return {0.0f, 0.0f, 1.0f};
    return {static_cast<float>(d[0] / length), static_cast<float>(d[1] / length),
            static_cast<float>(d[2] / length)};
}

void drawTessellated(const ManyPicture& many, SphereMeshes& meshes) {
    auto picture = std::make_unique<Picture>();
    picture->sphereCount = static_cast<int>(many.count());
    picture->showCube = many.showCube;
    picture->cubeHalfSize = many.cubeHalfSize;
    picture->distance = many.distance;
    for (std::size_t k = 0; k < many.count(); ++k) {
        PictureSphere& sphere = picture->spheres[k];
        sphere.x = many.centres[3 * k];
        sphere.y = many.centres[3 * k + 1];
        sphere.z = many.centres[3 * k + 2];
        const int type = many.types[k];
        if (type < 1 || type > MaxTypes) continue;
        sphere.radius = many.radii[type];
        sphere.red = many.colours[type].r;
        sphere.green = many.colours[type].g;
        sphere.blue = many.colours[type].b;
    }
    DrawPicture(*picture, meshes);
}

// GL state for quads given in eye space, facing the eye, textured with a sphere's lit face
// whose corners the alpha test leaves out; endFacingQuads() restores what was.
void beginFacingQuads() {
    glPushAttrib(GL_ENABLE_BIT | GL_TEXTURE_BIT | GL_COLOR_BUFFER_BIT);
    glDisable(GL_LIGHTING);
    glEnable(GL_TEXTURE_2D);
    glEnable(GL_ALPHA_TEST);
    glAlphaFunc(GL_GREATER, 0.5f);
    glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_REPLACE);
    glPixelStorei(GL_UNPACK_ALIGNMENT, 4);
    glMatrixMode(GL_MODELVIEW);
    glPushMatrix();
    glLoadIdentity();  // the corners are given in eye space, facing the eye
    glEnableClientState(GL_VERTEX_ARRAY);
    glEnableClientState(GL_TEXTURE_COORD_ARRAY);
}

void endFacingQuads() {
    glDisableClientState(GL_TEXTURE_COORD_ARRAY);
    glDisableClientState(GL_VERTEX_ARRAY);
    glPopMatrix();
    glPopAttrib();
}

// The vertex arrays of one chunk of quads, given to GL: the corners filled chunk by chunk,
// the texture's corners the same for every quad.
struct QuadArrays {
    QuadArrays() : corners(QuadsPerChunk * 4 * 3), texture(QuadsPerChunk * 4 * 2) {
        for (std::size_t q = 0; q < QuadsPerChunk; ++q) {
            const GLfloat st[8] = {0, 0, 1, 0, 1, 1, 0, 1};
            std::copy(st, st + 8, texture.begin() + static_cast<std::ptrdiff_t>(8 * q));
        }
        glVertexPointer(3, GL_FLOAT, 0, corners.data());
        glTexCoordPointer(2, GL_FLOAT, 0, texture.data());
    }
    std::vector<GLfloat> corners;
    std::vector<GLfloat> texture;
};

// A texture object bound for the spheres' faces, smooth and clamped at its edges.
GLuint bindSphereTexture() {
    GLuint name = 0;
    glGenTextures(1, &name);
    glBindTexture(GL_TEXTURE_2D, name);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_CLAMP);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_CLAMP);
    return name;
}

// One quad of radius `r` around each particle of `type`, its centre turned by the modelview
// `m` into eye space, drawn a chunk at a time.
void drawTypeQuads(const ManyPicture& picture, const GLdouble* m, int type, GLfloat r,
                   std::vector<GLfloat>& corners) {
    std::size_t quads = 0;
    const auto flush = [&] {
        if (quads > 0) glDrawArrays(GL_QUADS, 0, static_cast<GLsizei>(4 * quads));
        quads = 0;
    };
    for (std::size_t k = 0; k < picture.count(); ++k) {
        if (picture.types[k] != type) continue;
        const double x = picture.centres[3 * k];
        const double y = picture.centres[3 * k + 1];
        const double z = picture.centres[3 * k + 2] - picture.distance;
        GLfloat eye[3];
        for (int row = 0; row < 3; ++row)
            eye[row] =
                static_cast<GLfloat>(m[row] * x + m[4 + row] * y + m[8 + row] * z + m[12 + row]);
        GLfloat* v = &corners[12 * quads];
        const GLfloat offsets[4][2] = {{-r, -r}, {r, -r}, {r, r}, {-r, r}};
        for (int c = 0; c < 4; ++c) {
            v[3 * c] = eye[0] + offsets[c][0];
            v[3 * c + 1] = eye[1] + offsets[c][1];
            v[3 * c + 2] = eye[2];
        }
        if (++quads == QuadsPerChunk) flush();
    }
    flush();
}

// The steps of an impostor picture: the cube, the light as it stands, then per type present
// its lit face as a texture and its particles as quads facing the eye.
void drawImpostors(const ManyPicture& picture) {
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    // The cube first: it gives the light through the turned modelview, as it does after the
    // first sphere of a tessellated picture.
    if (picture.showCube && picture.count() > 0)
        DrawCubeEdges(picture.cubeHalfSize, SceneScale, picture.distance);
    GLdouble m[16];
    glGetDoublev(GL_MODELVIEW_MATRIX, m);
    const std::array<float, 3> toLight = lightFromCentre(m, picture.distance);

    beginFacingQuads();
    QuadArrays arrays;
    std::array<bool, MaxTypes + 1> present{};
    for (std::uint8_t t : picture.types)
        if (t >= 1 && t <= MaxTypes) present[t] = true;
    const GLuint name = bindSphereTexture();
    for (int type = 1; type <= MaxTypes; ++type) {
        const double radius = picture.radii[type];
        if (!present[type] || !(radius > 0.0)) continue;
        const std::vector<GLubyte> texels = litSphereTexture(picture.colours[type], toLight);
        glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA, TextureSize, TextureSize, 0, GL_RGBA,
                     GL_UNSIGNED_BYTE, texels.data());
        drawTypeQuads(picture, m, type, static_cast<GLfloat>(radius), arrays.corners);
    }
    glDeleteTextures(1, &name);
    endFacingQuads();
}

}  // namespace

double runFit(const LammpsManifest& manifest) {
    const int most =
        std::max({manifest.replicate[0], manifest.replicate[1], manifest.replicate[2], 1});
    return SceneScale / most;
}

ManyPicture composeRunPicture(const LammpsManifest& manifest, const Settings& settings,
                              const LammpsFrame& frame, double distance) {
    ManyPicture picture;
    const double fit = runFit(manifest);
    const std::size_t count = frame.types.size();
    picture.centres.resize(3 * count);
    picture.types.resize(count);
    for (std::size_t p = 0; p < count; ++p) {
        for (int c = 0; c < 3; ++c)
            picture.centres[3 * p + c] = fit * (frame.positions[3 * p + c] -
                                                manifest.cubeEdge * manifest.replicate[c] / 2.0);
        const int type = frame.types[p];
        picture.types[p] = static_cast<std::uint8_t>(type >= 1 && type <= MaxTypes ? type : 0);
    }
    for (std::size_t t = 0; t < manifest.types.size() && t < MaxTypes; ++t) {
        picture.radii[t + 1] = RadiusFactor * manifest.types[t].diameter * fit / SceneScale;
        picture.colours[t + 1] = manifest.types[t].colour;
    }
    picture.showCube = settings.showCubeLimits;
    picture.cubeHalfSize = settings.cubeHalfSize;
    picture.distance = distance;
    return picture;
}

float litSphereShade(float tint, const std::array<float, 3>& normal,
                     const std::array<float, 3>& toLight) {
    const float facing = normal[0] * toLight[0] + normal[1] * toLight[1] + normal[2] * toLight[2];
    const float shade = 0.2f * 0.2f + 0.2f * tint + 0.8f * std::max(0.0f, facing);
    return std::clamp(shade, 0.0f, 1.0f);
}

void DrawManyPicture(const ManyPicture& picture, SphereMeshes& meshes) {
    if (picture.count() <= MostTessellatedSpheres)
        drawTessellated(picture, meshes);
    else
        drawImpostors(picture);
}

bool drawManyNow(ViewSurface& window, const ManyPicture& picture) {
    ViewGL* view = window.view();
    if (!view || !view->makeContextCurrent()) return false;
    DrawManyPicture(picture, view->meshes());
    glFinish();
    return true;
}

}  // namespace zentova
