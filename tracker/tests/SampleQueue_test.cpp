#include "SampleQueue.h"

#include <gtest/gtest.h>

namespace qvtrack {
namespace {

using namespace std::chrono_literals;

TEST(SampleQueue, KeepsOrderAndDropsTheOldestWhenFull) {
    TrackStats stats;
    SampleQueue q(stats, 3);
    for (int i = 1; i <= 5; ++i) {
        q.push({1, i, i});
    }
    EXPECT_EQ(q.dropped(), 2u);
    GazeSample s{};
    for (int expect = 3; expect <= 5; ++expect) {
        ASSERT_TRUE(q.take(s, 0ns));
        EXPECT_EQ(s.x, expect);
    }
    EXPECT_EQ(stats.received.load(), 5u);
}

TEST(SampleQueue, EmptyTakeRepeatsTheLastPositionNotFound) {
    TrackStats stats;
    SampleQueue q(stats);
    GazeSample s{1, 9, 9};
    EXPECT_FALSE(q.take(s, 1ms));
    EXPECT_EQ(s.found, 0);
    EXPECT_EQ(s.x, 0);
    q.push({1, 4, 6});
    ASSERT_TRUE(q.take(s, 1ms));
    EXPECT_FALSE(q.take(s, 1ms));
    EXPECT_EQ(s.found, 0);
    EXPECT_EQ(s.x, 4);
    EXPECT_EQ(s.y, 6);
}

}  // namespace
}  // namespace qvtrack
