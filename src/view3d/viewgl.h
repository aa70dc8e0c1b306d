#pragma once

#include <QOpenGLWindow>
#include <array>
#include <memory>
#include <optional>

#include "view3d/drawing.h"
#include "view3d/manyspheres.h"
#include "view3d/spheremesh.h"

namespace zentova {

// The GL surface of the view window: a native window of its own inside it, so that each
// picture goes to the screen directly. (A GL widget would have the window compose it with
// the buttons through a second GL pass; with Mesa's software renderer that pass cost a
// quarter of every frame's time and some 50 MB.) Its one context lives as long as the
// window and holds the camera (the accumulated modelview matrix). The scene code draws into
// it between pumps, outside paintGL, and asks for it to be shown; the last picture is kept
// and drawn again when the framebuffer is replaced (a resize, a new context), so an expose
// never shows a blank view. It takes no input: clicks on it reach the view window.
class ViewGL : public QOpenGLWindow {
  public:
    ViewGL();
    ~ViewGL() override;
    ViewGL(const ViewGL&) = delete;
    ViewGL& operator=(const ViewGL&) = delete;

    // Makes the context current for GL calls. False while there is none (the window was never
    // shown, or the platform has no OpenGL): the caller then skips its GL calls.
    bool makeContextCurrent();

    // The sphere meshes of this context, with ViewQuadric, the one quadric every sphere is
    // drawn with.
    SphereMeshes& meshes() { return m_meshes; }

    // Keeps the picture just drawn and asks for it to be shown, as a buffer swap would.
    void present(const Picture& picture);
    // The same for a picture of a run brought back, of any number of particles.
    void present(std::shared_ptr<const ManyPicture> picture);
    // Shows what was presented at once rather than at the next pump.
    void showNow();

    // The clear colour, kept here as well because a new context must start with it.
    void setClearColor(const std::array<float, 4>& rgba);

    // The linear fog wanted (none: no fog), kept for the same reason: a run sets it up
    // before its first picture, usually before the context exists. Applied at once when
    // there is a context.
    void setFog(std::optional<FogRange> fog);

    qreal devicePixelRatioF() const { return devicePixelRatio(); }

  protected:
    void initializeGL() override;
    void resizeGL(int width, int height) override;
    void paintGL() override;

  private:
    SphereMeshes m_meshes;
    std::array<float, 4> m_clearColor{0.0f, 0.0f, 0.0f, 0.0f};
    std::optional<FogRange> m_fog;
    Picture m_picture;
    std::shared_ptr<const ManyPicture> m_manyPicture;  // kept instead of m_picture when set
    bool m_hasPicture = false;
    bool m_framebufferReplaced = false;
};

}  // namespace zentova
