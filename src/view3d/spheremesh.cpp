#include "view3d/spheremesh.h"

#include <GL/gl.h>
#include <GL/glu.h>

namespace zentova {

namespace {

// More distinct radii than this (diameters edited again and again) start the cache anew.
constexpr std::size_t MaxMeshes = 64;

}  // namespace

SphereMeshes::SphereMeshes() : m_quadric(gluNewQuadric()) {}

SphereMeshes::~SphereMeshes() {
    if (m_quadric) gluDeleteQuadric(m_quadric);
}

void SphereMeshes::release() {
    for (const Mesh& mesh : m_lists) glDeleteLists(mesh.list, 1);
    m_lists.clear();
}

void SphereMeshes::draw(double radius, int slices, int stacks) {
    if (!m_quadric) return;
    for (const Mesh& mesh : m_lists)
        if (mesh.radius == radius && mesh.slices == slices && mesh.stacks == stacks) {
            glCallList(mesh.list);
            return;
        }
    if (m_lists.size() >= MaxMeshes) release();
    gluQuadricDrawStyle(m_quadric, GLU_FILL);
    gluQuadricNormals(m_quadric, GLU_SMOOTH);
    const GLuint list = glGenLists(1);
    if (list == 0) {  // no list to be had: draw it directly
        gluSphere(m_quadric, radius, slices, stacks);
        return;
    }
    glNewList(list, GL_COMPILE_AND_EXECUTE);
    gluSphere(m_quadric, radius, slices, stacks);
    glEndList();
    m_lists.push_back({radius, slices, stacks, list});
}

}  // namespace zentova
