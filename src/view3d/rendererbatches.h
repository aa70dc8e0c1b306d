#pragma once

#include <GL/gl.h>
#include <GL/glext.h>

namespace zentova {

// Spheres go to the renderer in batches. Mesa's software renderer keeps every triangle it is
// sent until its threads have drawn it, and it is sent triangles faster than they draw: left
// alone it would hold a whole frame's worth, some 30 MB. After a batch is sent, the batch
// MaxQueued before it is waited for, so the renderer holds at most that many batches while
// its threads always have the next one at hand. A context without fences (no GL 3.2 and no
// ARB_sync) only has each batch flushed.
class RendererBatches {
  public:
    static constexpr int SpheresPerBatch = 10;
    static constexpr int MaxQueued = 3;

    // For the context current now; none current means batches are only flushed.
    RendererBatches();
    // Lets go of the fences still pending without waiting for them.
    ~RendererBatches();
    RendererBatches(const RendererBatches&) = delete;
    RendererBatches& operator=(const RendererBatches&) = delete;

    // Sends what was drawn since the last call as one batch.
    void endBatch();

    // Whether batches are waited for (the context has fences).
    bool paced() const { return m_fenceSync != nullptr; }

  private:
    PFNGLFENCESYNCPROC m_fenceSync = nullptr;
    PFNGLCLIENTWAITSYNCPROC m_clientWaitSync = nullptr;
    PFNGLDELETESYNCPROC m_deleteSync = nullptr;
    GLsync m_pending[MaxQueued] = {};
    int m_sent = 0;
};

}  // namespace zentova
