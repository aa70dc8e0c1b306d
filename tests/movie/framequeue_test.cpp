// The encoding thread of a movie: whatever the encoder throws ends the movie with a reason,
// never the process.

#include "movie/framequeue.h"

#include <gtest/gtest.h>

#include <new>
#include <stdexcept>

namespace zentova {
namespace {

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
