#pragma once

#include <vector>

struct GLUquadric;

namespace zentova {

// The sphere meshes of one GL context: the one quadric every sphere is drawn with, and a
// display list per radius compiled from it on first use. A frame then replays stored
// vertices instead of computing and sending 400 quads per sphere one by one, which costs
// both time and the renderer's memory for every vertex sent.
class SphereMeshes {
  public:
    SphereMeshes();
    ~SphereMeshes();
    SphereMeshes(const SphereMeshes&) = delete;
    SphereMeshes& operator=(const SphereMeshes&) = delete;

    // Draws a sphere of the radius about the origin, on the current context, as
    // gluSphere(quadric, radius, slices, stacks) with smooth normals and filled faces.
    void draw(double radius, int slices, int stacks);

    // Deletes the lists; the context they belong to must be current.
    void release();
    // Forgets the lists without deleting them: their context is gone.
    void forget() { m_lists.clear(); }

    GLUquadric* quadric() const { return m_quadric; }
    int listCount() const { return static_cast<int>(m_lists.size()); }

  private:
    struct Mesh {
        double radius;
        int slices;
        int stacks;
        unsigned list;
    };
    GLUquadric* m_quadric = nullptr;
    std::vector<Mesh> m_lists;
};

}  // namespace zentova
