#include "view3d/rendererbatches.h"

#include <QOpenGLContext>

namespace zentova {

namespace {

// A batch takes a few milliseconds; a renderer that has not drawn one in a second will not
// be helped by waiting longer, and the frame must go on.
constexpr GLuint64 WaitLimitNs = 1'000'000'000ULL;

}  // namespace

RendererBatches::RendererBatches() {
    QOpenGLContext* context = QOpenGLContext::currentContext();
    if (!context) return;
    // Any name resolves to something under a dispatching libGL: only the version or the
    // extension says the functions work.
    const QSurfaceFormat format = context->format();
    const bool hasFences = context->isOpenGLES()
                               ? format.version() >= qMakePair(3, 0)
                               : format.version() >= qMakePair(3, 2) ||
                                     context->hasExtension(QByteArrayLiteral("GL_ARB_sync"));
    if (!hasFences) return;
    auto fenceSync = reinterpret_cast<PFNGLFENCESYNCPROC>(context->getProcAddress("glFenceSync"));
    auto clientWaitSync =
        reinterpret_cast<PFNGLCLIENTWAITSYNCPROC>(context->getProcAddress("glClientWaitSync"));
    auto deleteSync =
        reinterpret_cast<PFNGLDELETESYNCPROC>(context->getProcAddress("glDeleteSync"));
    if (!fenceSync || !clientWaitSync || !deleteSync) return;
    m_fenceSync = fenceSync;
    m_clientWaitSync = clientWaitSync;
    m_deleteSync = deleteSync;
}

RendererBatches::~RendererBatches() {
    if (!paced()) return;
    // Deleting a pending fence is allowed: it goes when it is reached.
    for (GLsync sync : m_pending)
        if (sync) m_deleteSync(sync);
}

void RendererBatches::endBatch() {
    if (!paced()) {
        glFlush();
        return;
    }
    GLsync sync = m_fenceSync(GL_SYNC_GPU_COMMANDS_COMPLETE, 0);
    glFlush();
    GLsync& slot = m_pending[m_sent % MaxQueued];
    if (slot) {
        m_clientWaitSync(slot, 0, WaitLimitNs);
        m_deleteSync(slot);
    }
    slot = sync;
    ++m_sent;
}

}  // namespace zentova
