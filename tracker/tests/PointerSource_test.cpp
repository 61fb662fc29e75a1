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
    std::thread feeder([&] {
        for (int i = 0; !stop.load(); i = (i + 1) % 100000) {
            feed.feed(i, -i);  // every position has y == -x
        }
    });
    int found = 0;
    for (int n = 0; n < 200000 && found < 1000; ++n) {
        GazeSample s{};
        source.next(s);
        if (s.found) {
            ++found;
            ASSERT_EQ(s.y, -s.x);
        }
    }
    stop = true;
    feeder.join();
    EXPECT_GT(found, 0);
}

}  // namespace
}  // namespace qvtrack
