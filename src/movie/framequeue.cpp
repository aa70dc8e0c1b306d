#include "movie/framequeue.h"

#include <exception>
#include <new>
#include <utility>

namespace zentova {

FrameQueue::FrameQueue(std::function<void(const QueuedFrame&)> encode)
    : m_encode(std::move(encode)), m_worker([this] { work(); }) {}

FrameQueue::~FrameQueue() {
    stop(true);
}

std::vector<std::uint8_t> FrameQueue::spareBuffer() {
    std::lock_guard lock(m_mutex);
    if (m_spare.empty()) return {};
    std::vector<std::uint8_t> buffer = std::move(m_spare.back());
    m_spare.pop_back();
    return buffer;
}

bool FrameQueue::push(QueuedFrame&& frame) {
    std::unique_lock lock(m_mutex);
    m_changed.wait(lock, [&] { return m_queue.size() < Depth || !m_failure.empty(); });
    if (!m_failure.empty()) return false;
    m_queue.push_back(std::move(frame));
    lock.unlock();
    m_changed.notify_all();
    return true;
}

void FrameQueue::stop(bool drop) {
    {
        std::lock_guard lock(m_mutex);
        m_closing = true;
        m_dropQueued = m_dropQueued || drop;
    }
    m_changed.notify_all();
    if (m_worker.joinable()) m_worker.join();
}

std::string FrameQueue::failure() {
    std::lock_guard lock(m_mutex);
    return m_failure;
}

void FrameQueue::work() {
    for (;;) {
        QueuedFrame frame;
        {
            std::unique_lock lock(m_mutex);
            m_changed.wait(lock, [&] { return !m_queue.empty() || m_closing; });
            if (m_dropQueued || m_queue.empty()) return;
            frame = std::move(m_queue.front());
            m_queue.pop_front();
        }
        m_changed.notify_all();
        // Whatever the encoding throws ends the movie with its reason: an exception left to
        // leave the thread would end the process and leave the temporary file behind.
        std::string reason;
        try {
            m_encode(frame);
            std::lock_guard lock(m_mutex);
            if (m_spare.size() < Depth) m_spare.push_back(std::move(frame.bytes));
            continue;
        } catch (const std::bad_alloc&) {
            reason = "out of memory";
        } catch (const std::exception& e) {
            reason = e.what();
        }
        std::lock_guard lock(m_mutex);
        m_failure = reason;
        m_queue.clear();
        m_changed.notify_all();
        return;
    }
}

}  // namespace zentova
