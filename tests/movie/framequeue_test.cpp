// The encoding thread of a movie: a stop that keeps what waits encodes every picture, in
// the order given; whatever the encoder throws ends the movie with a reason, never the
// process.

#include "movie/framequeue.h"

#include <gtest/gtest.h>

#include <chrono>
#include <future>
#include <new>
#include <stdexcept>
#include <thread>
#include <vector>

namespace zentova {
namespace {

// The movie's last pictures are still waiting when the recording ends: a stop that keeps
// them encodes them all, in order. The encoder is held on the first picture while stop()
// begins, so that the others are still queued when it is asked to stop.
TEST(FrameQueue, AStopKeepingWhatWaitsEncodesEveryPictureInOrder) {
    std::promise<void> release;
    std::shared_future<void> released = release.get_future().share();
    std::vector<int> encoded;  // the pictures' numbers, carried as their widths
    FrameQueue queue([&](const QueuedFrame& frame) {
        if (frame.width == 1) released.wait();
        encoded.push_back(frame.width);
    });
    // The first picture goes to the encoder, the other three wait (the queue's depth).
    for (int k = 1; k <= 1 + static_cast<int>(FrameQueue::Depth); ++k)
        ASSERT_TRUE(queue.push(QueuedFrame{{}, k, 1, PixelLayout::Rgb24}));
    // Released from another thread, as stop() waits for the encoder to end. Sound code
    // passes however early the release comes; the pause lets stop() start first, so that a
    // stop that lost the waiting pictures would show.
    std::thread releaser([&] {
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
        release.set_value();
    });
    queue.stop(false);
    releaser.join();
    EXPECT_EQ(encoded, (std::vector<int>{1, 2, 3, 4}));
    EXPECT_EQ(queue.failure(), "");
}

TEST(FrameQueue, AnyFailureOfTheEncoderStopsTheQueueWithItsReason) {
    struct Case {
        void (*fault)();
        const char* reason;
    };
    const Case cases[] = {
        {[] { throw std::bad_alloc(); }, "out of memory"},
        {[] { throw std::runtime_error("cannot write: No space left on device"); },
         "cannot write: No space left on device"},
    };
    for (const Case& c : cases) {
        int encoded = 0;
        FrameQueue queue([&](const QueuedFrame&) {
            if (++encoded == 2) c.fault();
        });
        // The second picture fails; pushes go on until the queue has seen it.
        int pushed = 0;
        while (queue.push(QueuedFrame{}) && pushed < 1000) ++pushed;
        EXPECT_LT(pushed, 1000) << c.reason;
        queue.stop(false);
        EXPECT_EQ(queue.failure(), c.reason);
        EXPECT_EQ(encoded, 2) << c.reason;
    }
}

}  // namespace
}  // namespace zentova
