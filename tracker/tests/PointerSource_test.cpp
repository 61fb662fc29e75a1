#include "PointerSource.h"

#include <gtest/gtest.h>

#include <atomic>
#include <thread>

#include "FakeClock.h"

namespace qvtrack {
namespace {

TEST(PointerSource, NotFoundUntilFedThenLatestPosition) {
    FakeClock clock;
    PointerFeed feed;
    TrackStats stats;
    PointerSource source(clock, feed, stats, 60, 1.0);
    GazeSample s{};
    source.next(s);
    EXPECT_EQ(s.found, 0);
    feed.feed(-3, 70000);
    feed.feed(40, 50);
    source.next(s);
    EXPECT_EQ(s.found, 1);
    EXPECT_EQ(s.x, 40);
    EXPECT_EQ(s.y, 50);
    EXPECT_EQ(source.samplesPerSecond(), 60);
}

TEST(PointerSource, FeedingFromAnotherThreadNeverTearsAPosition) {
    SteadyClock clock;
    PointerFeed feed;
    TrackStats stats;
    PointerSource source(clock, feed, stats, 1, 0.0);  // unpaced
    std::atomic<bool> stop{false};
    std::atomic<bool> fedOnce{false};
    std::thread feeder([&] {
        for (int i = 0; !stop.load(); i = (i + 1) % 100000) {
            feed.feed(i, -i);  // every position has y == -x
            fedOnce = true;
        }
    });
    while (!fedOnce.load()) {
        std::this_thread::yield();
    }
    for (int n = 0; n < 20000; ++n) {
        GazeSample s{};
        source.next(s);
        ASSERT_EQ(s.found, 1);
        ASSERT_EQ(s.y, -s.x);
    }
    stop = true;
    feeder.join();
}

}  // namespace
}  // namespace qvtrack
