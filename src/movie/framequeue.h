#pragma once

#include <condition_variable>
#include <cstddef>
#include <cstdint>
#include <deque>
#include <functional>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "movie/movietypes.h"

namespace zentova {

// Bytes a pixel takes in memory in `layout`.
inline int bytesPerPixel(PixelLayout layout) {
    return layout == PixelLayout::Rgb24 ? 3 : 4;
}

// A picture copied for the encoder.
struct QueuedFrame {
    std::vector<std::uint8_t> bytes;  // top row first, rows packed
    int width = 0;
    int height = 0;
    PixelLayout layout = PixelLayout::Rgb24;
};

// The pictures between the caller, who draws them, and a thread of the queue's own, which
// encodes them: a few wait, so that drawing and encoding overlap, and the caller waits when
// the encoder is that far behind. The first failure of the encoding, whatever it throws,
// stops the thread and drops what waits; failure() then says why.
class FrameQueue {
  public:
    // Pictures waiting for the encoder: enough to let drawing and encoding overlap, few
    // enough that a slow encoder holds the caller back rather than filling the memory.
    static constexpr std::size_t Depth = 3;

    explicit FrameQueue(std::function<void(const QueuedFrame&)> encode);
    ~FrameQueue();
    FrameQueue(const FrameQueue&) = delete;
    FrameQueue& operator=(const FrameQueue&) = delete;

    // A buffer the encoder is done with, or an empty one: no fresh pages to fault in for
    // every picture.
    std::vector<std::uint8_t> spareBuffer();
    // Queues `frame`, waiting while the queue is full. Returns false, queueing nothing,
    // once the encoding has failed.
    bool push(QueuedFrame&& frame);
    // Ends the thread: after encoding what waits, or at once dropping it (`drop`). Returns
    // when the thread has ended; safe to call twice.
    void stop(bool drop);
    // Why the encoding failed; empty while it has not.
    std::string failure();

  private:
    void work();

    std::function<void(const QueuedFrame&)> m_encode;
    std::mutex m_mutex;
    std::condition_variable m_changed;
    std::deque<QueuedFrame> m_queue;
    std::vector<std::vector<std::uint8_t>> m_spare;
    bool m_closing = false;
    bool m_dropQueued = false;
    std::string m_failure;
    std::thread m_worker;  // last: it starts when everything it uses is there
};

}  // namespace zentova
